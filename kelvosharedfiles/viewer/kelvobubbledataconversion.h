// The viewer's property records made from the codec's shape objects.
#pragma once

#include "kelvotextobj.h"
#include "thes_bubbledata.h"

#include <QColor>
#include <QFont>

// Family, point size, weight (25 light, 50 normal, 63 demi-bold, 75 bold, 87 black) and
// italic. A size of 0 or less keeps the default size.
QFont kelvoQFont(const KelvoFont& font);

// Channels clamped to 0..255.
QColor kelvoQColor(const KelvoRgb& colour);

// Colours, outline width, filled flag, body rectangle (edges inclusive) and text part. The
// alignment code adds to the word wrap flag: 1 left, 2 horizontal centre, 3 right.
TheS_BubbleData kelvoBubbleData(const KelvoEllipseObj& object);
