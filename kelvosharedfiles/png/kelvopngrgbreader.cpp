#include "kelvopngrgbreader.h"

#include "kelvobyteorder.h"
#include "kelvopngchunks.h"

#include <libdeflate.h>

#include <cstdlib>
#include <memory>
#include <vector>

using namespace kelvopng;

namespace {

constexpr uint32_t kIhdr = chunkType("IHDR");
constexpr uint32_t kIdat = chunkType("IDAT");
constexpr uint32_t kIend = chunkType("IEND");
constexpr uint32_t kPlte = chunkType("PLTE"); // a suggested palette; RGB pixels ignore it
constexpr uint32_t kIhdrBytes = 13;

enum Filter : uint8_t { None, Sub, Up, Average, Paeth };

uint8_t paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a);
    const int pb = std::abs(p - b);
    const int pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) {
        return static_cast<uint8_t>(a);
    }
    return static_cast<uint8_t>(pb <= pc ? b : c);
}

// Undoes `filter` on `row` in place; `prior` is the row above, already unfiltered.
template <int Bpp>
bool unfilter(uint8_t filter, uint8_t* row, const uint8_t* prior, std::size_t bytes) {
    switch (filter) {
    case None:
        return true;
    case Sub:
        for (std::size_t i = Bpp; i < bytes; ++i) {
            row[i] = static_cast<uint8_t>(row[i] + row[i - Bpp]);
        }
        return true;
    case Up:
        for (std::size_t i = 0; i < bytes; ++i) {
            row[i] = static_cast<uint8_t>(row[i] + prior[i]);
        }
        return true;
    case Average:
        for (std::size_t i = 0; i < Bpp; ++i) {
            row[i] = static_cast<uint8_t>(row[i] + prior[i] / 2);
        }
        for (std::size_t i = Bpp; i < bytes; ++i) {
            row[i] = static_cast<uint8_t>(row[i] + (row[i - Bpp] + prior[i]) / 2);
        }
        return true;
    case Paeth:
        for (std::size_t i = 0; i < Bpp; ++i) {
            row[i] = static_cast<uint8_t>(row[i] + prior[i]);
        }
        for (std::size_t i = Bpp; i < bytes; ++i) {
            row[i] = static_cast<uint8_t>(row[i] + paeth(row[i - Bpp], prior[i], prior[i - Bpp]));
        }
        return true;
    default:
        return false;
    }
}

template <int Bpp> void toArgb(const uint8_t* row, uint32_t* out, int width) {
    for (int x = 0; x < width; ++x, row += Bpp) {
        const uint32_t alpha = Bpp == 4 ? row[3] : 0xffu;
        out[x] = alpha << 24 | uint32_t(row[0]) << 16 | uint32_t(row[1]) << 8 | row[2];
    }
}

template <int Bpp> bool unfilterImage(uint8_t* filtered, const KelvoPixelBuffer& target) {
    const std::size_t rowBytes = std::size_t(target.width) * Bpp;
    const std::vector<uint8_t> zeros(rowBytes, 0);
    const uint8_t* prior = zeros.data();
    for (int y = 0; y < target.height; ++y) {
        uint8_t* line = filtered + y * (rowBytes + 1);
        if (!unfilter<Bpp>(line[0], line + 1, prior, rowBytes)) {
            return false;
        }
        toArgb<Bpp>(line + 1, target.row(y), target.width);
        prior = line + 1;
    }
    return true;
}

struct Decompressor {
    void operator()(libdeflate_decompressor* d) const { libdeflate_free_decompressor(d); }
};

} // namespace

bool kelvoReadRgbPng(const uint8_t* data, std::size_t size, const KelvoPixelBuffer& target) {
    if (!hasSignature(data, size) || !target.pixels || target.width <= 0 || target.height <= 0) {
        return false;
    }
    ChunkWalker walker(data, size);
    Chunk chunk;
    if (!walker.next(chunk) || chunk.type != kIhdr || chunk.length != kIhdrBytes ||
        !chunk.crcValid) {
        return false;
    }
    const uint8_t* ihdr = chunk.data;
    const uint8_t colourType = ihdr[9];
    if (kelvoGetBe32(ihdr) != uint32_t(target.width) ||
        kelvoGetBe32(ihdr + 4) != uint32_t(target.height) || ihdr[8] != 8 ||
        (colourType != Rgb && colourType != Rgba) || ihdr[10] != 0 || ihdr[11] != 0 ||
        ihdr[12] != 0) {
        return false;
    }
    // The compressed stream, read in place when it is one chunk.
    std::vector<Chunk> idats;
    bool ended = false;
    while (!ended && walker.next(chunk)) {
        if (!chunk.crcValid) {
            return false;
        }
        if (chunk.type == kIdat) {
            idats.push_back(chunk);
        } else if (chunk.type == kIend) {
            ended = true;
        } else if (isCritical(chunk.type) && chunk.type != kPlte) {
            return false;
        }
    }
    if (!ended || idats.empty()) {
        return false;
    }
    std::vector<uint8_t> joined;
    if (idats.size() > 1) {
        for (const Chunk& idat : idats) {
            joined.insert(joined.end(), idat.data, idat.data + idat.length);
        }
    }
    const uint8_t* stream = idats.size() > 1 ? joined.data() : idats.front().data;
    const std::size_t streamBytes = idats.size() > 1 ? joined.size() : idats.front().length;
    const int bpp = colourType == Rgba ? 4 : 3;
    const std::size_t filteredBytes =
        (std::size_t(target.width) * bpp + 1) * std::size_t(target.height);
    std::unique_ptr<uint8_t[]> filtered(new (std::nothrow) uint8_t[filteredBytes]);
    const std::unique_ptr<libdeflate_decompressor, Decompressor> inflater(
        libdeflate_alloc_decompressor());
    if (!filtered || !inflater ||
        libdeflate_zlib_decompress(inflater.get(), stream, streamBytes, filtered.get(),
                                   filteredBytes, nullptr) != LIBDEFLATE_SUCCESS) {
        return false;
    }
    return bpp == 4 ? unfilterImage<4>(filtered.get(), target)
                    : unfilterImage<3>(filtered.get(), target);
}
