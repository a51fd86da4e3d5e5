#include "kelvoviewerspeechbubble.h"

#include "kelvospeechbubbleoutline.h"
#include "kelvotextobj.h"

#include <QPainter>

QSize KelvoViewerSpeechBubble::widgetSize(const KelvoComicEllipseObj& object) {
    if (!positionWithinLimits(object) || !withinLimits({object.peakX, object.peakY}) ||
        object.right < object.left || object.bottom < object.top) {
        return {};
    }
    const QRect ellipse(QPoint(object.left, object.top), QPoint(object.right, object.bottom));
    return ellipse.united(QRect(object.peakX, object.peakY, 1, 1)).size();
}

KelvoViewerSpeechBubble::KelvoViewerSpeechBubble(QWidget* viewer, const QString& name,
                                                 const KelvoComicEllipseObj& object)
    : KelvoViewerShapedText(viewer, name, object, widgetSize(object)),
      m_peak(object.peakX, object.peakY), m_startAngle(object.angle1), m_endAngle(object.angle2),
      m_outline(kelvoSpeechBubbleOutline(m_props.rect, object.angle1, object.angle2, m_peak)) {
    grabBackgroundsAndDraw();
}

QString KelvoViewerSpeechBubble::shapeClassName() const {
    return QStringLiteral("KelvoViewerSpeechBubble");
}

void KelvoViewerSpeechBubble::drawShape(QPainter& painter) const {
    painter.drawPolygon(m_outline);
}
