// Colours and small drawing helpers shared by the icon and picture painters, so that every piece
// of artwork uses one palette and one line style.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <type_traits>

namespace KelvoArt {

inline const QColor ink{0x2b, 0x3a, 0x4f};
inline const QColor blue{0x3b, 0x7d, 0xd8};
inline const QColor blueLight{0xa8, 0xc8, 0xf4};
inline const QColor blueDark{0x24, 0x57, 0x9e};
inline const QColor navy{0x1c, 0x3a, 0x70};
inline const QColor amber{0xf5, 0xb8, 0x3d};
inline const QColor amberDark{0xc9, 0x8b, 0x1b};
inline const QColor green{0x2f, 0xa0, 0x4e};
inline const QColor red{0xe0, 0x4f, 0x44};
inline const QColor orange{0xf2, 0x84, 0x1f};
inline const QColor orangeDark{0xb8, 0x5e, 0x0e};
inline const QColor pink{0xf0, 0x7c, 0x8e};
inline const QColor paper{0xff, 0xff, 0xff};
inline const QColor grey{0x8c, 0x98, 0xa8};
inline const QColor sky{0x9c, 0xcb, 0xff};
inline const QColor hill{0x4f, 0xae, 0x5e};
inline const QColor sun{0xff, 0xc8, 0x3d};

inline QPen line(const QColor& colour, qreal width = 1.0) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

inline QPainterPath polygonPath(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

// Fill and outline in one call; a transparent outline colour draws none.
template <typename Shape>
void fillShape(QPainter& p, const Shape& shape, const QColor& fill, const QColor& outline,
               qreal width = 1.0) {
    p.setBrush(fill);
    p.setPen(outline.alpha() == 0 ? QPen(Qt::NoPen) : line(outline, width));
    if constexpr (std::is_same_v<Shape, QPainterPath>) {
        p.drawPath(shape);
    } else {
        p.drawRect(shape);
    }
}

} // namespace KelvoArt
