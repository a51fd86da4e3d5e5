#include "kelvoappmenus.h"

#include "kelvoconfig.h"
#include "kelvoimgselectionwidget.h"
#include "kelvotranslationmenu.h"
#include "kelvoxmllanguagefileparser.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

KelvoAppMenus::KelvoAppMenus(QMainWindow* window) : QObject(window) {
    m_selectionGroup = new QActionGroup(this);
    m_selectionGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const KelvoActionInfo& info : kelvoActions()) {
        m_actions[info.id] = createAction(info);
    }
    buildMenus(window);
    buildToolBar(window);
    showNoWindow();
}

QAction* KelvoAppMenus::createAction(const KelvoActionInfo& info) {
    auto* action = new QAction(kelvoAppText(info.text), this);
    action->setObjectName(QLatin1String(info.name));
    action->setCheckable(info.checkable);
    if (info.shortcut) {
        action->setShortcut(QKeySequence(QLatin1String(info.shortcut)));
    }
    if (info.toolTip) {
        // The shortcut beside the label, so that the tool bar teaches it.
        const QString key = action->shortcut().toString(QKeySequence::NativeText);
        action->setToolTip(key.isEmpty()
                               ? kelvoAppText(info.toolTip)
                               : QStringLiteral("%1 (%2)").arg(kelvoAppText(info.toolTip), key));
    }
    if (info.icon) {
        action->setIcon(kelvoIcon(QLatin1String(info.icon)));
    }
    if (info.id == KelvoAction::SelectRect || info.id == KelvoAction::SelectPoly) {
        m_selectionGroup->addAction(action);
    }
    return action;
}

void KelvoAppMenus::buildMenus(QMainWindow* window) {
    for (const KelvoMenuInfo& info : kelvoMenus()) {
        if (info.id == KelvoMenu::Dictionary) {
            const KelvoXmlLanguageFileParser loadLanguageList;
            m_translation = new KelvoTranslationMenu(KelvoConfig::languages(), window);
            m_menus[info.id] = m_translation->menu();
            m_translation->menu()->setTitle(kelvoAppText(info.title));
            window->menuBar()->addMenu(m_translation->menu());
            continue;
        }
        QMenu* menu = window->menuBar()->addMenu(kelvoAppText(info.title));
        m_menus[info.id] = menu;
        for (KelvoAction id : info.items) {
            if (id == KelvoAction::Separator) {
                menu->addSeparator();
            } else if (id == KelvoAction::RecentFiles) {
                m_recentFiles =
                    menu->addMenu(kelvoAppText(QT_TRANSLATE_NOOP("KelvoApp", "Open &Recent")));
            } else if (id == KelvoAction::WindowList) {
                m_windowListStart = int(menu->actions().size());
            } else {
                menu->addAction(action(id));
            }
        }
    }
}

void KelvoAppMenus::buildToolBar(QMainWindow* window) {
    QToolBar* bar = window->addToolBar(kelvoAppText(QT_TRANSLATE_NOOP("KelvoApp", "tools")));
    bar->setObjectName(QStringLiteral("tools"));
    for (KelvoAction id : kelvoToolBar()) {
        if (id == KelvoAction::Separator) {
            bar->addSeparator();
            continue;
        }
        QAction* tool = action(id);
        bar->addAction(tool);
        bar->widgetForAction(tool)->setObjectName(tool->objectName());
    }
}

void KelvoAppMenus::setEnabled(std::initializer_list<KelvoAction> ids, bool enabled) {
    for (KelvoAction id : ids) {
        action(id)->setEnabled(enabled);
    }
}

void KelvoAppMenus::showSelectionState(bool selectionClosed, bool hasData) {
    setEnabled({KelvoAction::InsertText, KelvoAction::InsertDictEntry}, selectionClosed);
    action(KelvoAction::Generate)->setEnabled(hasData);
}

void KelvoAppMenus::showEncoderState(int mode, bool selectionClosed, bool hasData) {
    using A = KelvoAction;
    setEnabled(
        {A::SaveAs, A::GenerateHtml, A::Overview, A::SelectRect, A::SelectPoly, A::InsertImage},
        true);
    setEnabled({A::Erase, A::ShowOutlines, A::AddData}, false);
    m_menus.at(KelvoMenu::Dictionary)->menuAction()->setEnabled(false);
    showSelectionState(selectionClosed, hasData);
    action(A::ShowOutlines)->setChecked(false);
    action(A::SelectRect)->setChecked(mode == KelvoImgSelectionWidget::RectangleMode);
    action(A::SelectPoly)->setChecked(mode == KelvoImgSelectionWidget::FreehandMode);
}

void KelvoAppMenus::showViewerState(bool eraseEnabled, bool dictionaryAvailable) {
    using A = KelvoAction;
    setEnabled({A::SaveAs, A::GenerateHtml, A::ShowOutlines, A::AddData}, true);
    setEnabled({A::InsertText, A::InsertDictEntry, A::InsertImage, A::Generate, A::Overview,
                A::SelectRect, A::SelectPoly},
               false);
    action(A::Erase)->setEnabled(eraseEnabled);
    m_menus.at(KelvoMenu::Dictionary)->menuAction()->setEnabled(dictionaryAvailable);
    action(A::SelectRect)->setChecked(false);
    action(A::SelectPoly)->setChecked(false);
}

void KelvoAppMenus::showOutlinesState(bool enabled, bool on) {
    action(KelvoAction::ShowOutlines)->setEnabled(enabled);
    action(KelvoAction::ShowOutlines)->setChecked(on);
}

void KelvoAppMenus::showNoWindow() {
    using A = KelvoAction;
    setEnabled({A::SaveAs, A::GenerateHtml, A::Overview, A::AddData, A::Erase, A::ShowOutlines,
                A::SelectRect, A::SelectPoly, A::InsertText, A::InsertDictEntry, A::InsertImage,
                A::Generate},
               false);
    for (A id : {A::Overview, A::SelectRect, A::SelectPoly}) {
        action(id)->setChecked(false);
    }
    m_menus.at(KelvoMenu::Dictionary)->menuAction()->setEnabled(false);
}
