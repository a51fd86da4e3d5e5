// The outline of a speech bubble: an elliptic arc closed by a tail to a peak point.
#pragma once

#include <QPoint>
#include <QPolygon>
#include <QRect>

// Span of the arc from `startAngle` to `endAngle` (degrees, counter-clockwise from the right,
// taken modulo 360): end - start when end is larger, else end + 360 - start, so equal angles
// give the whole ellipse.
int kelvoSpeechBubbleSpan(int startAngle, int endAngle);

// Points of the arc of the ellipse that covers the pixels of `ellipse`, from `startAngle` over
// the span to `endAngle`, followed by `peak`. Drawn closed, the tail runs from the arc's end to
// the peak and back to its start.
QPolygon kelvoSpeechBubbleOutline(const QRect& ellipse, int startAngle, int endAngle, QPoint peak);
