// The region mask: a picture on which every region's polygons are painted in colours derived
// from its region number n, from which the codec's id buffer finds interiors and outlines.
//
//   background  white (255, 255, 255)
//   outline     pen (255, n, 0), 1 pixel wide
//   interior    brush (n, 255, 0)
//
// Painting is not antialiased, so every pixel is exactly one of these colours.
#pragma once

#include "kelvogeneratorregion.h"

#include <QImage>
#include <QPolygon>
#include <QRgb>
#include <QSize>

#include <vector>

inline QRgb kelvoMaskFillColour(int number) {
    return qRgb(number, 255, 0);
}
inline QRgb kelvoMaskOutlineColour(int number) {
    return qRgb(255, number, 0);
}

// Paints `polygons` on `mask` in the colours of region `number`.
void kelvoPaintRegion(QImage& mask, const std::vector<QPolygon>& polygons, int number);

// A white Format_RGB32 mask of `size` with every region of `regions` painted in ascending
// region number.
QImage kelvoPaintRegionMask(const QSize& size, const KelvoRegionMap& regions);
