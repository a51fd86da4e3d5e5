#include "kelvoshapepainting.h"

#include <QFontMetrics>
#include <QPainter>

QPen kelvoOutlinePen(const QColor& colour, int width) {
    if (width <= 0) {
        return Qt::NoPen;
    }
    return QPen(colour, 2 * width - width % 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

void kelvoDrawPixelEllipse(QPainter& painter, const QRect& rect) {
    painter.drawEllipse(rect.adjusted(0, 0, -1, -1));
}

void kelvoDrawFramedRect(QPainter& painter, const QRect& body, int outlineWidth,
                         const QColor& outlineColour) {
    const int w = outlineWidth;
    if (w <= 0) {
        painter.setPen(Qt::NoPen);
        painter.drawRect(body);
        return;
    }
    const QBrush fill = painter.brush();
    painter.setPen(QPen(outlineColour, 1));
    painter.setBrush(Qt::NoBrush);
    // Frames are drawn on the edge pixels of each inset rectangle.
    for (int i = 0; i < w - 1; ++i) {
        painter.drawRect(body.adjusted(i, i, -i - 1, -i - 1));
    }
    painter.setBrush(fill);
    painter.drawRect(body.adjusted(w - 1, w - 1, -w, -w));
}

QRect kelvoTextBox(const TheS_BubbleTextData& text, const QRect& layout, QPoint at) {
    const QRect laidOut =
        QFontMetrics(text.font).boundingRect(layout, Qt::TextWordWrap | Qt::AlignLeft, text.text);
    return QRect(at, laidOut.size());
}

void kelvoDrawText(QPainter& painter, const TheS_BubbleTextData& text, const QRect& box) {
    painter.save();
    // The editor's label is a widget of the box's size, so glyphs that overhang the box (the
    // slant of italics) are cut here too.
    painter.setClipRect(box, Qt::IntersectClip);
    painter.setFont(text.font);
    painter.setPen(text.textColour);
    painter.drawText(box, text.alignmentFlags, text.text);
    painter.restore();
}

QBitmap kelvoAlphaMask(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QImage bits(argb.size(), QImage::Format_Mono);
    bits.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    bits.fill(0);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) > 0) {
                bits.setPixel(x, y, 1);
            }
        }
    }
    return QBitmap::fromImage(bits);
}

QImage kelvoTransparentImage(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}
