// One embedded plug-in instance: the browser's NPP handle, the embed element's parameters,
// requests to the browser and the stream callbacks, which derived classes override. Created by
// PluginObject::newInstance(), bound and driven by the entry points, deleted by NPP_Destroy.
#pragma once

#include "npapi.h"
#include "npfunctions.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QWindow>

#include <optional>

class PluginStream;
class PluginWindow;

class PluginInstance : public QObject {
    Q_OBJECT
public:
    enum class StreamMode { Normal = NP_NORMAL, Seek = NP_SEEK, AsFile = NP_ASFILE };
    enum class Reason { Done, Break, Error };
    using Parameters = QList<QPair<QString, QString>>;

    PluginInstance();
    ~PluginInstance() override;

    // Called once by NPP_New before anything else; the browser table outlives the instance.
    void bind(NPP npp, const NPNetscapeFuncs* browser, Parameters parameters);

    // The value of the named parameter, ignoring case: empty when given without a value,
    // nullopt when absent.
    std::optional<QString> parameter(const QString& name) const;

    // Requests to the browser; false when the browser refused them at once. With a target the
    // browser shows the URL in that window; without one it streams it to this instance, and
    // the notifying form ends with notifyURL(url, reason, data).
    bool getURL(const QString& url, const QString& target = QString());
    bool getURLNotify(const QString& url, const QString& target = QString(), void* data = nullptr);
    void status(const QString& message);

    // The instance's widget, made by newWindow() on the first NPP_SetWindow; owned here.
    PluginWindow* widget() const { return widget_; }

    // NPP_SetWindow: embeds the widget in the browser's window, or shows it as a top-level
    // window when the browser gives none.
    void setWindow(const NPWindow* window);

    // Browser callbacks, in the order the browser makes them for a stream: newStreamCreated,
    // then writeReady/write until the data end, streamDestroyed, and notifyURL for a request
    // made with notification (also when no stream could be opened).
    virtual PluginWindow* newWindow() = 0;
    virtual bool newStreamCreated(PluginStream* stream, StreamMode& mode) = 0;
    // Bytes the instance accepts in the next write.
    virtual int32_t writeReady(PluginStream* stream) = 0;
    // Bytes consumed; a negative result makes the browser abort the stream.
    virtual int32_t write(PluginStream* stream, int32_t offset, int32_t length,
                          const void* buffer) = 0;
    virtual void streamDestroyed(PluginStream* stream) = 0;
    virtual void notifyURL(const QString& url, Reason reason, void* data) = 0;

    static Reason reasonFromCode(NPReason code);

protected:
    // Deletes the widget now. A derived instance calls it from its destructor, so that the
    // widget, which may call back into it, never outlives the derived part.
    void destroyWidget();

private:
    template <typename Entry> Entry browserEntry(Entry NPNetscapeFuncs::*member) const;
    QWindow* parentWindowFor(WId id);

    NPP npp_ = nullptr;
    const NPNetscapeFuncs* browser_ = nullptr;
    Parameters parameters_;
    PluginWindow* widget_ = nullptr;
    WId embeddedIn_ = 0;
    QWindow* foreignParent_ = nullptr; // owned; wraps a window of another toolkit
};
