// What the encoder is told about the regions of a picture: a mask painted by the caller.
//
// The mask has the picture's size and a background colour (white). Region number n is painted
// with outline (pen) colour (255, n, 0), one pixel wide, around its interior (brush) colour
// (n, 255, 0); the interior colour is also the display colour of the region's records, which is
// how the encoder ties records to mask pixels. Only the RGB channels are compared.
#pragma once

#include "kelvoimagebuffers.h"

#include <cstdint>

struct KelvoIdBufferStruct {
    // The only region generation there is: interiors and their outlines, one start point per
    // connected interior.
    static constexpr int kOutlineMode = 2;

    KelvoPixelBuffer mask; // read only
    uint32_t background = 0xFFFFFFFF;
    int mode = kOutlineMode;
};
