// Writing the codec's 32-bit pixels as a PNG, fast: 8-bit RGB (RGBA when `alpha`), every row
// with the Sub filter, Huffman-coded in row bands of about a megabyte on `threads` threads into
// one zlib stream (kelvozlibstream.h). A kbND chunk (kelvopngchunks.h) lists the bands, so that
// our reader can inflate them at the same time too, each in cache.
// Lossless: RGB keeps the low 24 bits of every pixel, RGBA all 32 (unpremultiplied ARGB).
#pragma once

#include "kelvoimagebuffers.h"
#include "kelvoparallel.h"

#include <cstdint>
#include <string>
#include <vector>

// The PNG file's bytes, with an iCCP chunk when `iccProfile` is not empty; empty for a buffer
// without pixels or a profile zlib cannot compress.
std::vector<uint8_t> kelvoWritePng(const KelvoPixelBuffer& pixels, bool alpha,
                                   const std::string& iccProfile = {},
                                   int threads = kKelvoPngThreads);
