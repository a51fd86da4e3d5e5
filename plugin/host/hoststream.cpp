#include "hoststream.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace {

// Without a chunk size of its own the host reads no more than this at once, whatever the
// plug-in would accept.
constexpr qint64 kDefaultMaxChunk = 1 << 20;

} // namespace

HostStream::HostStream(const NPPluginFuncs& plugin, NPP npp, const QByteArray& url,
                       const QString& path, bool notify, void* notifyData, int maxChunk,
                       QObject* parent)
    : QObject(parent), m_plugin(plugin), m_npp(npp), m_url(url), m_file(path), m_notify(notify),
      m_notifyData(notifyData), m_maxChunk(maxChunk) {}

HostStream::~HostStream() = default;

void HostStream::start() {
    QTimer::singleShot(0, this, &HostStream::open);
}

void HostStream::cancel() {
    if (!m_ended)
        end(NPRES_USER_BREAK, false);
}

void HostStream::open() {
    if (!QFileInfo(m_file.fileName()).isFile() || !m_file.open(QIODevice::ReadOnly)) {
        end(NPRES_NETWORK_ERR, true);
        return;
    }
    const qint64 size = m_file.size();
    m_stream.url = m_url.constData();
    m_stream.end = size <= std::numeric_limits<uint32_t>::max() ? uint32_t(size) : 0;
    m_stream.lastmodified = uint32_t(QFileInfo(m_file).lastModified().toSecsSinceEpoch());
    m_stream.notifyData = m_notifyData;
    uint16_t mode = NP_NORMAL;
    char mimeType[] = "application/kelvo";
    if (!m_plugin.newstream ||
        m_plugin.newstream(m_npp, mimeType, &m_stream, 0, &mode) != NPERR_NO_ERROR) {
        end(NPRES_NETWORK_ERR, true);
        return;
    }
    m_opened = m_accepted = true;
    QTimer::singleShot(0, this, &HostStream::pump);
}

void HostStream::pump() {
    if (m_ended)
        return;
    if (!m_plugin.writeready || !m_plugin.write) {
        end(NPRES_NETWORK_ERR, true);
        return;
    }
    const int32_t ready = m_plugin.writeready(m_npp, &m_stream);
    if (ready <= 0) {
        stall();
        return;
    }
    const qint64 limit = m_maxChunk > 0 ? m_maxChunk : kDefaultMaxChunk;
    const qint64 want = std::min<qint64>(ready, limit);
    if (m_pending.size() < want && !m_file.atEnd()) {
        const QByteArray more = m_file.read(want - m_pending.size());
        if (more.isEmpty() && m_file.error() != QFileDevice::NoError) {
            end(NPRES_NETWORK_ERR, true);
            return;
        }
        m_pending += more;
    }
    const int32_t length = int32_t(std::min<qint64>(want, m_pending.size()));
    if (length == 0) {
        end(NPRES_DONE, true);
        return;
    }
    const int32_t written =
        m_plugin.write(m_npp, &m_stream, int32_t(m_delivered), length, m_pending.data());
    if (written < 0) {
        end(NPRES_NETWORK_ERR, true);
        return;
    }
    const int32_t taken = std::min(written, length);
    if (taken == 0) {
        stall();
        return;
    }
    m_pending.remove(0, taken);
    m_delivered += taken;
    ++m_chunks;
    m_stalls = 0;
    QTimer::singleShot(0, this, &HostStream::pump);
}

void HostStream::stall() {
    if (++m_stalls > kMaxStalls)
        end(NPRES_NETWORK_ERR, true);
    else
        QTimer::singleShot(kRetryMs, this, &HostStream::pump);
}

void HostStream::end(NPReason reason, bool notify) {
    m_ended = true;
    if (m_opened && m_plugin.destroystream)
        m_plugin.destroystream(m_npp, &m_stream, reason);
    m_opened = false;
    if (notify && m_notify && m_plugin.urlnotify)
        m_plugin.urlnotify(m_npp, m_url.constData(), reason, m_notifyData);
    emit finished(reason);
}
