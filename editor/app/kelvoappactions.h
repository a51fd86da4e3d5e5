// What the main window's menus and tool bar hold: every action with its object name, text,
// tool tip, shortcut and icon; the menus in the order they appear; the tool bar. Texts are kept
// untranslated here; kelvoAppText() translates them in the context "KelvoApp".
#pragma once

#include <QIcon>
#include <QString>

#include <vector>

enum class KelvoAction {
    Open,
    SaveAs,
    Exit,
    Overview,
    AddData,
    GenerateHtml,
    SelectRect,
    SelectPoly,
    InsertText,
    InsertDictEntry,
    InsertImage,
    Generate,
    Erase,
    ShowOutlines,
    TileWindows,
    CascadeWindows,
    Help,
    About,
    // Places in a menu or the tool bar that are no single action.
    Separator,
    RecentFiles, // the "Open Recent" submenu
    WindowList,  // one item per open picture window
};

struct KelvoActionInfo {
    KelvoAction id;
    const char* name;     // object name; for tool-bar actions also the icon's name
    const char* text;     // menu text with its access key
    const char* toolTip;  // the tool bar's label, or nullptr off the tool bar
    const char* shortcut; // portable key text such as "Ctrl+O", or nullptr
    const char* icon;     // name for kelvoIcon(), or nullptr
    bool checkable;
};

enum class KelvoMenu { File, View, Tools, Dictionary, Window, Help };

struct KelvoMenuInfo {
    KelvoMenu id;
    const char* title;
    // Empty for the dictionary menu, which is built from the dictionary languages.
    std::vector<KelvoAction> items;
};

// The actions, one per KelvoAction before Separator, in the enum's order.
const std::vector<KelvoActionInfo>& kelvoActions();
const KelvoActionInfo& kelvoActionInfo(KelvoAction id);
const std::vector<KelvoMenuInfo>& kelvoMenus();
const std::vector<KelvoAction>& kelvoToolBar();

QString kelvoAppText(const char* text);
// A built-in icon by name ("open", "selectRect", "kelvo" ...) at 22 and 44 pixels; the program
// icon "kelvo" also at 64, 128 and 256 pixels. A null icon for an unknown name.
QIcon kelvoIcon(const QString& name);
