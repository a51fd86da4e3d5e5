// Packing levels: how many bits a data pixel carries, and which.
//
// A data pixel at level L carries n bits, taken in this order (the first is bit 0 of the
// pixel's value); the other bits of the pixel, B0 always among them, are not touched:
//
//   level  n   bits in order              level  n   bits in order
//     1    2   R0 G0                         8    9   R0-R2 G0-G2 B1-B3
//     2    3   R0 G0 B1                      9   10   R0-R3 G0-G2 B1-B3
//     3    4   R0 R1 G0 B1                  10   11   R0-R3 G0-G3 B1-B3
//     4    5   R0 R1 G0 G1 B1               11   12   R0-R3 G0-G3 B1-B4
//     5    6   R0 R1 G0 G1 B1 B2            12   13   R0-R4 G0-G3 B1-B4
//     6    7   R0-R2 G0 G1 B1 B2            13   14   R0-R4 G0-G4 B1-B4
//     7    8   R0-R2 G0-G2 B1 B2            14   23   R0-R7 G0-G7 B1-B7
//
// Level 14 replaces the whole pixel but B0. A byte stream is one bit sequence, each byte from
// its bit 0 upward: pixel j of a stream carries bits j*n .. j*n+n-1, so one byte may span two
// pixels and one pixel may hold bits of three bytes.
#pragma once

#include <cstdint>

constexpr int kMinPackingLevel = 1;
constexpr int kMaxPackingLevel = 14;
constexpr int kMaxBitsPerPixel = 23;
// The first level whose changes can be seen: up to level 10 a channel changes by at most 15,
// from level 11 on by up to 30, and at level 14 by up to 255 (measured in bench/README.md).
constexpr int kFirstVisibleLevel = 11;

struct KelvoPackingLevel {
    int bits; // per pixel
    // The pixel's data bits as a value, first bit in bit 0.
    uint32_t (*read)(uint32_t pixel);
    // The pixel with its data bits replaced by the low `bits` bits of `value`.
    uint32_t (*write)(uint32_t pixel, uint32_t value);
};

// The layout of `level`; nullptr outside 1..14.
const KelvoPackingLevel* kelvoPackingLevel(int level);

// The level for `bytes` of data over `pixels` data pixels (the region's data pixels less the
// eight header pixels). With v = ceil(8 x bytes / pixels): automatic choice gives level 1 for
// v <= 2, v - 1 for 3 <= v <= 14 and 14 for 15 <= v <= 23. A requested level of 1..13 is kept
// when v <= level + 1, and 14 is always kept; any other request is automatic. 0 when
// `pixels` <= 0 or v > 23: the data cannot fit.
int kelvoChooseLevel(uint64_t bytes, int64_t pixels, int requested);
