// The automatic region outline: the closed walk through the background pixels that touch an
// object standing on a background of one colour. Used by the grabber's selection windows and
// by kelvo-tool.
#pragma once

#include <QImage>
#include <QPolygon>
#include <QRgb>

// Searches the outline of the object nearest to the top-left of `picture` in row order: the
// first pixel of colour `background` (red, green and blue compared exactly, alpha ignored) that
// has a 4-neighbour of another colour starts a walk along such pixels. When the walk returns
// next to its start after at least 3 points, `outline` becomes its points in walk order
// (picture coordinates, not repeated at the end) and the result is true. Otherwise `outline`
// is left unchanged. Every pixel is visited at most once, so any picture ends the search.
bool findContour(const QImage& picture, QPolygon& outline, QRgb background);
