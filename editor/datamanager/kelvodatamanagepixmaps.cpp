#include "kelvodatamanagepixmaps.h"

#include <QPainter>
#include <QPainterPath>

namespace {

QPixmap eyeWithIris(const QColor& iris) {
    QPixmap pixmap(20, 14);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath lids(QPointF(1, 7));
    lids.quadTo(10, -3, 19, 7);
    lids.quadTo(10, 17, 1, 7);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(Qt::white);
    painter.drawPath(lids);
    painter.setPen(Qt::NoPen);
    painter.setBrush(iris);
    painter.drawEllipse(QPointF(10, 7), 3.5, 3.5);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(10, 7), 1.5, 1.5);
    return pixmap;
}

} // namespace

QPixmap KelvoDataManagePixmaps::eye() {
    return eyeWithIris(QColor(110, 80, 40));
}

QPixmap KelvoDataManagePixmaps::selectedEye() {
    return eyeWithIris(QColor(30, 60, 220));
}

QPixmap KelvoDataManagePixmaps::deleteCross() {
    QPixmap pixmap(11, 11);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(200, 20, 20), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(2, 2), QPointF(9, 9));
    painter.drawLine(QPointF(9, 2), QPointF(2, 9));
    return pixmap;
}
