// The editor's icons: each one a painting in a 22 by 22 unit square, rendered at any size.
// Shapes meant to look sharp lie on whole units (fills) or half units (one-unit lines), so
// they fall on pixel edges at 22 and 44 pixels.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

class QPainter;

struct KelvoIconArt {
    QString name;             // file name without extension, e.g. "selectRect"
    void (*paint)(QPainter&); // draws into the 22 by 22 unit square
};

// The menu icons, the tool-bar icons and the program icon "kelvo", in menu and tool-bar order.
const std::vector<KelvoIconArt>& kelvoIcons();

QImage renderIcon(const KelvoIconArt& icon, int size);

// Menu icons and the program icon (kelvofileicons.cpp).
void paintOpenIcon(QPainter& p);
void paintSaveAsIcon(QPainter& p);
void paintExitIcon(QPainter& p);
void paintProgramIcon(QPainter& p);

// Tool-bar icons (kelvotoolicons.cpp).
void paintEraseIcon(QPainter& p);
void paintShowOutlinesIcon(QPainter& p);
void paintSelectRectIcon(QPainter& p);
void paintSelectPolyIcon(QPainter& p);
void paintInsertTextIcon(QPainter& p);
void paintInsertDictEntryIcon(QPainter& p);
void paintInsertImageIcon(QPainter& p);
void paintBuildImageIcon(QPainter& p);
