#include "kelvoviewersimplebubble.h"

#include "kelvoshapepainting.h"
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
    if (m_kind == kEllipse) {
        kelvoDrawPixelEllipse(painter, m_props.rect);
    } else {
        kelvoDrawFramedRect(painter, m_props.rect, m_props.outlineWidth, m_props.outlineColour);
    }
}
