// One embedded Kelvo picture. The embed's parameters:
//   kelvo   URL of the picture, requested from the browser (blank counts as empty)
//   src     refused: its presence stops the instance from loading anything
//   width, height  the page size of the picture (leading decimal digits; absent or 0: the
//           picture's own size)
//   href, target   a link and the window to open it in (default "_BLANK")
// The picture arrives as one stream, in chunks of at most kWriteReadySize bytes, and is shown
// when the stream completes; a failed request, a stream that is not a picture or one larger
// than kMaxImageBytes ends in the window's error display.
#pragma once

#include "plugininstance.h"

#include <QByteArray>
#include <QImage>

class NPKelvoPluginWidget;

class NPKelvoPluginInstance : public PluginInstance {
    Q_OBJECT
public:
    static constexpr int32_t kWriteReadySize = 64000;
    static constexpr qint64 kMaxImageBytes = qint64(256) << 20;
    // Page sizes beyond this are taken as this; scaled pictures stay within memory.
    static constexpr int kMaxPageExtent = 8192;

    NPKelvoPluginInstance() = default;
    ~NPKelvoPluginInstance() override;

    const std::optional<QString>& url() const { return m_url; }
    int pageWidth() const { return m_width; }
    int pageHeight() const { return m_height; }
    const std::optional<QString>& href() const { return m_href; }
    const QString& target() const { return m_target; }
    bool isLoading() const { return m_loading; }
    const QImage& image() const { return m_image; }
    NPKelvoPluginWidget* window() const { return m_window; }

    // Asks the browser to open href in the target window.
    void followLink();

    // The leading decimal digits of `text` as a page extent; 0 without any.
    static int pageExtent(const QString& text);

    PluginWindow* newWindow() override;
    bool newStreamCreated(PluginStream* stream, StreamMode& mode) override;
    int32_t writeReady(PluginStream* stream) override;
    int32_t write(PluginStream* stream, int32_t offset, int32_t length,
                  const void* buffer) override;
    void streamDestroyed(PluginStream* stream) override;
    void notifyURL(const QString& url, Reason reason, void* data) override;

private:
    void readParameters();
    void startLoading();
    void fail();
    void showPicture(const QString& url);

    QImage m_image;
    QByteArray m_data;
    bool m_loading = false;
    bool m_failed = false;
    std::optional<QString> m_url;
    int m_width = 0;
    int m_height = 0;
    std::optional<QString> m_href;
    QString m_target = QStringLiteral("_BLANK");
    NPKelvoPluginWidget* m_window = nullptr;
};
