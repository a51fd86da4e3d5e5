#include "kelvoicons.h"

#include <QPainter>

const std::vector<KelvoIconArt>& kelvoIcons() {
    static const std::vector<KelvoIconArt> icons = {
        {QStringLiteral("open"), paintOpenIcon},
        {QStringLiteral("saveAs"), paintSaveAsIcon},
        {QStringLiteral("exit"), paintExitIcon},
        {QStringLiteral("erase"), paintEraseIcon},
        {QStringLiteral("showOutlines"), paintShowOutlinesIcon},
        {QStringLiteral("selectRect"), paintSelectRectIcon},
        {QStringLiteral("selectPoly"), paintSelectPolyIcon},
        {QStringLiteral("insertTInfo"), paintInsertTextIcon},
        {QStringLiteral("insertDictEntry"), paintInsertDictEntryIcon},
        {QStringLiteral("insertBInfo"), paintInsertImageIcon},
        {QStringLiteral("buildImg"), paintBuildImageIcon},
        {QStringLiteral("kelvo"), paintProgramIcon},
    };
    return icons;
}

QImage renderIcon(const KelvoIconArt& icon, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 22.0, size / 22.0);
    icon.paint(p);
    return image;
}
