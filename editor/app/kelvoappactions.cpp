#include "kelvoappactions.h"

#include <QCoreApplication>
#include <QFile>

// Outside any namespace, as the resource initialiser requires.
static void initIconResources() {
    Q_INIT_RESOURCE(kelvoicons);
}

namespace {

constexpr char kContext[] = "KelvoApp";

} // namespace

const std::vector<KelvoActionInfo>& kelvoActions() {
    using A = KelvoAction;
    static const std::vector<KelvoActionInfo> actions = {
        {A::Open, "Open", QT_TRANSLATE_NOOP("KelvoApp", "&Open"), nullptr, "Ctrl+O", "open", false},
        {A::SaveAs, "Save as", QT_TRANSLATE_NOOP("KelvoApp", "&Save as"), nullptr, "Ctrl+S",
         "saveAs", false},
        {A::Exit, "Exit", QT_TRANSLATE_NOOP("KelvoApp", "E&xit"), nullptr, "Ctrl+Q", "exit", false},
        {A::Overview, "Overview Window", QT_TRANSLATE_NOOP("KelvoApp", "&Overview Window"), nullptr,
         nullptr, nullptr, true},
        {A::AddData, "Add Data", QT_TRANSLATE_NOOP("KelvoApp", "&Add Data"), nullptr, nullptr,
         nullptr, false},
        {A::GenerateHtml, "Generate HTML code",
         QT_TRANSLATE_NOOP("KelvoApp", "&Generate HTML code"), nullptr, nullptr, nullptr, false},
        {A::SelectRect, "selectRect", QT_TRANSLATE_NOOP("KelvoApp", "Select &Rectangle"),
         QT_TRANSLATE_NOOP("KelvoApp", "Select a rectangular image region"), "R", "selectRect",
         true},
        {A::SelectPoly, "selectPoly", QT_TRANSLATE_NOOP("KelvoApp", "Select &Freehand"),
         QT_TRANSLATE_NOOP("KelvoApp", "Select any image region"), "F", "selectPoly", true},
        {A::InsertText, "insertTInfo", QT_TRANSLATE_NOOP("KelvoApp", "Add &Text..."),
         QT_TRANSLATE_NOOP("KelvoApp", "Insert text into selected image region"), "Ctrl+T",
         "insertTInfo", false},
        {A::InsertDictEntry, "insertDictEntry",
         QT_TRANSLATE_NOOP("KelvoApp", "Add &Dictionary Entry..."),
         QT_TRANSLATE_NOOP("KelvoApp", "Insert a dictionary entry into selected image region"),
         "Ctrl+D", "insertDictEntry", false},
        {A::InsertImage, "insertBInfo", QT_TRANSLATE_NOOP("KelvoApp", "Add &Image..."),
         QT_TRANSLATE_NOOP("KelvoApp", "Insert image into selected image region"), "Ctrl+I",
         "insertBInfo", false},
        {A::Generate, "buildImg", QT_TRANSLATE_NOOP("KelvoApp", "&Generate the coded image"),
         QT_TRANSLATE_NOOP("KelvoApp", "Generate the coded image"), "Ctrl+G", "buildImg", false},
        {A::Erase, "erase", QT_TRANSLATE_NOOP("KelvoApp", "&Erase Coded Data..."),
         QT_TRANSLATE_NOOP("KelvoApp", "Erase encoded data from image"), "Ctrl+E", "erase", false},
        {A::ShowOutlines, "showOutlines", QT_TRANSLATE_NOOP("KelvoApp", "&Show Coded Regions"),
         QT_TRANSLATE_NOOP("KelvoApp", "Show coded image regions"), "Ctrl+R", "showOutlines", true},
        {A::TileWindows, "tileWindows", QT_TRANSLATE_NOOP("KelvoApp", "&Tile"), nullptr, nullptr,
         nullptr, false},
        {A::CascadeWindows, "cascadeWindows", QT_TRANSLATE_NOOP("KelvoApp", "&Cascade"), nullptr,
         nullptr, nullptr, false},
        {A::Help, "Help", QT_TRANSLATE_NOOP("KelvoApp", "Kelvo &Help"), nullptr, "F1", nullptr,
         false},
        {A::About, "About Kelvo", QT_TRANSLATE_NOOP("KelvoApp", "&About Kelvo"), nullptr, nullptr,
         nullptr, false},
    };
    return actions;
}

const KelvoActionInfo& kelvoActionInfo(KelvoAction id) {
    return kelvoActions().at(static_cast<size_t>(id));
}

const std::vector<KelvoMenuInfo>& kelvoMenus() {
    using A = KelvoAction;
    static const std::vector<KelvoMenuInfo> menus = {
        {KelvoMenu::File,
         QT_TRANSLATE_NOOP("KelvoApp", "&File"),
         {A::Open, A::RecentFiles, A::SaveAs, A::Separator, A::Exit}},
        {KelvoMenu::View,
         QT_TRANSLATE_NOOP("KelvoApp", "&View"),
         {A::Overview, A::AddData, A::Separator, A::GenerateHtml}},
        {KelvoMenu::Tools,
         QT_TRANSLATE_NOOP("KelvoApp", "&Tools"),
         {A::SelectRect, A::SelectPoly, A::Separator, A::InsertText, A::InsertDictEntry,
          A::InsertImage, A::Separator, A::Generate, A::Separator, A::Erase, A::ShowOutlines}},
        {KelvoMenu::Dictionary, QT_TRANSLATE_NOOP("KelvoApp", "&Image Dictionary"), {}},
        {KelvoMenu::Window,
         QT_TRANSLATE_NOOP("KelvoApp", "&Window"),
         {A::TileWindows, A::CascadeWindows, A::Separator, A::WindowList}},
        {KelvoMenu::Help,
         QT_TRANSLATE_NOOP("KelvoApp", "&Help"),
         {A::Help, A::Separator, A::About}},
    };
    return menus;
}

const std::vector<KelvoAction>& kelvoToolBar() {
    using A = KelvoAction;
    static const std::vector<KelvoAction> bar = {A::Erase,      A::ShowOutlines,    A::Separator,
                                                 A::SelectRect, A::SelectPoly,      A::Separator,
                                                 A::InsertText, A::InsertDictEntry, A::InsertImage,
                                                 A::Separator,  A::Generate};
    return bar;
}

QString kelvoAppText(const char* text) {
    return QCoreApplication::translate(kContext, text);
}

QIcon kelvoIcon(const QString& name) {
    static const bool initialised = (initIconResources(), true);
    Q_UNUSED(initialised);
    const QString base = QStringLiteral(":/icons/") + name;
    if (!QFile::exists(base + QStringLiteral(".png"))) {
        return {};
    }
    QIcon icon;
    // Sizes in the names, not "@2x", which would make QIcon take them for the 22 pixel icon
    // on high-resolution screens only.
    icon.addFile(base + QStringLiteral(".png"), QSize(22, 22));
    for (int size : {44, 64, 128, 256}) {
        const QString large = QStringLiteral(":/icons/%1-%2.png").arg(name).arg(size);
        if (QFile::exists(large)) {
            icon.addFile(large, QSize(size, size));
        }
    }
    return icon;
}
