// The fast path of KelvoPngReader: 8-bit RGB and RGBA pictures without interlacing or tRNS,
// inflated with ISA-L's streaming inflate straight from the IDAT chunks (in one piece, or band
// by band on two threads when a kbND chunk lists the bands, see kelvopngchunks.h) and
// unfiltered straight into 32-bit pixels.
#pragma once

#include "kelvoimagebuffers.h"

#include <cstddef>
#include <cstdint>

// True when the stream is such a picture of `target`'s size and decodes without a fault; false
// otherwise, leaving the general reader to decide (`target` may then hold anything).
bool kelvoReadRgbPng(const uint8_t* data, std::size_t size, const KelvoPixelBuffer& target);

// True when the stream is an 8-bit RGB (RGBA when `alpha`) picture of `expected`'s size whose
// pixels are exactly `expected`'s (RGB: their low 24 bits): the check of a written file,
// without a second picture in memory.
bool kelvoPngHolds(const uint8_t* data, std::size_t size, const KelvoPixelBuffer& expected,
                   bool alpha);
