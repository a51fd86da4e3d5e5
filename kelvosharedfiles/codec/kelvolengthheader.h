// Length headers and the order of a region's payload.
//
// The data pixels of a region carry, in raster order:
//
//   header A    4 pixels   La, the byte length of the compressed record stream
//   La bytes               at the region's packing level (kelvopackinglevels.h)
//   header B    4 pixels   Lb, the byte length of the compressed colour table, or 1000 when the
//                          region has none; it starts at the data pixel after the one that holds
//                          the record stream's last bit (that pixel's other data bits are left)
//   Lb bytes               at the same level; absent when header B is 1000
//
// Data pixels after the sequence keep their bits. A header is a 32-bit count, least significant
// byte in its first pixel; each pixel holds its byte v as
//
//   R0-R2 = v0-v2    G0-G2 = v3-v5    B1-B2 = v6-v7    (the bit layout of packing level 7)
//
// and keeps its other bits, B0 among them.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int kHeaderPixels = 4;
constexpr uint32_t kNoColourTable = 1000;

uint32_t kelvoWriteHeaderByte(uint32_t pixel, uint8_t byte);
uint8_t kelvoReadHeaderByte(uint32_t pixel);

// Data pixels the whole sequence takes at `bitsPerPixel`; without a colour table
// `colourBytes` is ignored.
uint64_t kelvoPayloadPixels(int bitsPerPixel, std::size_t recordBytes, bool hasColourTable,
                            std::size_t colourBytes);
