// Menu icons and the program icon.
#include "kelvoartkit.h"
#include "kelvoicons.h"

#include <QLinearGradient>
#include <QPainterPath>

using namespace KelvoArt;

namespace {

// A pencil lying from its tip at `tip` towards the upper right.
void paintPencil(QPainter& p, QPointF tip) {
    p.save();
    p.translate(tip);
    p.rotate(-45);
    fillShape(p, polygonPath({{0, 0}, {3.5, -1.8}, {3.5, 1.8}}), QColor(0xf3, 0xd2, 0xa2), ink,
              0.8);
    fillShape(p, polygonPath({{0, 0}, {1.3, -0.7}, {1.3, 0.7}}), ink, Qt::transparent);
    fillShape(p, QRectF(3.5, -1.8, 7, 3.6), orange, ink, 0.8);
    fillShape(p, QRectF(10.5, -1.8, 2.2, 3.6), pink, ink, 0.8);
    p.restore();
}

} // namespace

void paintOpenIcon(QPainter& p) {
    fillShape(
        p, polygonPath({{2.5, 4.5}, {8, 4.5}, {9.5, 6.5}, {17.5, 6.5}, {17.5, 17.5}, {2.5, 17.5}}),
        amberDark, amberDark);
    fillShape(p, QRectF(5.5, 8.5, 10, 6), paper, grey);
    fillShape(p, polygonPath({{5.5, 10.5}, {20.5, 10.5}, {17.5, 17.5}, {2.5, 17.5}}), amber,
              amberDark);
}

void paintSaveAsIcon(QPainter& p) {
    fillShape(p, polygonPath({{2.5, 2.5}, {14, 2.5}, {17.5, 6}, {17.5, 17.5}, {2.5, 17.5}}), blue,
              blueDark);
    fillShape(p, QRectF(5.5, 2.5, 8, 5), blueLight, blueDark);
    fillShape(p, QRectF(10.5, 3.5, 1.5, 3), blueDark, Qt::transparent);
    fillShape(p, QRectF(5.5, 10.5, 9, 7), paper, blueDark);
    p.setPen(line(blueLight));
    p.drawLine(QPointF(7.5, 12.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(7.5, 14.5), QPointF(12.5, 14.5));
    paintPencil(p, {11.5, 20.5});
}

void paintExitIcon(QPainter& p) {
    fillShape(p, QRectF(4, 4, 8, 14), QColor(0xe3, 0xe8, 0xef), Qt::transparent);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPolyline(QPolygonF({{12, 6}, {12, 3}, {3, 3}, {3, 19}, {12, 19}, {12, 16}}));
    fillShape(p, QRectF(8, 10, 7, 2), red, Qt::transparent);
    fillShape(p, polygonPath({{14, 6}, {20, 11}, {14, 16}}), red, red, 0.6);
}

void paintProgramIcon(QPainter& p) {
    QLinearGradient tile(0, 1, 0, 21);
    tile.setColorAt(0, QColor(0x4a, 0x8f, 0xe7));
    tile.setColorAt(1, navy);
    p.setBrush(tile);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(1, 1, 20, 20), 4.5, 4.5);

    // A picture with a landscape ...
    QPainterPath card;
    card.addRoundedRect(QRectF(3.5, 7.5, 12, 10), 1.2, 1.2);
    fillShape(p, card, sky, paper, 1.0);
    p.save();
    p.setClipPath(card);
    fillShape(p, polygonPath({{3, 18}, {7.5, 12}, {10.5, 15}, {12.5, 13}, {16, 18}}), hill,
              Qt::transparent);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(line(paper, 1.0));
    p.drawPath(card);

    // ... and the note hidden in it, a speech bubble.
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(10.5, 3, 9, 6.5), 3, 3);
    bubble.moveTo(13, 9);
    bubble.lineTo(12, 12);
    bubble.lineTo(15.5, 9);
    bubble = bubble.simplified();
    fillShape(p, bubble, paper, Qt::transparent);
    p.setBrush(orange);
    p.setPen(Qt::NoPen);
    for (qreal x : {12.9, 15.0, 17.1}) {
        p.drawEllipse(QPointF(x, 6.25), 0.85, 0.85);
    }
}
