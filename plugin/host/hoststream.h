// Delivers one local file to a plug-in instance as a browser delivers a URL: NPP_NewStream,
// then NPP_WriteReady / NPP_Write with chunks of at most the ready size (and at most the
// host's chunk size), one chunk per turn of the event loop, then NPP_DestroyStream and, for a
// notifying request, NPP_URLNotify. A file that cannot be read, a refused stream or a write
// the plug-in rejects end with reason NPRES_NETWORK_ERR.
#pragma once

#include "npfunctions.h"

#include <QByteArray>
#include <QFile>
#include <QObject>

class HostStream : public QObject {
    Q_OBJECT
public:
    // A plug-in that accepts nothing for this long loses the stream.
    static constexpr int kRetryMs = 10;
    static constexpr int kMaxStalls = 1000;

    HostStream(const NPPluginFuncs& plugin, NPP npp, const QByteArray& url, const QString& path,
               bool notify, void* notifyData, int maxChunk, QObject* parent);
    ~HostStream() override;

    // Delivery starts on the next turn of the event loop, never inside the request.
    void start();
    // Ends the stream at once (the page goes away); no notification follows.
    void cancel();

    const QByteArray& url() const { return m_url; }
    bool notifies() const { return m_notify; }
    // Whether NPP_NewStream accepted the stream (it may have ended since).
    bool opened() const { return m_accepted; }
    qint64 delivered() const { return m_delivered; }
    int chunks() const { return m_chunks; }

signals:
    // Emitted once, after the last call into the plug-in for this stream.
    void finished(NPReason reason);

private:
    void open();
    void pump();
    // The plug-in took nothing: try again a little later, up to kMaxStalls times.
    void stall();
    void end(NPReason reason, bool notify);

    const NPPluginFuncs& m_plugin;
    NPP m_npp;
    QByteArray m_url;
    QFile m_file;
    bool m_notify;
    void* m_notifyData;
    int m_maxChunk;
    NPStream m_stream{};
    bool m_opened = false;
    bool m_accepted = false;
    bool m_ended = false;
    QByteArray m_pending;
    qint64 m_delivered = 0;
    int m_chunks = 0;
    int m_stalls = 0;
};
