// Angles of a speech bubble's handles. Angles are degrees in [0, 360), counter-clockwise from
// the right, with up (smaller y) at 90, around the centre ((left + right) / 2,
// (top + bottom) / 2) of the ellipse's rectangle.
#pragma once

#include <QPoint>
#include <QRect>

// The integer part of the angle of the rectangle's diagonal (right - left, top - bottom):
// where the top side ends and the right side begins.
int kelvoCornerAngle(const QRect& body);

// The angle of `point` seen from `centre`; 0 for the centre itself.
double kelvoPointAngle(QPoint point, QPoint centre);

// The angle at which a handle at `point` sits on the shape: the ray from the centre towards
// the point meets the rectangle's border, and that border point is drawn towards the centre
// (left and right sides) or away from it (top and bottom) by half the difference of width and
// height, so that the angles spread over the ellipse as they do over a circle.
double kelvoPlacedAngle(QPoint point, const QRect& body);

// The peak's offset on one axis after the body's bounding extent `reference` has grown by
// `grown`: `offset` scaled by (reference + grown) / reference, truncated toward zero. Both
// factors can reach a picture's width, so the product is taken in 64 bits. A reference of no
// extent keeps the offset.
int kelvoScaledPeakOffset(int reference, int grown, int offset);
