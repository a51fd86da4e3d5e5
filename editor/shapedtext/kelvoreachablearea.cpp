#include "kelvoreachablearea.h"

#include "kelvoshapedtextbase.h"

#include <QWidget>

#include <algorithm>

QRect kelvoReachableArea(const QWidget* widget) {
    const QWidget* shapedText = widget;
    while (shapedText && !qobject_cast<const KelvoShapedTextBase*>(shapedText)) {
        shapedText = shapedText->parentWidget();
    }
    const QWidget* host = shapedText ? shapedText->parentWidget() : nullptr;
    if (!host) {
        constexpr int kFar = 1 << 20;
        return QRect(QPoint(-kFar, -kFar), QPoint(kFar, kFar));
    }
    return QRect(widget->mapFrom(host, QPoint(0, 0)), host->size());
}

QPoint kelvoClamped(QPoint point, const QRect& area) {
    return {std::clamp(point.x(), area.left(), area.right()),
            std::clamp(point.y(), area.top(), area.bottom())};
}
