#include "kelvoappactions.h"

#include <QCoreApplication>
#include <QFile>

// Outside any namespace, as the resource initialiser requires.
static void initIconResources() {
    Q_INIT_RESOURCE(kelvoicons);
}

namespace {

constexpr char kContext[] = "KelvoAppBase";

} // namespace

const std::vector<KelvoMenuInfo>& kelvoMenus() {
    static const std::vector<KelvoMenuInfo> menus = {
        {QT_TRANSLATE_NOOP("KelvoAppBase", "&File"),
         {{QT_TRANSLATE_NOOP("KelvoAppBase", "&Open"), "Ctrl+O", "open"},
          {QT_TRANSLATE_NOOP("KelvoAppBase", "&Save as"), "Ctrl+S", "saveAs"},
          {nullptr, nullptr, nullptr},
          {QT_TRANSLATE_NOOP("KelvoAppBase", "E&xit"), "Ctrl+Q", "exit"}}},
        {QT_TRANSLATE_NOOP("KelvoAppBase", "&View"),
         {{QT_TRANSLATE_NOOP("KelvoAppBase", "Overview Window"), nullptr, nullptr},
          {QT_TRANSLATE_NOOP("KelvoAppBase", "Add Data"), nullptr, nullptr},
          {nullptr, nullptr, nullptr},
          {QT_TRANSLATE_NOOP("KelvoAppBase", "&Generate HTML code"), nullptr, nullptr}}},
        {QT_TRANSLATE_NOOP("KelvoAppBase", "&Image Dictionary"), {}},
        {QT_TRANSLATE_NOOP("KelvoAppBase", "&Help"),
         {{QT_TRANSLATE_NOOP("KelvoAppBase", "Help"), "F1", nullptr},
          {nullptr, nullptr, nullptr},
          {QT_TRANSLATE_NOOP("KelvoAppBase", "About Kelvo"), "Ctrl+A", nullptr}}},
    };
    return menus;
}

const std::vector<KelvoToolButtonInfo>& kelvoToolButtons() {
    static const std::vector<KelvoToolButtonInfo> buttons = {
        {"erase", QT_TRANSLATE_NOOP("KelvoAppBase", "Erase encoded data from image"), false, false},
        {"showOutlines", QT_TRANSLATE_NOOP("KelvoAppBase", "Show coded image regions"), true,
         false},
        {nullptr, nullptr, false, false},
        {"selectRect", QT_TRANSLATE_NOOP("KelvoAppBase", "Select a rectangular image region"), true,
         true},
        {"selectPoly", QT_TRANSLATE_NOOP("KelvoAppBase", "Select any image region"), true, true},
        {nullptr, nullptr, false, false},
        {"insertTInfo", QT_TRANSLATE_NOOP("KelvoAppBase", "Insert text into selected image region"),
         false, false},
        {"insertDictEntry",
         QT_TRANSLATE_NOOP("KelvoAppBase", "Insert a dictionary entry into selected image region"),
         false, false},
        {"insertBInfo",
         QT_TRANSLATE_NOOP("KelvoAppBase", "Insert image into selected image region"), false,
         false},
        {nullptr, nullptr, false, false},
        {"buildImg", QT_TRANSLATE_NOOP("KelvoAppBase", "Generate the coded image"), false, false},
    };
    return buttons;
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
