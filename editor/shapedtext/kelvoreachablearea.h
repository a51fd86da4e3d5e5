// Where the parts of a shaped text may be dragged to and still be reached again.
#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

// The area, in `widget`'s coordinates, of the widget that the shaped text holding `widget` lies
// on (the picture); unbounded when the shaped text lies on nothing.
QRect kelvoReachableArea(const QWidget* widget);

// `point` moved into `area` along each axis.
QPoint kelvoClamped(QPoint point, const QRect& area);
