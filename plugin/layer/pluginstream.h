// A stream the browser delivers to an instance, wrapping the browser's NPStream for the time
// between NPP_NewStream and NPP_DestroyStream.
#pragma once

#include "npapi.h"

#include <QByteArray>
#include <QString>

class PluginInstance;

class PluginStream {
public:
    PluginStream(PluginInstance* instance, const NPStream& stream, QByteArray type, bool seekable);

    PluginInstance* instance() const { return instance_; }
    const QString& url() const { return url_; }
    // Total length announced by the browser, 0 when unknown.
    quint32 end() const { return end_; }
    quint32 lastModified() const { return lastModified_; }
    const QByteArray& type() const { return type_; }
    bool seekable() const { return seekable_; }

    // Set when the browser ends the stream; complete() only after all data arrived.
    void finish(NPReason reason);
    bool finished() const { return finished_; }
    bool complete() const { return finished_ && reason_ == NPRES_DONE; }

private:
    PluginInstance* instance_;
    QString url_;
    quint32 end_;
    quint32 lastModified_;
    QByteArray type_;
    bool seekable_;
    bool finished_ = false;
    NPReason reason_ = NPRES_DONE;
};
