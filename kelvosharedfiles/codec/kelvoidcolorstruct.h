// One colour entry of a region: the id-image palette pair of one of its sub-regions.
#pragma once

#include <cstdint>

struct KelvoIdColorStruct {
    // No palette index assigned yet: the entry matches no pixel.
    static constexpr int32_t kNoIndex = -1;

    uint8_t subIndex = 0;
    // Encoder: the region's interior and outline colours in the mask. Decoder:
    // (255, sub-index, key) and (0, sub-index, key). Opaque 0xAARRGGBB.
    uint32_t fillColour = 0xFFFF0000;
    uint32_t outlineColour = 0xFF00FFD2;
    // Palette index of interior pixels (even) and of outline pixels (fill index + 1).
    int32_t fillIndex = kNoIndex;
    int32_t outlineIndex = kNoIndex;
};
