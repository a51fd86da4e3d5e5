// The main window's actions in its menu bar and tool bar, built from the tables of
// kelvoappactions, and which of them the active window allows. The menus are File, View,
// Tools, Image Dictionary, Window and Help; an Edit menu belongs after File.
#pragma once

#include "kelvoappactions.h"

#include <QObject>

#include <initializer_list>
#include <map>

class KelvoTranslationMenu;
class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;

class KelvoAppMenus : public QObject {
    Q_OBJECT
public:
    explicit KelvoAppMenus(QMainWindow* window);

    QAction* action(KelvoAction id) const { return m_actions.at(id); }
    QMenu* menu(KelvoMenu id) const { return m_menus.at(id); }
    QMenu* recentFilesMenu() const { return m_recentFiles; }
    // The Window menu's items from this index on list the open windows.
    int windowListStart() const { return m_windowListStart; }
    KelvoTranslationMenu* translation() const { return m_translation; }

    // The active window is an encoder in selection `mode` ...
    void showEncoderState(int mode, bool selectionClosed, bool hasData);
    // ... whose selection or data changed.
    void showSelectionState(bool selectionClosed, bool hasData);
    // The active window is a viewer.
    void showViewerState(bool eraseEnabled, bool dictionaryAvailable);
    void showOutlinesState(bool enabled, bool on);
    // No picture window is open.
    void showNoWindow();

private:
    void buildMenus(QMainWindow* window);
    void buildToolBar(QMainWindow* window);
    QAction* createAction(const KelvoActionInfo& info);
    void setEnabled(std::initializer_list<KelvoAction> ids, bool enabled);

    std::map<KelvoAction, QAction*> m_actions;
    std::map<KelvoMenu, QMenu*> m_menus;
    QActionGroup* m_selectionGroup = nullptr;
    QMenu* m_recentFiles = nullptr;
    int m_windowListStart = 0;
    KelvoTranslationMenu* m_translation = nullptr;
};
