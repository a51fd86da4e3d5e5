// The picture a viewer lays over a coded picture to show its outlines as speckled dots.
#pragma once

#include "kelvoimagebuffers.h"

#include <cstdint>

// Makes `marks` a picture of `image`'s size (reusing its memory), transparent (0) except where
// some pixel (x, y) with B0 = 1 draws
// a 2 x 2 rectangle at (x, y) with a 2-pixel pen. As on an aliased raster painter, the pen is
// centred on the rectangle's edges from (x, y) to (x + 2, y + 2) and so covers the 4 x 4
// pixels from (x - 1, y - 1) to (x + 2, y + 2), clipped to the picture. Every covered pixel
// gets an opaque colour whose channels are drawn uniformly from a generator seeded with `seed`.
// A picture that cannot be coded gives an empty one.
void kelvoMarksPicture(const KelvoPixelBuffer& image, uint64_t seed, KelvoArgbImage& marks);
