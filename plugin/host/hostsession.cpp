#include "hostsession.h"

#include "browserfunctions.h"
#include "embedpageparser.h"
#include "hostinstance.h"
#include "hostoutput.h"
#include "hostwindow.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>

namespace {

const QString kKelvoType = QStringLiteral("application/kelvo");

int extent(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value > 0 ? std::min(value, HostSession::kMaxEmbedExtent) : 0;
}

QSize embedSize(const QList<QPair<QString, QString>>& attributes) {
    const EmbedElement element{attributes};
    const int width = extent(element.value(QStringLiteral("width")));
    const int height = extent(element.value(QStringLiteral("height")));
    return QSize(width > 0 ? width : HostSession::kDefaultEmbedSize.width(),
                 height > 0 ? height : HostSession::kDefaultEmbedSize.height());
}

void override(QList<QPair<QString, QString>>& attributes,
              const QList<QPair<QString, QString>>& parameters) {
    for (const auto& parameter : parameters) {
        attributes.removeIf([&](const auto& a) { return a.first == parameter.first; });
        attributes.append(parameter);
    }
}

} // namespace

HostSession::HostSession(HostOptions options) : m_options(std::move(options)) {}

HostSession::~HostSession() {
    // Instances go before the window they draw in; the library goes last.
    m_automation.reset();
    m_instances.clear();
    m_window.reset();
}

QString HostSession::defaultPluginPath() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/npKelvo.so");
}

bool HostSession::readEmbeds(QList<QList<QPair<QString, QString>>>* embeds, QString* error) const {
    if (m_options.page.isEmpty()) {
        embeds->append(m_options.parameters);
        return true;
    }
    QFile page(m_options.page);
    if (!page.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1").arg(m_options.page);
        return false;
    }
    if (page.size() > kMaxPageBytes) {
        *error =
            QStringLiteral("%1 is larger than %2 bytes").arg(m_options.page).arg(kMaxPageBytes);
        return false;
    }
    const QList<EmbedElement> elements = EmbedPageParser::parse(QString::fromUtf8(page.readAll()));
    for (const EmbedElement& element : elements) {
        if (element.value(QStringLiteral("type"))
                .trimmed()
                .compare(kKelvoType, Qt::CaseInsensitive) != 0)
            continue;
        QList<QPair<QString, QString>> attributes = element.attributes;
        override(attributes, m_options.parameters);
        embeds->append(attributes);
    }
    return true;
}

bool HostSession::start(QString* error) {
    const QString path = m_options.plugin.isEmpty() ? defaultPluginPath() : m_options.plugin;
    if (!m_library.load(path, BrowserFunctions::table(), error)) {
        *error = QStringLiteral("cannot load %1: %2").arg(path, *error);
        return false;
    }
    HostOutput::line(QStringLiteral("plugin: %1").arg(m_library.name()));
    if (!m_library.handles(kKelvoType)) {
        *error = QStringLiteral("%1 does not show %2").arg(path, kKelvoType);
        return false;
    }
    QList<QList<QPair<QString, QString>>> embeds;
    if (!readEmbeds(&embeds, error))
        return false;
    HostOutput::line(QStringLiteral("embeds: %1").arg(embeds.size()));

    QList<QSize> sizes;
    for (const auto& attributes : embeds)
        sizes.append(embedSize(attributes));
    const QString title = m_options.page.isEmpty() ? QStringLiteral("npkelvo-host")
                                                   : QFileInfo(m_options.page).fileName();
    m_window = std::make_unique<HostWindow>(title, sizes);
    connect(m_window.get(), &HostWindow::closing, this, [this] { finish(0); });
    m_window->show();
    m_automation = std::make_unique<HostAutomation>(m_window.get());

    const QDir base =
        m_options.page.isEmpty() ? QDir::current() : QFileInfo(m_options.page).absoluteDir();
    for (qsizetype i = 0; i < embeds.size(); ++i) {
        auto instance = std::make_unique<HostInstance>(
            m_library.functions(), embeds[i], base, m_options.chunkSize, m_window->containers()[i]);
        connect(instance.get(), &HostInstance::becameIdle, this, &HostSession::checkLoaded);
        QString instanceError;
        if (!instance->create(&instanceError))
            HostOutput::line(QStringLiteral("embed %1: %2").arg(i + 1).arg(instanceError));
        m_instances.push_back(std::move(instance));
    }
    QTimer::singleShot(0, this, &HostSession::checkLoaded);
    QTimer::singleShot(kLoadTimeoutMs, this, [this] {
        if (!m_automationStarted) {
            HostOutput::line(QStringLiteral("timeout: the embeds did not finish loading"));
            runAutomation();
        }
    });
    return true;
}

void HostSession::checkLoaded() {
    for (const auto& instance : m_instances) {
        if (!instance->idle())
            return;
    }
    if (!m_automationStarted)
        QTimer::singleShot(kStepMs, this, &HostSession::runAutomation);
}

void HostSession::runAutomation() {
    if (m_automationStarted)
        return;
    m_automationStarted = true;
    HostOutput::line(QStringLiteral("loaded"));
    // One step every kStepMs, in this order.
    int steps = 0;
    const auto next = [&steps] { return ++steps * kStepMs; };
    for (const HostOptions::PointerAction& action : m_options.actions) {
        QTimer::singleShot(next(), this, [this, action] {
            if (action.kind == HostOptions::PointerAction::Hover)
                m_automation->hover(action.position);
            else
                m_automation->click(action.position);
        });
    }
    if (m_options.dump)
        QTimer::singleShot(next(), this, [this] { m_automation->dump(); });
    if (!m_options.screenshot.isEmpty()) {
        QTimer::singleShot(next(), this, [this] {
            const bool saved = m_automation->screenshot(m_options.screenshot);
            HostOutput::line(QStringLiteral("screenshot: %1 %2")
                                 .arg(m_options.screenshot,
                                      saved ? QStringLiteral("saved") : QStringLiteral("failed")));
        });
    }
    if (m_options.quit)
        QTimer::singleShot(next(), this, [this] { finish(0); });
}

void HostSession::finish(int exitCode) {
    m_automation.reset();
    m_instances.clear();
    // exit(), not quit(): quit() would first ask every window, the plug-ins' too, to close.
    QCoreApplication::exit(exitCode);
}
