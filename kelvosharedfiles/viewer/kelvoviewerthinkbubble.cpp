#include "kelvoviewerthinkbubble.h"

#include "kelvoshapepainting.h"
#include "kelvotextobj.h"

#include <QPainter>

namespace {

constexpr int kMargin = 2;

} // namespace

QSize KelvoViewerThinkBubble::widgetSize(const KelvoComicEllipseObj& object) {
    if (!positionWithinLimits(object) || object.right < object.left || object.bottom < object.top) {
        return {};
    }
    QRect bounds(QPoint(object.left, object.top), QPoint(object.right, object.bottom));
    for (const KelvoThinkBubbleCircle& circle : object.circles) {
        if (!withinLimits({circle.x, circle.y, circle.width, circle.height})) {
            return {};
        }
        bounds |= QRect(circle.x, circle.y, circle.width, circle.height);
    }
    return bounds.size() + QSize(kMargin, kMargin);
}

KelvoViewerThinkBubble::KelvoViewerThinkBubble(QWidget* viewer, const QString& name,
                                               const KelvoComicEllipseObj& object)
    : KelvoViewerShapedText(viewer, name, object, widgetSize(object)) {
    m_circles.reserve(object.circles.size());
    for (const KelvoThinkBubbleCircle& circle : object.circles) {
        m_circles.push_back({QRect(0, 0, circle.width, circle.height), {circle.x, circle.y}});
    }
    grabBackgroundsAndDraw();
}

QString KelvoViewerThinkBubble::shapeClassName() const {
    return QStringLiteral("KelvoViewerThinkBubble");
}

void KelvoViewerThinkBubble::drawShape(QPainter& painter) const {
    kelvoDrawPixelEllipse(painter, m_props.rect);
    for (const Circle& circle : m_circles) {
        // A circle spans right - left by bottom - top, one pixel less than its rectangle.
        kelvoDrawPixelEllipse(
            painter, QRect(circle.position, QSize(circle.rect.right() - circle.rect.left(),
                                                  circle.rect.bottom() - circle.rect.top())));
    }
}
