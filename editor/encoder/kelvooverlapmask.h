// Masks of the picture's size that tell which pixels regions cover, so that the encoder can keep
// regions from sharing pixels. Outlines are filled as the generator paints its region mask, so a
// pixel counts as covered here exactly when the region will own it.
#pragma once

#include <QImage>
#include <QPolygon>
#include <QSize>

#include <vector>

class KelvoOverlapMask {
public:
    explicit KelvoOverlapMask(QSize size);
    // Covers the pixels whose index in `idImage` (8-bit indexed) is not 0: the regions of an
    // already coded picture.
    static KelvoOverlapMask fromIdImage(const QImage& idImage);

    void add(const QPolygon& outline);
    void add(const std::vector<QPolygon>& outlines);
    QSize size() const { return m_pixels.size(); }
    bool isCovered(QPoint pixel) const;

    // False when the sizes differ or some pixel is covered in both.
    static bool disjoint(const KelvoOverlapMask& a, const KelvoOverlapMask& b);

private:
    QImage m_pixels; // grey: 0 free, 255 covered
};
