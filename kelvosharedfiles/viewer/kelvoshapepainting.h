// Drawing shared by the viewer's and the editor's shaped texts, so that a shape shows the same
// pixels to the author who makes it and to the reader who views it.
#pragma once

#include "thes_bubbletextdata.h"

#include <QBitmap>
#include <QColor>
#include <QImage>
#include <QPen>
#include <QRect>

class QPainter;

// No pen for a width of 0 or less; otherwise a solid pen 2w - (w mod 2) wide, so that an odd
// width stays centred on the shape's edge pixels and the mask cuts away the outer half.
QPen kelvoOutlinePen(const QColor& colour, int width);

// The ellipse that covers exactly the pixels of `rect`.
void kelvoDrawPixelEllipse(QPainter& painter, const QRect& rect);

// A rectangular body with an outline of width w: w - 1 one-pixel frames in the outline colour
// on the edge pixels of ever smaller insets, then the innermost inset with a one-pixel outline
// and the painter's brush. With w = 0, the body with the painter's brush and no pen.
void kelvoDrawFramedRect(QPainter& painter, const QRect& body, int outlineWidth,
                         const QColor& outlineColour);

// The text's box: its size laid out with word wrap and left alignment in `layout`, at `at`.
QRect kelvoTextBox(const TheS_BubbleTextData& text, const QRect& layout, QPoint at);
// Draws the text in its colour, font and flags into `box`, cut to the box.
void kelvoDrawText(QPainter& painter, const TheS_BubbleTextData& text, const QRect& box);

// One-bit mask of the pixels of `image` that are not fully transparent.
QBitmap kelvoAlphaMask(const QImage& image);
// A transparent image to paint on before taking its alpha mask.
QImage kelvoTransparentImage(QSize size);
