#include "kelvoworkspace.h"

#include "kelvoappviewerwidget.h"
#include "kelvoimgencodewidget.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>

KelvoWorkspace::KelvoWorkspace(QWidget* parent) : QMdiArea(parent) {
    setObjectName(QStringLiteral("workspace"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

KelvoImgWidget* KelvoWorkspace::activeImageWindow() const {
    const QMdiSubWindow* sub = currentSubWindow();
    return sub ? qobject_cast<KelvoImgWidget*>(sub->widget()) : nullptr;
}

KelvoImgEncodeWidget* KelvoWorkspace::activeEncoder() const {
    return qobject_cast<KelvoImgEncodeWidget*>(activeImageWindow());
}

KelvoAppViewerWidget* KelvoWorkspace::activeViewer() const {
    return qobject_cast<KelvoAppViewerWidget*>(activeImageWindow());
}

QList<KelvoImgWidget*> KelvoWorkspace::imageWindows() const {
    QList<KelvoImgWidget*> windows;
    for (const QMdiSubWindow* sub : subWindowList(QMdiArea::CreationOrder)) {
        if (auto* window = qobject_cast<KelvoImgWidget*>(sub->widget())) {
            windows << window;
        }
    }
    return windows;
}

QString KelvoWorkspace::nextWindowName() const {
    return QStringLiteral("_IMG_WIDGET_%1").arg(m_windowCounter);
}

void KelvoWorkspace::restartNamesWhenEmpty() {
    if (subWindowList().isEmpty()) {
        m_windowCounter = 0;
    }
}

void KelvoWorkspace::addWindow(KelvoImgWidget* window) {
    ++m_windowCounter;
    // A copied window asks for the size of the window it was copied from; tiled windows must
    // be free to be smaller.
    window->setMinimumSize(QSize(KelvoImgWidget::kMinimumSide, KelvoImgWidget::kMinimumSide)
                               .boundedTo(window->picture().size()));
    QMdiSubWindow* sub = addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(parentWidget() ? parentWidget()->windowIcon() : QIcon());
    updateTitle(window);
    sub->show();
    setActiveSubWindow(sub);
    arrange();
}

void KelvoWorkspace::discardWindow(KelvoImgWidget* window) {
    auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    if (!sub) {
        window->deleteLater();
        return;
    }
    sub->hide();
    removeSubWindow(sub);
    sub->deleteLater();
    arrange();
}

void KelvoWorkspace::updateTitle(KelvoImgWidget* window) {
    auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    if (!sub) {
        return;
    }
    sub->setWindowTitle(window->fileName() + QStringLiteral("[*]"));
    const auto* encoder = qobject_cast<const KelvoImgEncodeWidget*>(window);
    sub->setWindowModified(window->isModified() || (encoder && !encoder->regions().empty()));
}

void KelvoWorkspace::arrange() {
    const QList<QMdiSubWindow*> windows = subWindowList();
    if (windows.size() == 1) {
        windows.first()->showMaximized();
    } else if (windows.size() > 1) {
        tileSubWindows();
    }
}

void KelvoWorkspace::listWindows(QMenu* menu, int start) {
    const QList<QAction*> items = menu->actions();
    for (qsizetype i = start; i < items.size(); ++i) {
        delete items[i];
    }
    int number = 0;
    for (QMdiSubWindow* sub : subWindowList(QMdiArea::CreationOrder)) {
        ++number;
        // Access keys 1 to 9 for the first nine windows.
        const QString prefix = number < 10 ? QStringLiteral("&%1 ").arg(number) : QString();
        const QPointer<QMdiSubWindow> target(sub);
        QAction* item = menu->addAction(prefix + sub->windowTitle().remove(QStringLiteral("[*]")),
                                        this, [this, target] {
                                            if (target) {
                                                setActiveSubWindow(target);
                                            }
                                        });
        item->setCheckable(true);
        item->setChecked(sub == currentSubWindow());
    }
}
