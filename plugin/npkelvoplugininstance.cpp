#include "npkelvoplugininstance.h"

#include "kelvonppluginviewerwidget.h"
#include "kelvopicturereader.h"
#include "npkelvopluginwidget.h"
#include "pluginstream.h"

#include <algorithm>

int NPKelvoPluginInstance::pageExtent(const QString& text) {
    qint64 value = 0;
    const QString trimmed = text.trimmed();
    for (const QChar c : trimmed) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = std::min<qint64>(value * 10 + (c.unicode() - '0'), kMaxPageExtent);
    }
    return static_cast<int>(value);
}

NPKelvoPluginInstance::~NPKelvoPluginInstance() {
    // The window and its viewer ask this instance for the link until they are gone.
    destroyWidget();
}

void NPKelvoPluginInstance::followLink() {
    if (m_href)
        getURL(*m_href, m_target);
}

PluginWindow* NPKelvoPluginInstance::newWindow() {
    m_window = new NPKelvoPluginWidget(this);
    readParameters();
    if (parameter(QStringLiteral("src"))) {
        m_window->setMessage(tr(" The parameter 'src' is not allowed! "));
    } else if (m_url && m_url->isEmpty()) {
        m_window->setMessage(tr(" No image url specified in parameter 'kelvo'! "));
    } else if (m_url) {
        startLoading();
    } else {
        m_window->setMessage(tr(" No parameter 'kelvo' specified! "));
    }
    return m_window;
}

void NPKelvoPluginInstance::readParameters() {
    m_url = parameter(QStringLiteral("kelvo"));
    if (m_url && m_url->trimmed().isEmpty())
        m_url = QString(QLatin1String(""));
    m_width = pageExtent(parameter(QStringLiteral("width")).value_or(QString()));
    m_height = pageExtent(parameter(QStringLiteral("height")).value_or(QString()));
    m_href = parameter(QStringLiteral("href"));
    if (const auto target = parameter(QStringLiteral("target")))
        m_target = *target;
}

void NPKelvoPluginInstance::startLoading() {
    m_window->setMessage(tr(" Kelvo plugin >> try loading: ") + *m_url);
    m_loading = true;
    if (!getURLNotify(*m_url)) {
        m_loading = false;
        notifyURL(*m_url, Reason::Error, nullptr);
    }
}

bool NPKelvoPluginInstance::newStreamCreated(PluginStream* stream, StreamMode& mode) {
    // Without a window there is nowhere to show the picture.
    if (!m_window)
        return false;
    if (m_loading)
        m_window->showReceiving(stream->url());
    mode = StreamMode::Normal;
    return true;
}

int32_t NPKelvoPluginInstance::writeReady(PluginStream*) {
    return kWriteReadySize;
}

int32_t NPKelvoPluginInstance::write(PluginStream*, int32_t, int32_t length, const void* buffer) {
    if (m_failed)
        return -1;
    if (m_data.size() + qint64(length) > kMaxImageBytes) {
        fail();
        return -1;
    }
    m_data.append(static_cast<const char*>(buffer), length);
    m_window->advanceProgress(m_data.size());
    return length;
}

void NPKelvoPluginInstance::streamDestroyed(PluginStream* stream) {
    if (stream->complete() && !m_failed)
        showPicture(stream->url());
    status(QString());
}

void NPKelvoPluginInstance::showPicture(const QString& url) {
    m_image = KelvoPictureReader::read(m_data);
    const qint64 fileSize = m_data.size();
    // The picture holds all that is needed from here on.
    m_data = QByteArray();
    if (m_image.isNull()) {
        fail();
        return;
    }
    m_window->showLoaded();
    const QSize page(m_width > 0 ? m_width : m_image.width(),
                     m_height > 0 ? m_height : m_image.height());
    KelvoNPPluginViewerWidget* viewer = m_window->viewer();
    viewer->resize(page);
    viewer->setFileSize(fileSize);
    viewer->setScale(page.width(), page.height(), m_image.width(), m_image.height());
    viewer->prepare(m_image, url);
    viewer->update();
}

void NPKelvoPluginInstance::notifyURL(const QString&, Reason reason, void*) {
    m_loading = false;
    if (reason != Reason::Done && m_window)
        fail();
}

void NPKelvoPluginInstance::fail() {
    m_failed = true;
    m_data = QByteArray();
    m_window->showError();
}
