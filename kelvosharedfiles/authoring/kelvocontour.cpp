#include "kelvocontour.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

constexpr uint32_t kRgbMask = 0x00FFFFFF;

// What the walk knows about each pixel.
enum Mark : uint8_t { Untouched = 0, OnContour = 1, ObjectBorder = 2 };

class ContourWalk {
public:
    ContourWalk(const QImage& work, QRgb background)
        : m_width(work.width()), m_height(work.height()),
          m_stride(work.bytesPerLine() / int(sizeof(uint32_t))),
          m_pixels(reinterpret_cast<const uint32_t*>(work.constBits())),
          m_background(background & kRgbMask),
          m_marks(std::size_t(m_width) * std::size_t(m_height), Untouched) {}

    std::optional<QPoint> startPoint();
    bool next(QPoint current, QPoint& next);

private:
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    bool isBackground(int x, int y) const {
        return (m_pixels[std::ptrdiff_t(y) * m_stride + x] & kRgbMask) == m_background;
    }
    uint8_t& mark(int x, int y) { return m_marks[std::size_t(y) * std::size_t(m_width) + x]; }
    bool isContourPixel(QPoint p);
    bool touchesObject(QPoint q);

    const int m_width;
    const int m_height;
    const std::ptrdiff_t m_stride;
    const uint32_t* const m_pixels;
    const uint32_t m_background;
    std::vector<uint8_t> m_marks;
};

// A background pixel with an object pixel among its 4-neighbours; those neighbours are marked
// as object border, which lets the walk recognise its next steps.
bool ContourWalk::isContourPixel(QPoint p) {
    if (!contains(p.x(), p.y()) || !isBackground(p.x(), p.y())) {
        return false;
    }
    static const QPoint kNeighbours[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    bool hit = false;
    for (const QPoint& d : kNeighbours) {
        const QPoint n = p + d;
        if (contains(n.x(), n.y()) && !isBackground(n.x(), n.y())) {
            mark(n.x(), n.y()) = ObjectBorder;
            hit = true;
        }
    }
    return hit;
}

bool ContourWalk::touchesObject(QPoint q) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int x = q.x() + dx;
            const int y = q.y() + dy;
            if ((dx || dy) && contains(x, y) && mark(x, y) == ObjectBorder) {
                return true;
            }
        }
    }
    return false;
}

std::optional<QPoint> ContourWalk::startPoint() {
    // Every neighbour of a pixel lies at most one row below it, so no pixel above the row just
    // over the first object pixel can start the walk: a cheap search for that pixel lets the
    // exact test begin there, and the picture is still read in one pass.
    int firstRow = -1;
    for (int y = 0; y < m_height && firstRow < 0; ++y) {
        const uint32_t* line = m_pixels + std::ptrdiff_t(y) * m_stride;
        for (int x = 0; x < m_width; ++x) {
            if ((line[x] & kRgbMask) != m_background) {
                firstRow = y;
                break;
            }
        }
    }
    if (firstRow < 0) {
        return std::nullopt;
    }
    for (int y = std::max(0, firstRow - 1); y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            if (isContourPixel({x, y})) {
                mark(x, y) = OnContour;
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

bool ContourWalk::next(QPoint current, QPoint& next) {
    static const QPoint kCandidates[] = {{1, 0}, {0, 1},  {-1, 0},  {0, -1},
                                         {1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
    for (const QPoint& d : kCandidates) {
        const QPoint c = current + d;
        if (contains(c.x(), c.y()) && mark(c.x(), c.y()) == Untouched && touchesObject(c) &&
            isContourPixel(c)) {
            mark(c.x(), c.y()) = OnContour;
            next = c;
            return true;
        }
    }
    return false;
}

} // namespace

bool findContour(const QImage& picture, QPolygon& outline, QRgb background) {
    if (picture.isNull()) {
        return false;
    }
    // The walk reads 32-bit 0xAARRGGBB words; other layouts are converted first.
    const bool direct =
        picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32;
    const QImage work = direct ? picture : picture.convertToFormat(QImage::Format_ARGB32);
    if (work.isNull()) {
        return false;
    }
    ContourWalk walk(work, background);
    const std::optional<QPoint> start = walk.startPoint();
    if (!start) {
        return false;
    }
    QPolygon points{*start};
    QPoint current = *start;
    while (walk.next(current, current)) {
        points.append(current);
    }
    const QPoint gap = points.last() - *start;
    if (points.size() < 3 || std::abs(gap.x()) > 1 || std::abs(gap.y()) > 1) {
        return false;
    }
    outline = points;
    return true;
}
