// PNG files of any colour type, bit depth and interlacing, written sample by sample so that the
// readers under test meet every filter type and a stream split over several IDAT chunks.
#pragma once

#include <QByteArray>

#include <cstdint>

struct PngTestKind {
    uint8_t colourType = 2; // 0 grey, 2 RGB, 3 palette, 4 grey + alpha, 6 RGBA
    uint8_t bitDepth = 8;
    bool interlaced = false;
    bool trns = false;  // a colour key (grey, RGB) or palette alphas
    bool gamma = false; // gAMA and cHRM chunks
    int width = 37;
    int height = 23;
    uint32_t seed = 1;
};

QByteArray makeTestPng(const PngTestKind& kind);
