// Start points: the marks from which a reader finds a region, its key and its packing level.
//
// A region has one start point per connected interior part (sub-region). At a start point
// (x, y) of the region with key k (0..63) coded at packing level p (1..14):
//
//   pixel          R                  G                   B
//   (x, y)         bits 0-3 = p       bits 0-2 = k3-k5    bits 1-3 = k0-k2, bit 0 = 1
//   up, left       bits 0-4 = 9       bits 0-4 = 30       bits 1-4 = 10    (B & 0x1E = 0x14)
//   right, down    bits 0-4 = 23      bits 0-4 = 6        bits 1-4 = 9     (B & 0x1E = 0x12)
//
// All other bits keep their values. Up and left (the first signature pair) are outline pixels
// of the region and so have B0 = 1; right and down form the second pair.
//
// Test: (x, y) is a start point when B0 = 1 at (x, y), (x, y-1) and (x-1, y), and of its four
// 4-neighbours exactly two match the first signature (R & 0x1F = 9, G & 0x1F = 30,
// B & 0x1E = 0x14) and exactly two the second (R & 0x1F = 23, G & 0x1F = 6, B & 0x1E = 0x12),
// the two of each pair differ in both x and y, at least two of the four have B0 = 1, and both
// first-signature neighbours have B0 = 1. Pixels of the outermost rows and columns never are.
#pragma once

#include "kelvoimagebuffers.h"

#include <algorithm>
#include <cstdint>

// A start point found in a picture: where it is and the key it holds.
struct KelvoStartPointAt {
    int x = 0;
    int y = 0;
    uint32_t key = 0;

    bool operator==(const KelvoStartPointAt& other) const {
        return x == other.x && y == other.y && key == other.key;
    }
};

// Keys are stored in 6 bits.
constexpr uint32_t kMaxRegionKeys = 64;

// Writes the start point of region `key` (0..63) at packing level `level` (0..15) at (x, y),
// which must be at least one pixel inside the picture.
void kelvoWriteStartPoint(const KelvoPixelBuffer& image, int x, int y, uint32_t key, int level);

bool kelvoIsStartPoint(const KelvoPixelBuffer& image, int x, int y);

// Key and level held by a start point's own pixel.
inline uint32_t kelvoStartPointKey(uint32_t pixel) {
    return ((pixel >> 1) & 0x7) | ((pixel >> 8) & 0x7) << 3;
}
inline int kelvoStartPointLevel(uint32_t pixel) {
    return int((pixel >> 16) & 0xF);
}

namespace kelvo_detail {

constexpr uint32_t kSignatureBits = 0x001F1F1E;
constexpr uint32_t kFirstSignature = 0x00091E14;
constexpr uint32_t kSecondSignature = 0x00170612;
constexpr int kScanChunk = 16;

// Nonzero when one of the `count` pixels from `row` on may be a start point: it and its left
// and upper neighbours have B0 = 1, and the upper one carries a signature, as one of a start
// point's vertical neighbours must. Written without branches so that it vectorises.
inline uint32_t mayHoldStartPoint(const uint32_t* above, const uint32_t* row, int count) {
    uint32_t any = 0;
    for (int i = 0; i < count; ++i) {
        const uint32_t up = above[i];
        const uint32_t signature = up & kSignatureBits;
        any |= row[i] & row[i - 1] & up &
               (uint32_t(signature == kFirstSignature) | uint32_t(signature == kSecondSignature));
    }
    return any & 1;
}

} // namespace kelvo_detail

// Calls `found(x, y)` for every start point in raster order while it returns true. `found` may
// change pixels: every pixel is tested as the picture stands when the scan reaches it.
template <class Found> void kelvoForEachStartPoint(const KelvoPixelBuffer& image, Found&& found) {
    for (int y = 1; y < image.height - 1; ++y) {
        for (int x = 1; x < image.width - 1; x += kelvo_detail::kScanChunk) {
            const int count = std::min(kelvo_detail::kScanChunk, image.width - 1 - x);
            if (!kelvo_detail::mayHoldStartPoint(image.row(y - 1) + x, image.row(y) + x, count)) {
                continue;
            }
            for (int i = x; i < x + count; ++i) {
                if (kelvoIsStartPoint(image, i, y) && !found(i, y)) {
                    return;
                }
            }
        }
    }
}
