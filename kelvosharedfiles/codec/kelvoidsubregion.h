// One start point of a region and the interior reached from it.
#pragma once

#include <cstdint>

struct KelvoIdSubRegion {
    uint8_t subIndex = 0;
    // Interior pixels reached from the start point, less the start point and those of its right
    // and lower neighbours that are not outline pixels.
    int32_t pixelCount = 0;
    int32_t x = -1;
    int32_t y = -1;
};
