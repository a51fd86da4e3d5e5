// What the main window's menus and tool bar hold: texts, shortcuts, icons and object names, in
// the order they appear. Texts are kept untranslated here; kelvoAppText() translates them in the
// context "KelvoAppBase", where the translation files hold them.
#pragma once

#include <QIcon>
#include <QString>

#include <vector>

struct KelvoMenuItemInfo {
    const char* text;     // nullptr for a separator
    const char* shortcut; // portable key text such as "Ctrl+O", or nullptr
    const char* icon;     // name for kelvoIcon(), or nullptr
};

struct KelvoMenuInfo {
    const char* title;
    // Empty for "&Image Dictionary", whose popup is built from the dictionary languages.
    std::vector<KelvoMenuItemInfo> items;
};

struct KelvoToolButtonInfo {
    const char* name;  // object name and icon name; nullptr for a separator
    const char* label; // text label, shown as the tool tip
    bool toggle;       // a toggle button rather than a push button
    bool exclusive;    // one of the two selection buttons, of which at most one is on
};

const std::vector<KelvoMenuInfo>& kelvoMenus();
const std::vector<KelvoToolButtonInfo>& kelvoToolButtons();

QString kelvoAppText(const char* text);
// A built-in icon by name ("open", "selectRect", "kelvo" ...) at 22 and 44 pixels; the program
// icon "kelvo" also at 64, 128 and 256 pixels. A null icon for an unknown name.
QIcon kelvoIcon(const QString& name);
