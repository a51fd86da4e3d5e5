// Channel helpers for 0xAARRGGBB pixels and the limits of a picture the codec works on.
//
// Blue bit 0 (B0, the pixel's least significant bit) is the mark bit: it is 1 on the outline
// pixels and start points of coded regions and never carries data.
#pragma once

#include "kelvoimagebuffers.h"

#include <cstdint>

constexpr uint32_t kMarkBit = 0x00000001;
constexpr uint32_t kOpaque = 0xFF000000;
constexpr uint32_t kRgbMask = 0x00FFFFFF;

// Pictures of fewer bits per pixel are never coded.
constexpr int kMinCodableDepth = 24;
// Larger pictures are refused, which keeps every pixel offset within 32 bits.
constexpr uint64_t kMaxCodablePixels = uint64_t(1) << 28;

// Opaque colour from three channel values (each taken modulo 256).
constexpr uint32_t kelvoRgb(uint32_t r, uint32_t g, uint32_t b) {
    return kOpaque | (r & 0xFF) << 16 | (g & 0xFF) << 8 | (b & 0xFF);
}

// True when `image` has pixels of 24 bits or more, a sane stride and a size the codec handles.
inline bool kelvoIsCodable(const KelvoPixelBuffer& image) {
    return image.pixels != nullptr && image.depth >= kMinCodableDepth && image.width > 0 &&
           image.height > 0 && image.stride >= image.width &&
           uint64_t(image.width) * uint64_t(image.height) <= kMaxCodablePixels;
}
