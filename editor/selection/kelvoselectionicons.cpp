#include "kelvoselectionicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace {

constexpr int kSide = 22;

QIcon drawn(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return QIcon(pixmap);
}

QPen dotted() {
    return QPen(Qt::black, 1.5, Qt::DotLine);
}

} // namespace

QIcon KelvoSelectionIcons::rectangle() {
    return drawn([](QPainter& p) {
        p.setPen(dotted());
        p.drawRect(QRectF(3.5, 5.5, 15, 11));
    });
}

QIcon KelvoSelectionIcons::freehand() {
    return drawn([](QPainter& p) {
        QPainterPath path(QPointF(4, 12));
        path.cubicTo(2, 2, 16, 1, 18, 8);
        path.cubicTo(20, 15, 12, 13, 10, 19);
        path.cubicTo(8, 21, 5, 17, 4, 12);
        p.setPen(dotted());
        p.drawPath(path);
    });
}

QIcon KelvoSelectionIcons::background() {
    return drawn([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 40, 40));
        p.drawEllipse(QRectF(6, 6, 10, 10));
        p.setBrush(Qt::NoBrush);
        p.setPen(dotted());
        p.drawEllipse(QRectF(3.5, 3.5, 15, 15));
        // The click on the background.
        p.setPen(QPen(Qt::red, 1.5));
        p.drawLine(QPointF(17, 19), QPointF(21, 19));
        p.drawLine(QPointF(19, 17), QPointF(19, 21));
    });
}

QIcon KelvoSelectionIcons::grab() {
    return drawn([](QPainter& p) {
        p.setPen(dotted());
        p.drawRect(QRectF(2.5, 2.5, 11, 11));
        p.setPen(QPen(Qt::darkBlue, 2));
        p.drawLine(QPointF(10, 10), QPointF(19, 19));
        p.drawLine(QPointF(19, 19), QPointF(19, 13));
        p.drawLine(QPointF(19, 19), QPointF(13, 19));
    });
}
