#include "kelvopngwriter.h"

#include "kelvobyteorder.h"
#include "kelvopngchunks.h"
#include "kelvozlibstream.h"

#include <algorithm>

#include <zlib.h>

using namespace kelvopng;

namespace {

constexpr std::size_t kIdatBytes = std::size_t(1) << 20;
constexpr uint8_t kSubFilter = 1;
// Below this many rows per thread, starting threads costs more than it saves.
constexpr int kMinRowsPerPart = 64;

template <int Bpp> void filterRow(const uint32_t* pixels, int width, uint8_t* out) {
    *out++ = kSubFilter;
    uint8_t left[4] = {0, 0, 0, 0};
    for (int x = 0; x < width; ++x, out += Bpp) {
        const uint32_t p = pixels[x];
        const uint8_t sample[4] = {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p), uint8_t(p >> 24)};
        for (int c = 0; c < Bpp; ++c) {
            out[c] = uint8_t(sample[c] - left[c]);
            left[c] = sample[c];
        }
    }
}

// Rows [first, last) as filtered scanlines.
std::vector<uint8_t> filterRows(const KelvoPixelBuffer& pixels, bool alpha, int first, int last) {
    const int bpp = alpha ? 4 : 3;
    const std::size_t rowBytes = std::size_t(pixels.width) * bpp + 1;
    std::vector<uint8_t> out(rowBytes * std::size_t(last - first));
    for (int y = first; y < last; ++y) {
        uint8_t* row = out.data() + rowBytes * std::size_t(y - first);
        if (alpha) {
            filterRow<4>(pixels.row(y), pixels.width, row);
        } else {
            filterRow<3>(pixels.row(y), pixels.width, row);
        }
    }
    return out;
}

// Profile name, its terminator, the compression method and the compressed profile.
std::vector<uint8_t> iccpChunk(const std::string& profile) {
    static const char kName[] = "ICC profile";
    std::vector<uint8_t> data(kName, kName + sizeof(kName));
    data.push_back(0);
    const std::size_t start = data.size();
    uLongf length = compressBound(uLong(profile.size()));
    data.resize(start + length);
    if (compress(data.data() + start, &length, reinterpret_cast<const Bytef*>(profile.data()),
                 uLong(profile.size())) != Z_OK) {
        return {};
    }
    data.resize(start + length);
    return data;
}

} // namespace

std::vector<uint8_t> kelvoWritePng(const KelvoPixelBuffer& pixels, bool alpha,
                                   const std::string& iccProfile, int threads) {
    if (!pixels.pixels || pixels.width <= 0 || pixels.height <= 0 || pixels.depth != 32) {
        return {};
    }
    const int parts = std::clamp(pixels.height / kMinRowsPerPart, 1, std::max(threads, 1));
    const auto rowAt = [&](int i) { return int(int64_t(pixels.height) * i / parts); };
    std::vector<std::size_t> partBytes;
    const std::vector<uint8_t> stream = kelvoZlibStream(
        [&](int index, int) { return filterRows(pixels, alpha, rowAt(index), rowAt(index + 1)); },
        parts, &partBytes);

    std::vector<uint8_t> png(std::begin(kSignature), std::end(kSignature));
    png.reserve(stream.size() + stream.size() / kIdatBytes * 12 + 64);
    std::vector<uint8_t> ihdr;
    kelvoPutBe32(ihdr, uint32_t(pixels.width));
    kelvoPutBe32(ihdr, uint32_t(pixels.height));
    ihdr.insert(ihdr.end(), {8, uint8_t(alpha ? Rgba : Rgb), 0, 0, 0});
    appendChunk(png, chunkType("IHDR"), ihdr.data(), ihdr.size());
    if (!iccProfile.empty()) {
        const std::vector<uint8_t> iccp = iccpChunk(iccProfile);
        if (iccp.empty()) {
            return {};
        }
        appendChunk(png, chunkType("iCCP"), iccp.data(), iccp.size());
    }
    if (parts > 1) {
        std::vector<uint8_t> bands;
        kelvoPutBe32(bands, uint32_t(parts));
        std::size_t offset = kZlibHeaderBytes;
        for (int i = 0; i < parts; ++i) {
            kelvoPutBe32(bands, uint32_t(rowAt(i)));
            kelvoPutBe32(bands, uint32_t(offset));
            kelvoPutBe32(bands, uint32_t(partBytes[std::size_t(i)]));
            offset += partBytes[std::size_t(i)];
        }
        appendChunk(png, kBandChunk, bands.data(), bands.size());
    }
    for (std::size_t offset = 0; offset < stream.size(); offset += kIdatBytes) {
        appendChunk(png, chunkType("IDAT"), stream.data() + offset,
                    std::min(kIdatBytes, stream.size() - offset));
    }
    appendChunk(png, chunkType("IEND"), nullptr, 0);
    return png;
}
