// PNG files of any colour type, bit depth and interlacing, written sample by sample with zlib so
// that the readers under test meet every filter type and a stream split over several IDAT
// chunks; plain files also in bands that inflate on their own, listed in a kbND chunk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct PngTestKind {
    uint8_t colourType = 2; // 0 grey, 2 RGB, 3 palette, 4 grey + alpha, 6 RGBA
    uint8_t bitDepth = 8;
    bool interlaced = false;
    bool trns = false;  // a colour key (grey, RGB) or palette alphas
    bool gamma = false; // gAMA and cHRM chunks
    int width = 37;
    int height = 23;
    uint32_t seed = 1;
    // When given, the pixels (0xAARRGGBB) the samples come from instead of `seed`; see sampleOf.
    const std::vector<uint32_t>* argb = nullptr;
    // The first rows of the bands, from 0; every band's first row but row 0 takes `bandFilter`.
    // With `cut`, band `cutBand` loses that many bytes from its end, and the list follows.
    std::vector<uint32_t> bandRows;
    uint8_t bandFilter = 0;
    std::size_t cutBand = 0;
    std::size_t cut = 0;
};

// The file; `rgb`, when given, receives an 8-bit RGB picture's pixels as 0xFFRRGGBB.
std::vector<uint8_t> makeTestPng(const PngTestKind& kind, std::vector<uint32_t>* rgb = nullptr);
