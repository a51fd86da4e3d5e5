// The main window's menus and tool bar, from the tables of kelvoappactions.
#include "kelvoappactions.h"
#include "kelvoappbase.h"
#include "kelvoconfig.h"
#include "kelvodecodehandler.h"
#include "kelvoviewmenu.h"
#include "kelvoxmllanguagefileparser.h"

#include <QAction>
#include <QActionGroup>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace {

using Slot = void (KelvoAppBase::*)();

// The slot of each menu item with one, by its text in the table.
const std::map<QString, Slot>& menuSlots() {
    static const std::map<QString, Slot> table = {
        {QStringLiteral("&Open"), &KelvoAppBase::open},
        {QStringLiteral("&Save as"), &KelvoAppBase::saveP},
        {QStringLiteral("Add Data"), &KelvoAppBase::switchToEncoder},
        {QStringLiteral("&Generate HTML code"), &KelvoAppBase::generateHtml},
        {QStringLiteral("Help"), &KelvoAppBase::help},
        {QStringLiteral("About Kelvo"), &KelvoAppBase::about},
    };
    return table;
}

const std::map<QString, Slot>& toolSlots() {
    static const std::map<QString, Slot> table = {
        {QStringLiteral("erase"), &KelvoAppBase::erase},
        {QStringLiteral("showOutlines"), &KelvoAppBase::showOutlines},
        {QStringLiteral("selectRect"), &KelvoAppBase::selectRect},
        {QStringLiteral("selectPoly"), &KelvoAppBase::selectPoly},
        {QStringLiteral("insertTInfo"), &KelvoAppBase::insertTInfo},
        {QStringLiteral("insertDictEntry"), &KelvoAppBase::insertDictEntry},
        {QStringLiteral("insertBInfo"), &KelvoAppBase::insertBInfo},
        {QStringLiteral("buildImg"), &KelvoAppBase::buildImg},
    };
    return table;
}

} // namespace

void KelvoAppBase::buildMenus() {
    for (const KelvoMenuInfo& info : kelvoMenus()) {
        if (info.items.empty()) {
            const KelvoXmlLanguageFileParser loadLanguageList;
            m_dictionary =
                buildDictionaryMenu(KelvoConfig::languages(), this, m_sourceGroup, m_targetGroup);
            m_dictionary->setTitle(kelvoAppText(info.title));
            m_dictionaryMenu = menuBar()->addMenu(m_dictionary);
            m_dictionaryMenu->setEnabled(false);
            continue;
        }
        QMenu* menu = menuBar()->addMenu(kelvoAppText(info.title));
        for (const KelvoMenuItemInfo& item : info.items) {
            if (!item.text) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(kelvoAppText(item.text));
            action->setObjectName(QString::fromLatin1(item.text).remove(QLatin1Char('&')));
            if (item.icon) {
                action->setIcon(kelvoIcon(QLatin1String(item.icon)));
            }
            if (item.shortcut) {
                action->setShortcut(QKeySequence(QLatin1String(item.shortcut)));
            }
            const QString text = QLatin1String(item.text);
            if (const auto slot = menuSlots().find(text); slot != menuSlots().end()) {
                connect(action, &QAction::triggered, this, slot->second);
            }
            if (text == QLatin1String("E&xit")) {
                // Through the windows' own close handling, which asks about ungenerated data.
                connect(action, &QAction::triggered, this, &QWidget::close);
            } else if (text == QLatin1String("&Save as")) {
                m_saveAs = action;
            } else if (text == QLatin1String("Overview Window")) {
                m_overview = action;
                action->setCheckable(true);
                connect(action, &QAction::toggled, this, &KelvoAppBase::showDataManager);
            } else if (text == QLatin1String("Add Data")) {
                m_addData = action;
            } else if (text == QLatin1String("&Generate HTML code")) {
                m_generateHtml = action;
            }
        }
        if (qstrcmp(info.title, "&View") == 0) {
            KelvoViewMenu::addZoomActions(menu, m_workspace);
        }
    }
    for (QAction* action : {m_saveAs, m_overview, m_addData, m_generateHtml}) {
        action->setEnabled(false);
    }
}

void KelvoAppBase::buildToolBar() {
    QToolBar* bar = addToolBar(tr("tools"));
    bar->setObjectName(QStringLiteral("tools"));
    m_selectionGroup = new QActionGroup(this);
    m_selectionGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const KelvoToolButtonInfo& info : kelvoToolButtons()) {
        if (!info.name) {
            bar->addSeparator();
            continue;
        }
        const QString name = QLatin1String(info.name);
        QAction* action = bar->addAction(kelvoIcon(name), kelvoAppText(info.label));
        action->setObjectName(name);
        action->setToolTip(kelvoAppText(info.label));
        action->setCheckable(info.toggle);
        action->setEnabled(false);
        if (info.exclusive) {
            m_selectionGroup->addAction(action);
        }
        bar->widgetForAction(action)->setObjectName(name);
        connect(action, &QAction::triggered, this, toolSlots().at(name));
        m_tools[name] = action;
    }
}
