#include "kelvoregionmask.h"

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPen>

void kelvoPaintRegion(QImage& mask, const std::vector<QPolygon>& polygons, int number) {
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(kelvoMaskOutlineColour(number)), 1));
    painter.setBrush(QBrush(QColor(kelvoMaskFillColour(number))));
    for (const QPolygon& polygon : polygons) {
        painter.drawPolygon(polygon);
    }
}

QImage kelvoPaintRegionMask(const QSize& size, const KelvoRegionMap& regions) {
    QImage mask(size, QImage::Format_RGB32);
    mask.fill(Qt::white);
    for (const auto& [number, region] : regions) {
        kelvoPaintRegion(mask, region.polygons, number);
    }
    return mask;
}
