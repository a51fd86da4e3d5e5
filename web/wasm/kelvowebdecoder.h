// Everything the web viewer and kelvo-decode.mjs need of one picture file: the pixels, the id
// image, each region's data and start points, and the marks picture for the outline display.
// This is what KelvoDecodedPicture gives the native tools, without Qt.
#pragma once

#include "kelvodata.h"
#include "kelvoidregion.h"
#include "kelvoimagebuffers.h"
#include "kelvopngreader.h"

#include <cstdint>
#include <map>
#include <string>

struct KelvoWebDecoded {
    KelvoPngPicture picture;
    bool coded = false;
    KelvoIndexedImage idImage; // empty for a picture of fewer than 24 bits per pixel
    std::map<uint32_t, KelvoDataObjs> data;
    std::map<uint32_t, KelvoIdRegion> regions;
    KelvoArgbImage marks;

    // False with a reason in `error` when the bytes are not a readable PNG file.
    bool decode(const uint8_t* file, std::size_t size, std::string& error);
};
