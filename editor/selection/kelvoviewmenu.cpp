#include "kelvoviewmenu.h"

#include "kelvoimgwidget.h"

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

KelvoImgWidget* activePicture(const QMdiArea* workspace) {
    const QMdiSubWindow* sub = workspace->activeSubWindow();
    return sub ? qobject_cast<KelvoImgWidget*>(sub->widget()) : nullptr;
}

} // namespace

QMenu* KelvoViewMenu::add(QMainWindow* window, QMdiArea* workspace) {
    QMenu* menu = window->menuBar()->addMenu(tr("&View"));
    addZoomActions(menu, workspace);
    return menu;
}

void KelvoViewMenu::addZoomActions(QMenu* menu, QMdiArea* workspace) {
    using Slot = void (KelvoImgWidget::*)();
    struct Item {
        QString text;
        QList<QKeySequence> keys;
        Slot slot;
        const char* name;
    };
    const Item items[] = {
        // Ctrl+= is Ctrl++ without Shift on keyboards where + needs it.
        {tr("Zoom &In"),
         {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
         &KelvoImgWidget::zoomIn,
         "zoomIn"},
        {tr("Zoom O&ut"),
         {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
         &KelvoImgWidget::zoomOut,
         "zoomOut"},
        {tr("&Fit to Window"),
         {QKeySequence(Qt::CTRL | Qt::Key_0)},
         &KelvoImgWidget::fitToWindow,
         "fitToWindow"},
        {tr("Actual &Size"),
         {QKeySequence(Qt::CTRL | Qt::Key_1)},
         &KelvoImgWidget::actualSize,
         "actualSize"},
    };
    if (!menu->isEmpty()) {
        menu->addSeparator();
    }
    QList<QAction*> actions;
    for (const Item& item : items) {
        QAction* action = menu->addAction(item.text);
        action->setObjectName(QLatin1String(item.name));
        action->setShortcuts(item.keys);
        QObject::connect(action, &QAction::triggered, workspace, [workspace, slot = item.slot] {
            if (KelvoImgWidget* picture = activePicture(workspace)) {
                (picture->*slot)();
            }
        });
        actions << action;
    }
    const auto enable = [workspace, actions] {
        for (QAction* action : actions) {
            action->setEnabled(activePicture(workspace) != nullptr);
        }
    };
    QObject::connect(workspace, &QMdiArea::subWindowActivated, menu, enable);
    enable();
}
