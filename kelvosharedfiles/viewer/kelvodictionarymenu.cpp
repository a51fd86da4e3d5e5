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
                              const QList<TheS_Language>& languages, int selected) {
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
    popup->addMenu(submenu);
    return group;
}

QAction* addCheckItem(QMenu* popup, const QString& text, int id) {
    QAction* action = popup->addAction(text);
    action->setCheckable(true);
    action->setData(id);
    return action;
}

} // namespace

KelvoDictionaryMenu makeDictionaryMenu(const QList<TheS_Language>& languages, QWidget* owner) {
    KelvoDictionaryMenu built{};
    built.menu = new QMenu(owner);
    built.sourceGroup = addLanguageMenu(
        built.menu, QCoreApplication::translate("KelvoDictionaryMenu", "Translate from ..."),
        languages, kInitialSource);
    built.targetGroup = addLanguageMenu(
        built.menu, QCoreApplication::translate("KelvoDictionaryMenu", "Translate to ..."),
        languages, kInitialTarget);
    built.menu->addSeparator();
    built.showCodedWord = addCheckItem(
        built.menu, QCoreApplication::translate("KelvoDictionaryMenu", "Show coded word"),
        kShowCodedWordItem);
    built.showAmbiguities = addCheckItem(
        built.menu, QCoreApplication::translate("KelvoDictionaryMenu", "Show ambiguities"),
        kShowAmbiguitiesItem);
    return built;
}
