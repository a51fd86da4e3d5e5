// Plain picture buffers that the codec works on, so that it needs no GUI toolkit.
//
// KelvoPixelBuffer views 32-bit pixels laid out as 0xAARRGGBB in native byte order, which is
// the memory layout of a QImage in Format_RGB32 or Format_ARGB32: a QImage's bits can be coded
// in place without a copy. KelvoIndexedImage and KelvoArgbImage own their pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct KelvoPixelBuffer {
    uint32_t* pixels = nullptr; // not owned
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0; // pixels from one row to the next
    int depth = 32;            // bits per pixel of the picture; below 24 nothing is coded

    uint32_t* row(int y) const { return pixels + y * stride; }
    uint32_t& at(int x, int y) const { return pixels[y * stride + x]; }
};

// 8-bit indexed picture: one palette index per pixel, rows packed without padding.
struct KelvoIndexedImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> indices;  // width * height
    std::vector<uint32_t> palette; // 0xAARRGGBB

    uint8_t at(int x, int y) const { return indices[static_cast<std::size_t>(y) * width + x]; }
};

// 32-bit picture with alpha, rows packed without padding.
struct KelvoArgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels; // width * height, 0xAARRGGBB
};
