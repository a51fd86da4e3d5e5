#include "hostautomation.h"

#include "hostoutput.h"
#include "hostwindow.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QTextEdit>

namespace {

QString quoted(const QString& text) {
    QString flat = text;
    flat.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return QLatin1Char('"') + flat + QLatin1Char('"');
}

QString sizeText(QSize size) {
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

void dumpWidget(const QString& prefix, QWidget* top, QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (!label->text().isEmpty())
            HostOutput::line(prefix + QStringLiteral("label ") + quoted(label->text()));
    } else if (auto* bar = qobject_cast<QProgressBar*>(widget)) {
        // Hidden once loading ends, but still telling how it went.
        HostOutput::line(prefix + QStringLiteral("progress %1 ").arg(bar->value()) +
                         quoted(bar->text()) +
                         (bar->isVisibleTo(top) ? QString() : QStringLiteral(" (hidden)")));
    } else if (auto* text = qobject_cast<QTextEdit*>(widget)) {
        HostOutput::line(prefix + QStringLiteral("text ") + quoted(text->toPlainText()));
    } else if (QString::fromLatin1(widget->metaObject()->className())
                   .startsWith(QLatin1String("Kelvo"))) {
        const QPoint at = widget->mapTo(top, QPoint(0, 0));
        HostOutput::line(prefix + QStringLiteral("widget %1 %2,%3 %4")
                                      .arg(QLatin1String(widget->metaObject()->className()))
                                      .arg(at.x())
                                      .arg(at.y())
                                      .arg(sizeText(widget->size())));
    }
}

} // namespace

QWidget* HostAutomation::pluginWidgetIn(QWidget* container) {
    const QWindow* holder = container->windowHandle();
    const QWidgetList tops = QApplication::topLevelWidgets();
    for (QWidget* top : tops) {
        const QWindow* parent = top->windowHandle() ? top->windowHandle()->parent() : nullptr;
        if (parent && (parent == holder || parent->winId() == container->winId()))
            return top;
    }
    return nullptr;
}

void HostAutomation::send(QEvent::Type type, QPoint point, Qt::MouseButton button,
                          Qt::MouseButtons buttons) {
    QWindow* target = m_window->windowHandle();
    QPoint local = point;
    for (QWidget* container : m_window->containers()) {
        QWidget* plugin = pluginWidgetIn(container);
        const QPoint origin = container->mapTo(m_window, QPoint(0, 0));
        if (plugin && plugin->isVisible() && QRect(origin, plugin->size()).contains(point)) {
            target = plugin->windowHandle();
            local = point - origin;
        }
    }
    if (m_lastTarget && m_lastTarget != target) {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(m_lastTarget, &leave);
    }
    m_lastTarget = target;
    QMouseEvent event(type, local, m_window->mapToGlobal(point), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

void HostAutomation::hover(QPoint point) {
    send(QEvent::MouseMove, point, Qt::NoButton, Qt::NoButton);
}

void HostAutomation::click(QPoint point) {
    send(QEvent::MouseButtonPress, point, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton);
}

void HostAutomation::dump() const {
    const QList<QWidget*>& containers = m_window->containers();
    for (qsizetype i = 0; i < containers.size(); ++i) {
        const QString prefix = QStringLiteral("embed %1: ").arg(i + 1);
        QWidget* plugin = pluginWidgetIn(containers[i]);
        if (!plugin) {
            HostOutput::line(prefix + QStringLiteral("no window"));
            continue;
        }
        HostOutput::line(prefix + QStringLiteral("window %1 %2")
                                      .arg(QLatin1String(plugin->metaObject()->className()),
                                           sizeText(plugin->size())));
        const QList<QWidget*> widgets = plugin->findChildren<QWidget*>();
        for (QWidget* widget : widgets) {
            if (widget->isVisibleTo(plugin) || qobject_cast<QProgressBar*>(widget))
                dumpWidget(prefix, plugin, widget);
        }
    }
}

bool HostAutomation::screenshot(const QString& path) const {
    QPixmap shot = m_window->grab();
    QPainter painter(&shot);
    for (QWidget* container : m_window->containers()) {
        QWidget* plugin = pluginWidgetIn(container);
        if (plugin && plugin->isVisible())
            painter.drawPixmap(container->mapTo(m_window, QPoint(0, 0)), plugin->grab());
    }
    painter.end();
    return shot.save(path, "PNG");
}
