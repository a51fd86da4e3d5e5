// One plug-in instance on the host's page: its NPP, the embed's attributes as parameters, the
// window it draws in, and the URL requests it makes. Streams are served from local files
// (file: URLs, or paths relative to the page); requests with a target are only reported, as
// the host has no other windows. Events are printed on standard output:
//   url: URL [target: TARGET]
//   status: TEXT
//   stream: URL BYTES bytes in CHUNKS chunks
//   notify: URL done|network error|user break
#pragma once

#include "npfunctions.h"

#include <QByteArray>
#include <QDir>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

class HostStream;
class QWidget;

class HostInstance : public QObject {
    Q_OBJECT
public:
    HostInstance(const NPPluginFuncs& plugin, QList<QPair<QString, QString>> attributes, QDir base,
                 int maxChunk, QWidget* container);
    ~HostInstance() override;

    // NPP_New with the attributes, then NPP_SetWindow with the container's window. False,
    // with the reason in `error`, when the plug-in refuses the instance.
    bool create(QString* error);

    QWidget* container() const { return m_container; }
    // No request of this instance is still being served.
    bool idle() const { return m_streams.isEmpty(); }

    // Browser side: a request of the plug-in.
    NPError requestUrl(const char* url, const char* target, bool notify, void* notifyData);
    void showStatus(const char* message);

    // The local file a URL names, relative to the page; empty for other schemes.
    static QString localPath(const QDir& base, const QString& url);

signals:
    void becameIdle();

private:
    void streamFinished(HostStream* stream, NPReason reason);

    const NPPluginFuncs& m_plugin;
    QList<QPair<QString, QString>> m_attributes;
    QDir m_base;
    int m_maxChunk;
    QWidget* m_container;
    NPP_t m_npp{};
    bool m_created = false;
    NPWindow m_window{};
    QList<HostStream*> m_streams;
};
