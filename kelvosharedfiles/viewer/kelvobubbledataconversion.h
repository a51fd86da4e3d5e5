// Property records and the codec's shape objects, turned into each other: the viewer reads
// records this way, the editor writes them this way.
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

// The other way round, as the editor codes a record: family, point size (as the font gives it:
// -1 for a pixel-sized font), weight on the 25..87 scale (light, normal, demi-bold, bold,
// black: the nearest) and italic.
KelvoFont kelvoCodecFont(const QFont& font);
KelvoRgb kelvoCodecRgb(const QColor& colour);
// 1 when the left bit is set, else 2 for horizontal centre, else 3 for right; 0 for none.
int kelvoAlignmentCode(int alignmentFlags);
// Colours, filled flag, text, font and alignment code of `data` into `object` (the alignment
// only when the flags name one). Outline width, geometry and kind are the caller's.
void kelvoFillTextObj(const TheS_BubbleData& data, KelvoTextObj& object);
// The text as a picture keeps it: one byte per UTF-16 code unit, 0 for those above 255.
QString kelvoStoredText(const QString& text);
