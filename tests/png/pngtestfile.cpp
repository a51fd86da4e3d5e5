#include "pngtestfile.h"

#include <QRandomGenerator>

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

int channels(uint8_t colourType) {
    switch (colourType) {
    case 2:
        return 3;
    case 4:
        return 2;
    case 6:
        return 4;
    default:
        return 1;
    }
}

void putBe32(Bytes& out, uint32_t v) {
    out.insert(out.end(), {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)});
}

void chunk(Bytes& out, const char* type, const Bytes& data) {
    putBe32(out, uint32_t(data.size()));
    Bytes body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    putBe32(out, uint32_t(crc32(0, body.data(), uInt(body.size()))));
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

struct Pass {
    int x0, y0, dx, dy;
};
constexpr Pass kAdam7[] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                           {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
constexpr Pass kWhole[] = {{0, 0, 1, 1}};

} // namespace

QByteArray makeTestPng(const PngTestKind& kind) {
    QRandomGenerator random(kind.seed);
    const int perPixel = channels(kind.colourType);
    const uint32_t maxSample = (1u << kind.bitDepth) - 1;
    const int paletteSize = kind.colourType == 3 ? int(maxSample) + 1 : 0;
    // Samples of every pixel; some pixels repeat the first so that a colour key is met.
    std::vector<uint16_t> samples(std::size_t(kind.width) * kind.height * perPixel);
    for (std::size_t p = 0; p < samples.size() / perPixel; ++p) {
        for (int c = 0; c < perPixel; ++c) {
            samples[p * perPixel + c] =
                p % 5 == 4 ? samples[std::size_t(c)] : uint16_t(random.bounded(maxSample + 1));
        }
    }

    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    Bytes ihdr;
    putBe32(ihdr, uint32_t(kind.width));
    putBe32(ihdr, uint32_t(kind.height));
    ihdr.insert(ihdr.end(), {kind.bitDepth, kind.colourType, 0, 0, uint8_t(kind.interlaced)});
    chunk(png, "IHDR", ihdr);
    if (kind.gamma) {
        Bytes gama;
        putBe32(gama, 45455);
        chunk(png, "gAMA", gama);
        Bytes chrm;
        for (uint32_t v : {31270u, 32900u, 64000u, 33000u, 30000u, 60000u, 15000u, 6000u}) {
            putBe32(chrm, v);
        }
        chunk(png, "cHRM", chrm);
    }
    if (paletteSize) {
        Bytes plte;
        for (int i = 0; i < paletteSize * 3; ++i) {
            plte.push_back(uint8_t(random.bounded(256)));
        }
        chunk(png, "PLTE", plte);
    }
    if (kind.trns) {
        Bytes trns;
        if (paletteSize) {
            for (int i = 0; i < (paletteSize + 1) / 2; ++i) {
                trns.push_back(uint8_t(i % 3 == 0 ? 255 : random.bounded(256)));
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
            filterRow(raw, uint8_t(filter++ % 5), row, prior, bpp);
            prior = row;
        }
    }
    Bytes compressed(compressBound(uLong(raw.size())));
    uLongf length = uLongf(compressed.size());
    compress2(compressed.data(), &length, raw.data(), uLong(raw.size()), 6);
    compressed.resize(length);
    // Two IDAT chunks, the first one possibly empty.
    const std::size_t half = compressed.size() / 3;
    chunk(png, "IDAT", Bytes(compressed.begin(), compressed.begin() + std::ptrdiff_t(half)));
    chunk(png, "IDAT", Bytes(compressed.begin() + std::ptrdiff_t(half), compressed.end()));
    chunk(png, "IEND", {});
    return QByteArray(reinterpret_cast<const char*>(png.data()), qsizetype(png.size()));
}
