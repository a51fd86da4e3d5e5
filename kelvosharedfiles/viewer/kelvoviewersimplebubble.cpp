#include "kelvoviewersimplebubble.h"

#include "kelvotextobj.h"

#include <QPainter>

QSize KelvoViewerSimpleBubble::widgetSize(const KelvoEllipseObj& object) {
    if (!positionWithinLimits(object) || object.right < object.left || object.bottom < object.top) {
        return {};
    }
    return {object.right - object.left + 1, object.bottom - object.top + 1};
}

KelvoViewerSimpleBubble::KelvoViewerSimpleBubble(QWidget* viewer, const QString& name,
                                                 const KelvoEllipseObj& object, int kind)
    : KelvoViewerShapedText(viewer, name, object, widgetSize(object)),
      m_kind(kind == kEllipse ? kEllipse : kRectangle) {
    grabBackgroundsAndDraw();
}

QString KelvoViewerSimpleBubble::shapeClassName() const {
    return QStringLiteral("KelvoViewerSimpleBubble");
}

void KelvoViewerSimpleBubble::drawShape(QPainter& painter) const {
    const QRect& body = m_props.rect;
    if (m_kind == kEllipse) {
        drawPixelEllipse(painter, body);
        return;
    }
    const int w = m_props.outlineWidth;
    if (w <= 0) {
        painter.drawRect(body);
        return;
    }
    const QBrush fill = painter.brush();
    painter.setPen(QPen(m_props.outlineColour, 1));
    painter.setBrush(Qt::NoBrush);
    // Frames are drawn on the edge pixels of each inset rectangle.
    for (int i = 0; i < w - 1; ++i) {
        painter.drawRect(body.adjusted(i, i, -i - 1, -i - 1));
    }
    painter.setBrush(fill);
    painter.drawRect(body.adjusted(w - 1, w - 1, -w, -w));
}
