// Everything the decoder finds in a picture: the id image, each region's data, and each
// region's start points and pixel counts.
#pragma once

#include "kelvodata.h"
#include "kelvoidregion.h"
#include "kelvoimagebuffers.h"

#include <cstdint>
#include <map>

struct KelvoDecodedPicture {
    int width = 0;
    int height = 0;
    bool coded = false;
    KelvoIndexedImage idImage; // empty for a picture that is not coded
    std::map<uint32_t, KelvoDataObjs> data;
    std::map<uint32_t, KelvoIdRegion> regions;

    // Decodes the picture of `width` x `height` pixels held in `pixels`, which has no pixels
    // for a picture of fewer than 24 bits per pixel: that yields nothing coded.
    static KelvoDecodedPicture decode(const KelvoPixelBuffer& pixels, int width, int height);
};
