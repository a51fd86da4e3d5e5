#include "pngtestfile.h"

#include "kelvobyteorder.h"
#include "kelvopngchunks.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <random>

namespace {

using Bytes = std::vector<uint8_t>;

constexpr int kChannels[] = {1, 0, 3, 1, 2, 0, 4}; // by colour type

void chunk(Bytes& out, const char (&type)[5], const Bytes& data) {
    kelvopng::appendChunk(out, kelvopng::chunkType(type), data.data(), data.size());
}

uint8_t paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return uint8_t(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

// Appends `row` filtered with `type` against `prior` (zeros for a pass's first row).
void filterRow(Bytes& out, uint8_t type, const Bytes& row, const Bytes& prior, int bpp) {
    out.push_back(type);
    for (std::size_t i = 0; i < row.size(); ++i) {
        const int a = i >= std::size_t(bpp) ? row[i - bpp] : 0;
        const int b = prior[i];
        const int c = i >= std::size_t(bpp) ? prior[i - bpp] : 0;
        const int predictor = type == 1   ? a
                              : type == 2 ? b
                              : type == 3 ? (a + b) / 2
                              : type == 4 ? paeth(a, b, c)
                                          : 0;
        out.push_back(uint8_t(row[i] - predictor));
    }
}

// `raw` deflated in the bands of `kind` (one band when it lists none), each band flushed so
// that it inflates on its own; appends the band list to `list` when `kind` has one.
Bytes deflated(const Bytes& raw, const PngTestKind& kind, Bytes& list) {
    const std::vector<uint32_t> firstRows =
        kind.bandRows.empty() ? std::vector<uint32_t>{0} : kind.bandRows;
    const std::size_t rowBytes = raw.size() / std::size_t(kind.height); // plain files only
    z_stream z{};
    deflateInit(&z, 6);
    Bytes stream(deflateBound(&z, uLong(raw.size())) + 64 * firstRows.size());
    z.next_out = stream.data();
    z.avail_out = uInt(stream.size());
    std::vector<uint32_t> offsets, lengths;
    for (std::size_t band = 0; band < firstRows.size(); ++band) {
        const bool last = band + 1 == firstRows.size();
        const std::size_t end = last ? raw.size() : firstRows[band + 1] * rowBytes;
        z.next_in = const_cast<uint8_t*>(raw.data()) + firstRows[band] * rowBytes;
        z.avail_in = uInt(end - firstRows[band] * rowBytes);
        const uint32_t start =
            band == 0 ? uint32_t(kelvopng::kZlibHeaderBytes) : uint32_t(z.total_out);
        deflate(&z, last ? Z_FINISH : Z_FULL_FLUSH);
        offsets.push_back(start);
        lengths.push_back(uint32_t(z.total_out - start - (last ? kelvopng::kZlibTrailerBytes : 0)));
    }
    stream.resize(z.total_out);
    deflateEnd(&z);
    if (kind.cut > 0) {
        const auto end =
            stream.begin() + std::ptrdiff_t(offsets[kind.cutBand] + lengths[kind.cutBand]);
        stream.erase(end - std::ptrdiff_t(kind.cut), end);
        lengths[kind.cutBand] -= uint32_t(kind.cut);
        for (std::size_t band = kind.cutBand + 1; band < offsets.size(); ++band) {
            offsets[band] -= uint32_t(kind.cut);
        }
    }
    if (!kind.bandRows.empty()) {
        kelvoPutBe32(list, uint32_t(firstRows.size()));
        for (std::size_t band = 0; band < firstRows.size(); ++band) {
            for (uint32_t v : {firstRows[band], offsets[band], lengths[band]}) {
                kelvoPutBe32(list, v);
            }
        }
    }
    return stream;
}

// Sample `c` of pixel `p` of `kind.argb` at the kind's depth. Greys and palette indices come from
// green; 16-bit samples carry noise that probes how readers round them.
uint16_t sampleOf(const PngTestKind& kind, std::size_t p, int c) {
    static constexpr int kShifts[][4] = {{8}, {}, {16, 8, 0}, {8}, {8, 24}, {}, {16, 8, 0, 24}};
    const int v = int((*kind.argb)[p] >> kShifts[kind.colourType][c] & 0xFF);
    if (kind.bitDepth <= 8) {
        return uint16_t(v >> (8 - kind.bitDepth));
    }
    const int x = int(p % std::size_t(kind.width)), y = int(p / std::size_t(kind.width));
    return uint16_t(std::clamp(v * 257 + (x * 31 + y * 17) % 257 - 128, 0, 65535));
}

struct Pass {
    int x0, y0, dx, dy;
};
constexpr Pass kAdam7[] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                           {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
constexpr Pass kWhole[] = {{0, 0, 1, 1}};

} // namespace

Bytes makeTestPng(const PngTestKind& kind, std::vector<uint32_t>* rgb) {
    std::mt19937 random(kind.seed);
    const int perPixel = kChannels[kind.colourType];
    const uint32_t maxSample = (1u << kind.bitDepth) - 1;
    const int paletteSize = kind.colourType == 3 ? int(maxSample) + 1 : 0;
    // Samples of every pixel; some pixels repeat the first so that a colour key is met.
    std::vector<uint16_t> samples(std::size_t(kind.width) * kind.height * perPixel);
    for (std::size_t p = 0; p < samples.size() / perPixel; ++p) {
        for (int c = 0; c < perPixel; ++c) {
            samples[p * perPixel + c] = kind.argb    ? sampleOf(kind, p, c)
                                        : p % 5 == 4 ? samples[std::size_t(c)]
                                                     : uint16_t(random() % (maxSample + 1));
        }
    }
    if (rgb) {
        rgb->clear();
        for (std::size_t i = 0; i + 2 < samples.size(); i += 3) {
            rgb->push_back(0xFF000000u | samples[i] << 16 | samples[i + 1] << 8 | samples[i + 2]);
        }
    }

    Bytes png(std::begin(kelvopng::kSignature), std::end(kelvopng::kSignature));
    Bytes ihdr;
    kelvoPutBe32(ihdr, uint32_t(kind.width));
    kelvoPutBe32(ihdr, uint32_t(kind.height));
    ihdr.insert(ihdr.end(), {kind.bitDepth, kind.colourType, 0, 0, uint8_t(kind.interlaced)});
    chunk(png, "IHDR", ihdr);
    if (kind.gamma) {
        Bytes gama;
        kelvoPutBe32(gama, 45455);
        chunk(png, "gAMA", gama);
        Bytes chrm;
        for (uint32_t v : {31270u, 32900u, 64000u, 33000u, 30000u, 60000u, 15000u, 6000u}) {
            kelvoPutBe32(chrm, v);
        }
        chunk(png, "cHRM", chrm);
    }
    if (paletteSize) {
        Bytes plte;
        for (int i = 0; i < paletteSize * 3; ++i) {
            // A grey ramp for pictures given as pixels, whose indices are greys.
            plte.push_back(kind.argb ? uint8_t(i / 3 * 255 / int(maxSample)) : uint8_t(random()));
        }
        chunk(png, "PLTE", plte);
    }
    if (kind.trns) {
        Bytes trns;
        if (paletteSize) {
            for (int i = 0; i < (paletteSize + 1) / 2; ++i) {
                trns.push_back(uint8_t(i % 3 == 0 ? 255 : random()));
            }
        } else {
            for (int c = 0; c < perPixel; ++c) {
                trns.insert(trns.end(), {uint8_t(samples[c] >> 8), uint8_t(samples[c])});
            }
        }
        chunk(png, "tRNS", trns);
    }

    const int bitsPerPixel = perPixel * kind.bitDepth;
    const int bpp = std::max(1, bitsPerPixel / 8);
    Bytes raw;
    int filter = 0;
    for (const Pass& pass : kind.interlaced
                                ? std::vector<Pass>(std::begin(kAdam7), std::end(kAdam7))
                                : std::vector<Pass>(std::begin(kWhole), std::end(kWhole))) {
        const int passWidth = (kind.width - pass.x0 + pass.dx - 1) / pass.dx;
        if (passWidth <= 0 || kind.height <= pass.y0) {
            continue;
        }
        Bytes prior((std::size_t(passWidth) * bitsPerPixel + 7) / 8, 0);
        for (int y = pass.y0; y < kind.height; y += pass.dy) {
            Bytes row(prior.size(), 0);
            std::size_t bit = 0;
            for (int x = pass.x0; x < kind.width; x += pass.dx) {
                for (int c = 0; c < perPixel; ++c) {
                    const uint16_t v = samples[(std::size_t(y) * kind.width + x) * perPixel + c];
                    if (kind.bitDepth == 16) {
                        row[bit / 8] = uint8_t(v >> 8);
                        row[bit / 8 + 1] = uint8_t(v);
                    } else if (kind.bitDepth == 8) {
                        row[bit / 8] = uint8_t(v);
                    } else {
                        row[bit / 8] |= uint8_t(v << (8 - kind.bitDepth - bit % 8));
                    }
                    bit += kind.bitDepth;
                }
            }
            const bool bandStart =
                y > 0 && std::count(kind.bandRows.begin(), kind.bandRows.end(), uint32_t(y)) > 0;
            filterRow(raw, bandStart ? kind.bandFilter : uint8_t(filter % 5), row, prior, bpp);
            ++filter;
            prior = row;
        }
    }
    Bytes list;
    const Bytes compressed = deflated(raw, kind, list);
    if (!list.empty()) {
        kelvopng::appendChunk(png, kelvopng::kBandChunk, list.data(), list.size());
    }
    // Plain files in two IDAT chunks (the first possibly empty), banded ones in one.
    const auto split = compressed.begin() + std::ptrdiff_t(compressed.size() / 3);
    if (list.empty()) {
        chunk(png, "IDAT", Bytes(compressed.begin(), split));
    }
    chunk(png, "IDAT", Bytes(list.empty() ? split : compressed.begin(), compressed.end()));
    chunk(png, "IEND", {});
    return png;
}
