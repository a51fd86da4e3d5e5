#include "kelvodecodehandler.h"

#include <QAction>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QRadioButton>
#include <QWidgetAction>

namespace {

constexpr int kInitialSource = 3;
constexpr int kInitialTarget = 0;
constexpr int kShowCodedWordItem = 3;
constexpr int kShowAmbiguitiesItem = 4;

// A submenu of radio buttons, one per language, in an exclusive group whose ids are the
// language indices; `selected` starts checked when the list has it.
QButtonGroup* addLanguageMenu(QMenu* popup, const QString& title,
                              const QList<TheS_Language>& languages, int selected,
                              QWidget* receiver, const std::function<void(int)>& handler) {
    auto* submenu = new QMenu(title, popup);
    auto* group = new QButtonGroup(submenu);
    group->setExclusive(true);
    for (qsizetype i = 0; i < languages.size(); ++i) {
        auto* button = new QRadioButton(languages[i].name, submenu);
        auto* action = new QWidgetAction(submenu);
        action->setDefaultWidget(button);
        submenu->addAction(action);
        group->addButton(button, static_cast<int>(i));
    }
    if (QAbstractButton* button = group->button(selected)) {
        button->setChecked(true);
    }
    if (handler) {
        QObject::connect(group, &QButtonGroup::idClicked, receiver, handler);
    }
    popup->addMenu(submenu);
    return group;
}

void addCheckItem(QMenu* popup, const QString& text, int id, QWidget* receiver,
                  const std::function<void()>& handler) {
    QAction* action = popup->addAction(text);
    action->setCheckable(true);
    action->setData(id);
    if (handler) {
        QObject::connect(action, &QAction::triggered, receiver, handler);
    }
}

} // namespace

QMenu* buildDictionaryMenu(const QList<TheS_Language>& languages, QWidget* receiver,
                           const KelvoDictionaryMenuHandlers& handlers, QButtonGroup*& sourceGroup,
                           QButtonGroup*& targetGroup) {
    auto* popup = new QMenu(receiver);
    sourceGroup = addLanguageMenu(
        popup, QCoreApplication::translate("KelvoDictionaryMenu", "Translate from ..."), languages,
        kInitialSource, receiver, handlers.translFrom);
    targetGroup = addLanguageMenu(
        popup, QCoreApplication::translate("KelvoDictionaryMenu", "Translate to ..."), languages,
        kInitialTarget, receiver, handlers.translTo);
    popup->addSeparator();
    addCheckItem(popup, QCoreApplication::translate("KelvoDictionaryMenu", "Show coded word"),
                 kShowCodedWordItem, receiver, handlers.showCodedDictItem);
    addCheckItem(popup, QCoreApplication::translate("KelvoDictionaryMenu", "Show ambiguities"),
                 kShowAmbiguitiesItem, receiver, handlers.showSecEntries);
    return popup;
}
