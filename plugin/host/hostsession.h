// A run of the host: loads the plug-in library, makes one instance per embed of the page (or
// of the --param values), shows the window, and once every instance has loaded carries out
// the automation flags. Closing the window ends the run, instances first, library last.
#pragma once

#include "hostautomation.h"
#include "hostoptions.h"
#include "pluginlibrary.h"

#include <QObject>

#include <memory>
#include <vector>

class HostInstance;
class HostWindow;

class HostSession : public QObject {
    Q_OBJECT
public:
    // The size the host gives an embed without width or height, as pages do.
    static constexpr QSize kDefaultEmbedSize{300, 150};
    // Larger embeds are given this width or height; their windows stay within memory.
    static constexpr int kMaxEmbedExtent = 4096;
    // Largest page the host reads, and the longest it waits for the embeds to load.
    static constexpr qint64 kMaxPageBytes = 16 << 20;
    static constexpr int kLoadTimeoutMs = 30000;
    // Pause between automation steps, for layouts and repaints to happen.
    static constexpr int kStepMs = 150;

    explicit HostSession(HostOptions options);
    ~HostSession() override;

    // False, with the reason in `error`, when the run cannot start.
    bool start(QString* error);

    // The library beside the host (built or installed), unless --plugin names another.
    static QString defaultPluginPath();

private:
    bool readEmbeds(QList<QList<QPair<QString, QString>>>* embeds, QString* error) const;
    void checkLoaded();
    void runAutomation();
    void finish(int exitCode);

    HostOptions m_options;
    PluginLibrary m_library;
    std::unique_ptr<HostWindow> m_window;
    std::vector<std::unique_ptr<HostInstance>> m_instances;
    std::unique_ptr<HostAutomation> m_automation;
    bool m_automationStarted = false;
};
