// Adapters between QImage and the plain picture buffers of the codec (kelvoimagebuffers.h).
#pragma once

#include "kelvoimagebuffers.h"

#include <QImage>

// A view of the pixels of `image` that the codec can read and change in place. A picture of 24
// bits per pixel or more is first converted in place to Format_RGB32 (Format_ARGB32 when it has
// an alpha channel) unless it is already in one of these formats, and detached from other
// QImage copies. A null picture or one of fewer than 24 bits gives a buffer without pixels whose
// depth says so; the codec codes nothing there. The view is valid while `image` is neither
// destroyed nor changed through another function.
KelvoPixelBuffer kelvoPixelBuffer(QImage& image);

// The id image as a Format_Indexed8 picture with its palette (a deep copy).
QImage kelvoToQImage(const KelvoIndexedImage& image);

// A Format_Indexed8 picture (converted first when it has another format) as a codec id image.
KelvoIndexedImage kelvoFromQImage(const QImage& image);

// A read-only view of the pixels of a Format_RGB32 or Format_ARGB32 picture without detaching
// it; any other picture gives a buffer without pixels.
KelvoPixelBuffer kelvoConstPixelBuffer(const QImage& image);

// A picture of `image`'s size and format, its pixels not set, with everything else a copy
// would carry: colour space, resolution, offset and texts.
QImage kelvoBlankLike(const QImage& image);
