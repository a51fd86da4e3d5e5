#include "kelvotextpictures.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

const QColor Ink(40, 40, 40);
const QColor Paper(255, 255, 240);

// A transparent pixmap with an antialiased painter handed to draw.
template <typename Draw> QPixmap painted(QSize size, Draw draw) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Ink, 1.5));
    painter.setBrush(Paper);
    draw(painter);
    return pixmap;
}

// Two short lines of sample text centred in area.
void sampleText(QPainter& painter, const QRectF& area) {
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(Ink);
    painter.drawText(area, Qt::AlignCenter, QStringLiteral("Text\nText"));
}

// A rounded body with a pointed tail down to the left.
QPainterPath speechOutline(const QRectF& body) {
    QPainterPath ellipse;
    ellipse.addEllipse(body);
    QPainterPath tail;
    const QPointF c = body.center();
    tail.moveTo(c.x() - body.width() * 0.25, c.y() + body.height() * 0.2);
    tail.lineTo(body.left() + 4, body.bottom() + 8);
    tail.lineTo(c.x() - body.width() * 0.05, c.y() + body.height() * 0.35);
    tail.closeSubpath();
    return ellipse.united(tail);
}

// A cloud of overlapping circles.
QPainterPath cloudOutline(const QRectF& body) {
    QPainterPath cloud;
    cloud.addEllipse(body.adjusted(10, 8, -10, -8));
    const int puffs = 8;
    for (int i = 0; i < puffs; ++i) {
        const double angle = 2 * M_PI * i / puffs;
        const QPointF centre(body.center().x() + std::cos(angle) * (body.width() / 2 - 12),
                             body.center().y() + std::sin(angle) * (body.height() / 2 - 9));
        QPainterPath puff;
        puff.addEllipse(centre, 13, 9);
        cloud = cloud.united(puff);
    }
    return cloud;
}

} // namespace

QPixmap KelvoTextPictures::shape(int type) {
    const QSize size = shapeSize();
    const QRectF frame(QPointF(8, 6), QSizeF(size.width() - 16, size.height() - 12));
    switch (type) {
    case SimpleText:
        return painted(size, [&](QPainter& p) { sampleText(p, frame); });
    case SimpleRect:
        return painted(size, [&](QPainter& p) {
            p.drawRect(frame.adjusted(20, 0, -20, 0));
            sampleText(p, frame);
        });
    case SimpleEllipse:
        return painted(size, [&](QPainter& p) {
            p.drawEllipse(frame.adjusted(10, 0, 0, 0));
            sampleText(p, frame.adjusted(10, 0, 0, 0));
        });
    case SpeechBubble:
        return painted(size, [&](QPainter& p) {
            const QRectF body = frame.adjusted(16, -2, 0, -10);
            p.drawPath(speechOutline(body));
            sampleText(p, body);
        });
    case ThinkBubble:
        return painted(size, [&](QPainter& p) {
            const QRectF body = frame.adjusted(22, -2, 0, -6);
            p.drawPath(cloudOutline(body));
            p.drawEllipse(QPointF(body.left() + 4, body.bottom() + 1), 5, 4);
            p.drawEllipse(QPointF(body.left() - 6, body.bottom() + 6), 3, 2.5);
            sampleText(p, body);
        });
    default:
        return {};
    }
}

QPixmap KelvoTextPictures::textHolderIcon() {
    return painted({22, 22}, [](QPainter& p) {
        p.drawRect(QRectF(3.5, 1.5, 15, 19));
        p.setPen(QPen(Ink, 1));
        for (int y = 6; y <= 16; y += 3)
            p.drawLine(QPointF(6, y), QPointF(16, y));
    });
}

QPixmap KelvoTextPictures::dictHolderIcon() {
    return painted({22, 22}, [](QPainter& p) {
        // A closed book with a bookmark ribbon.
        p.setBrush(QColor(70, 100, 160));
        p.drawRoundedRect(QRectF(3.5, 1.5, 15, 19), 2, 2);
        p.setPen(QPen(Paper, 1.5));
        p.drawLine(QPointF(6.5, 2.5), QPointF(6.5, 19.5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 40, 40));
        p.drawPolygon(QPolygonF({QPointF(12, 1.5), QPointF(16, 1.5), QPointF(16, 10),
                                 QPointF(14, 8), QPointF(12, 10)}));
    });
}
