// Everything the decoder finds in a picture: the id image, each region's data, and each
// region's start points and pixel counts.
#pragma once

#include "kelvodata.h"
#include "kelvoidregion.h"
#include "kelvoimagebuffers.h"

#include <QImage>

#include <cstdint>
#include <map>

struct KelvoDecodedPicture {
    int width = 0;
    int height = 0;
    bool coded = false;
    KelvoIndexedImage idImage; // empty for a picture that is not coded
    std::map<uint32_t, KelvoDataObjs> data;
    std::map<uint32_t, KelvoIdRegion> regions;

    // Decodes `image`; a picture of fewer than 24 bits per pixel yields nothing coded.
    static KelvoDecodedPicture decode(const QImage& image);
};
