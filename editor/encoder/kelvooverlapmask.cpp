#include "kelvooverlapmask.h"

#include <QPainter>

#include <cstring>

KelvoOverlapMask::KelvoOverlapMask(QSize size) : m_pixels(size, QImage::Format_Grayscale8) {
    m_pixels.fill(0);
}

KelvoOverlapMask KelvoOverlapMask::fromIdImage(const QImage& idImage) {
    const QImage indices = idImage.format() == QImage::Format_Indexed8
                               ? idImage
                               : idImage.convertToFormat(QImage::Format_Indexed8);
    KelvoOverlapMask mask(indices.size());
    for (int y = 0; y < indices.height(); ++y) {
        const uchar* in = indices.constScanLine(y);
        uchar* out = mask.m_pixels.scanLine(y);
        for (int x = 0; x < indices.width(); ++x) {
            out[x] = in[x] ? 255 : 0;
        }
    }
    return mask;
}

void KelvoOverlapMask::add(const QPolygon& outline) {
    add(std::vector<QPolygon>{outline});
}

void KelvoOverlapMask::add(const std::vector<QPolygon>& outlines) {
    QPainter painter(&m_pixels);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::white);
    for (const QPolygon& outline : outlines) {
        painter.drawPolygon(outline);
    }
}

bool KelvoOverlapMask::isCovered(QPoint pixel) const {
    return m_pixels.valid(pixel) && m_pixels.constScanLine(pixel.y())[pixel.x()] != 0;
}

bool KelvoOverlapMask::disjoint(const KelvoOverlapMask& a, const KelvoOverlapMask& b) {
    if (a.size() != b.size()) {
        return false;
    }
    const int width = a.m_pixels.width();
    for (int y = 0; y < a.m_pixels.height(); ++y) {
        const uchar* p = a.m_pixels.constScanLine(y);
        const uchar* q = b.m_pixels.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            if (p[x] & q[x]) {
                return false;
            }
        }
    }
    return true;
}
