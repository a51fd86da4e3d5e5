// Tool-bar icons. The three "insert" icons share a green plus badge; the two selection icons
// share the dashed outline and light fill of a selection.
#include "kelvoartkit.h"
#include "kelvoicons.h"

#include <QPainterPath>

using namespace KelvoArt;

namespace {

const QColor selectionFill(0x3b, 0x7d, 0xd8, 70);

void paintPlusBadge(QPainter& p) {
    p.setBrush(green);
    p.setPen(line(paper, 1.0));
    p.drawEllipse(QPointF(16.5, 16.5), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(paper);
    p.drawRect(QRectF(14, 16, 5, 1));
    p.drawRect(QRectF(16, 14, 1, 5));
}

// Marching ants: a white line under dark dashes.
void paintSelectionOutline(QPainter& p, const QPainterPath& outline) {
    fillShape(p, outline, selectionFill, paper);
    QPen dashes(ink, 1.0, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    dashes.setDashPattern({2, 2});
    p.setBrush(Qt::NoBrush);
    p.setPen(dashes);
    p.drawPath(outline);
}

// A small landscape in the frame `r`: sky, sun and hills.
void paintLandscape(QPainter& p, const QRectF& r, const QColor& skyColour, const QColor& hillColour,
                    const QColor& sunColour) {
    fillShape(p, r, skyColour, Qt::transparent);
    p.save();
    p.setClipRect(r);
    p.setBrush(sunColour);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(r.right() - 4.5, r.top() + 4), 2, 2);
    const qreal b = r.bottom();
    const qreal l = r.left();
    fillShape(p,
              polygonPath({{l, b},
                           {l, b - 2},
                           {l + 5.5, b - 8},
                           {l + 10, b - 3.5},
                           {l + 12.5, b - 6},
                           {r.right(), b - 1},
                           {r.right(), b}}),
              hillColour, Qt::transparent);
    p.restore();
}

} // namespace

void paintEraseIcon(QPainter& p) {
    p.setPen(line(grey, 1.0));
    p.drawLine(QPointF(9.5, 19.5), QPointF(20.5, 19.5));
    p.save();
    p.translate(11, 11.5);
    p.rotate(-45);
    QPainterPath body;
    body.addRoundedRect(QRectF(-8.5, -4, 17, 8), 1.5, 1.5);
    fillShape(p, body, blue, Qt::transparent);
    p.save();
    p.setClipRect(QRectF(-9, -5, 7.5, 10));
    fillShape(p, body, pink, Qt::transparent);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(line(ink, 1.0));
    p.drawPath(body);
    p.drawLine(QPointF(-1.5, -4), QPointF(-1.5, 4));
    p.restore();
    p.setPen(line(grey, 1.0));
    p.drawLine(QPointF(2.5, 19.5), QPointF(6.5, 19.5));
}

void paintShowOutlinesIcon(QPainter& p) {
    const QRectF frame(2, 3, 18, 16);
    paintLandscape(p, frame, QColor(0xdc, 0xeb, 0xfa), QColor(0xcd, 0xe6, 0xd0),
                   QColor(0xfb, 0xe8, 0xb8));
    p.setBrush(Qt::NoBrush);
    p.setPen(line(grey));
    p.drawRect(frame.adjusted(0.5, 0.5, -0.5, -0.5));
    const QPainterPath house =
        polygonPath({{4.5, 10.5}, {8, 6.5}, {11.5, 10.5}, {11.5, 16.5}, {4.5, 16.5}});
    QPainterPath round;
    round.addEllipse(QPointF(15, 12), 3, 3.5);
    for (const QPainterPath& region : {house, round}) {
        p.setPen(line(paper, 3.0));
        p.drawPath(region);
        p.setPen(line(orange, 1.5));
        p.drawPath(region);
    }
}

void paintSelectRectIcon(QPainter& p) {
    QPainterPath outline;
    outline.addRect(QRectF(3.5, 4.5, 15, 13));
    paintSelectionOutline(p, outline);
    p.setPen(Qt::NoPen);
    p.setBrush(blueDark);
    for (const QPointF& corner :
         {QPointF(3.5, 4.5), QPointF(18.5, 4.5), QPointF(3.5, 17.5), QPointF(18.5, 17.5)}) {
        p.drawRect(QRectF(corner - QPointF(1.5, 1.5), QSizeF(3, 3)));
    }
}

void paintSelectPolyIcon(QPainter& p) {
    QPainterPath loop(QPointF(3.5, 8.5));
    loop.cubicTo(3, 3.5, 11, 2, 15, 3);
    loop.cubicTo(20.5, 4.5, 21, 9.5, 17.5, 12);
    loop.cubicTo(14.5, 14, 8.5, 14.5, 5.5, 12.5);
    loop.cubicTo(4.3, 11.6, 3.7, 10.2, 3.5, 8.5);
    paintSelectionOutline(p, loop);
    const QColor rope(0x8a, 0x5a, 0x2b);
    QPainterPath tail(QPointF(6, 13));
    tail.cubicTo(4.5, 16, 9, 17, 6.5, 20.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(line(rope, 1.5));
    p.drawPath(tail);
    p.setBrush(rope);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(6, 13), 1.6, 1.6);
}

void paintInsertTextIcon(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(blueDark);
    p.drawRect(QRectF(2, 2, 13, 3));
    p.drawRect(QRectF(7, 5, 3, 12));
    p.drawRect(QRectF(5, 16, 7, 2));
    p.drawRect(QRectF(2, 5, 1.5, 1.5));
    p.drawRect(QRectF(13.5, 5, 1.5, 1.5));
    paintPlusBadge(p);
}

void paintInsertDictEntryIcon(QPainter& p) {
    fillShape(
        p, polygonPath({{1, 5}, {1, 18.5}, {8, 17.5}, {11, 19.5}, {14, 17.5}, {21, 18.5}, {21, 5}}),
        blue, blueDark);
    QPainterPath left(QPointF(11, 5.5));
    left.cubicTo(8.5, 3.5, 5, 3.5, 2.5, 4.5);
    left.lineTo(2.5, 16.5);
    left.cubicTo(5, 15.5, 8.5, 15.5, 11, 17.5);
    left.closeSubpath();
    QPainterPath right(QPointF(11, 5.5));
    right.cubicTo(13.5, 3.5, 17, 3.5, 19.5, 4.5);
    right.lineTo(19.5, 16.5);
    right.cubicTo(17, 15.5, 13.5, 15.5, 11, 17.5);
    right.closeSubpath();
    fillShape(p, left, paper, blueDark);
    fillShape(p, right, paper, blueDark);
    p.setPen(line(grey, 1.0));
    for (qreal y : {7.5, 9.5, 11.5, 13.5}) {
        p.drawLine(QPointF(4.5, y), QPointF(8.5, y));
    }
    for (qreal y : {7.5, 9.5}) {
        p.drawLine(QPointF(13.5, y), QPointF(17.5, y));
    }
    paintPlusBadge(p);
}

void paintInsertImageIcon(QPainter& p) {
    const QRectF frame(1, 3, 18, 14);
    paintLandscape(p, frame, sky, hill, sun);
    p.setBrush(Qt::NoBrush);
    p.setPen(line(blueDark));
    p.drawRect(frame.adjusted(0.5, 0.5, -0.5, -0.5));
    paintPlusBadge(p);
}

void paintBuildImageIcon(QPainter& p) {
    // The picture's pixels, some of them carrying bits ...
    static constexpr int bits[4][4] = {{1, 0, 1, 1}, {0, 1, 1, 0}, {1, 1, 0, 1}, {0, 1, 0, 0}};
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            p.setBrush(bits[row][column] ? blue : blueLight);
            p.drawRect(QRectF(1 + column * 4, 1 + row * 4, 3, 3));
        }
    }
    // ... and the gear that codes them.
    QPainterPath gear;
    gear.setFillRule(Qt::WindingFill);
    const QPointF centre(15, 15);
    constexpr int teeth = 6;
    for (int n = 0; n < teeth; ++n) {
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(-1.8, -7, 3.6, 3.5), 0.6, 0.6);
        QTransform turn;
        turn.translate(centre.x(), centre.y());
        turn.rotate(n * 360.0 / teeth);
        gear.addPath(turn.map(tooth));
    }
    gear.addEllipse(centre, 5, 5);
    gear = gear.simplified();
    QPainterPath hole;
    hole.addEllipse(centre, 2, 2);
    fillShape(p, gear.subtracted(hole), orange, Qt::transparent);
    p.setBrush(Qt::NoBrush);
    p.setPen(line(orangeDark, 1.0));
    p.drawEllipse(centre, 2.5, 2.5);
}
