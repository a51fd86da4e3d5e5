#include "hostinstance.h"

#include "hostoutput.h"
#include "hoststream.h"

#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <vector>

namespace {

QString reasonText(NPReason reason) {
    switch (reason) {
    case NPRES_DONE:
        return QStringLiteral("done");
    case NPRES_USER_BREAK:
        return QStringLiteral("user break");
    default:
        return QStringLiteral("network error");
    }
}

} // namespace

HostInstance::HostInstance(const NPPluginFuncs& plugin, QList<QPair<QString, QString>> attributes,
                           QDir base, int maxChunk, QWidget* container)
    : m_plugin(plugin), m_attributes(std::move(attributes)), m_base(std::move(base)),
      m_maxChunk(maxChunk), m_container(container) {
    m_npp.ndata = this;
}

HostInstance::~HostInstance() {
    // As a browser leaving the page: open streams break off, then the instance goes.
    const QList<HostStream*> streams = m_streams;
    m_streams.clear();
    for (HostStream* stream : streams) {
        stream->disconnect(this);
        stream->cancel();
        delete stream;
    }
    if (m_created && m_plugin.destroy) {
        NPSavedData* saved = nullptr;
        m_plugin.destroy(&m_npp, &saved);
    }
}

bool HostInstance::create(QString* error) {
    std::vector<QByteArray> names;
    std::vector<QByteArray> values;
    for (const auto& [name, value] : m_attributes) {
        names.push_back(name.toUtf8());
        values.push_back(value.toUtf8());
    }
    std::vector<char*> argn;
    std::vector<char*> argv;
    for (size_t i = 0; i < names.size(); ++i) {
        argn.push_back(names[i].data());
        argv.push_back(values[i].data());
    }
    char mimeType[] = "application/kelvo";
    const NPError result = m_plugin.newp(mimeType, &m_npp, NP_EMBED, int16_t(argn.size()),
                                         argn.data(), argv.data(), nullptr);
    if (result != NPERR_NO_ERROR) {
        *error = QStringLiteral("the plug-in refused the instance (error %1)").arg(result);
        return false;
    }
    m_created = true;
    m_window.window = reinterpret_cast<void*>(m_container->winId());
    m_window.width = uint32_t(m_container->width());
    m_window.height = uint32_t(m_container->height());
    m_window.clipRect = {0, 0, uint16_t(m_container->height()), uint16_t(m_container->width())};
    m_window.type = NPWindowTypeWindow;
    if (m_plugin.setwindow)
        m_plugin.setwindow(&m_npp, &m_window);
    return true;
}

QString HostInstance::localPath(const QDir& base, const QString& url) {
    const QUrl resolved =
        QUrl::fromLocalFile(base.absolutePath() + QLatin1Char('/')).resolved(QUrl(url));
    return resolved.isLocalFile() ? resolved.toLocalFile() : QString();
}

NPError HostInstance::requestUrl(const char* url, const char* target, bool notify,
                                 void* notifyData) {
    const QString text = QString::fromUtf8(url);
    if (target) {
        HostOutput::line(QStringLiteral("url: %1 target: %2").arg(text, QString::fromUtf8(target)));
        // The host shows no other windows: the request is done once reported, and the
        // notification comes later, as from a browser, never inside the request.
        if (notify && m_plugin.urlnotify) {
            QTimer::singleShot(0, this, [this, name = QByteArray(url), notifyData] {
                m_plugin.urlnotify(&m_npp, name.constData(), NPRES_DONE, notifyData);
            });
        }
        return NPERR_NO_ERROR;
    }
    HostOutput::line(QStringLiteral("url: %1").arg(text));
    auto* stream = new HostStream(m_plugin, &m_npp, QByteArray(url), localPath(m_base, text),
                                  notify, notifyData, m_maxChunk, this);
    m_streams.append(stream);
    connect(stream, &HostStream::finished, this,
            [this, stream](NPReason reason) { streamFinished(stream, reason); });
    stream->start();
    return NPERR_NO_ERROR;
}

void HostInstance::streamFinished(HostStream* stream, NPReason reason) {
    const QString url = QString::fromUtf8(stream->url());
    if (stream->opened())
        HostOutput::line(QStringLiteral("stream: %1 %2 bytes in %3 chunks")
                             .arg(url)
                             .arg(stream->delivered())
                             .arg(stream->chunks()));
    if (stream->notifies())
        HostOutput::line(QStringLiteral("notify: %1 %2").arg(url, reasonText(reason)));
    m_streams.removeOne(stream);
    stream->deleteLater();
    if (m_streams.isEmpty())
        emit becameIdle();
}

void HostInstance::showStatus(const char* message) {
    HostOutput::line(QStringLiteral("status: %1").arg(QString::fromUtf8(message)));
}
