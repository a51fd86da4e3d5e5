#include "kelvoeditmenu.h"

#include "kelvoimgencodewidget.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QUndoGroup>
#include <QUndoStack>

namespace {

QString text(const char* source) {
    return QCoreApplication::translate("KelvoEditMenu", source);
}

} // namespace

void kelvoAddEditMenu(QMainWindow* window, QMdiArea* workspace) {
    auto* group = new QUndoGroup(window);
    auto* menu = new QMenu(text(QT_TRANSLATE_NOOP("KelvoEditMenu", "&Edit")), window);
    menu->setObjectName(QStringLiteral("Edit"));
    QAction* undo =
        group->createUndoAction(menu, text(QT_TRANSLATE_NOOP("KelvoEditMenu", "&Undo")));
    undo->setObjectName(QStringLiteral("Undo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo =
        group->createRedoAction(menu, text(QT_TRANSLATE_NOOP("KelvoEditMenu", "&Redo")));
    redo->setObjectName(QStringLiteral("Redo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    menu->addActions({undo, redo});
    const QList<QAction*> menus = window->menuBar()->actions();
    window->menuBar()->insertMenu(menus.size() > 1 ? menus.at(1) : nullptr, menu);

    QObject::connect(workspace, &QMdiArea::subWindowActivated, group, [group](QMdiSubWindow* sub) {
        auto* encoder = sub ? qobject_cast<KelvoImgEncodeWidget*>(sub->widget()) : nullptr;
        QUndoStack* stack = encoder ? encoder->undoStack() : nullptr;
        if (stack && !group->stacks().contains(stack)) {
            group->addStack(stack);
        }
        group->setActiveStack(stack);
    });
}
