// Removes the marks that make a picture's regions findable, for the editor's "erase" and
// kelvo-tool erase. The data bits stay where they were.
#pragma once

#include "kelvoimagebuffers.h"

#include <QImage>

class KelvoMarkEraser {
public:
    // Removes all marks from `image`; the image no longer tests coded. False when the picture
    // has fewer than 24 bits per pixel.
    static bool eraseAll(QImage& image);

    // Removes the marks of the region that owns palette index `idIndex` of `idImage` (the id
    // image decoded from `image`, same size), all its parts together. False, with `image`
    // unchanged, when the sizes differ or the index names no region.
    static bool eraseRegion(QImage& image, const KelvoIndexedImage& idImage, int idIndex);
};
