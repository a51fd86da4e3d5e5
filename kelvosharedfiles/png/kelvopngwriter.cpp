#include "kelvopngwriter.h"

#include "kelvobyteorder.h"
#include "kelvopngchunks.h"
#include "kelvozlibstream.h"

#include <algorithm>
#include <utility>

#include <zlib.h>

using namespace kelvopng;

namespace {

constexpr std::size_t kIdatBytes = std::size_t(1) << 20;
// Rows are filtered and compressed about this many bytes at a time, while they are in cache.
constexpr std::size_t kPieceBytes = std::size_t(120) << 10;
constexpr uint8_t kSubFilter = 1;
// Bands of about this many filtered bytes: a reader inflates each into a buffer that stays in
// cache. Every band costs a flush point and its own code tables, so not too few rows either.
constexpr std::size_t kBandBytes = std::size_t(1) << 20;
constexpr int kMinRowsPerBand = 16;

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

// Rows [first, last) as filtered scanlines, handed out a few rows at a time.
KelvoZlibPart filteredRows(const KelvoPixelBuffer& pixels, bool alpha, int first, int last) {
    const std::size_t rowBytes = std::size_t(pixels.width) * (alpha ? 4 : 3) + 1;
    const int rowsPerPiece = int(std::max<std::size_t>(1, kPieceBytes / rowBytes));
    KelvoZlibPart part;
    part.bytes = rowBytes * std::size_t(last - first);
    part.next = [&pixels, alpha, rowBytes, rowsPerPiece, y = first,
                 last](std::vector<uint8_t>& piece) mutable {
        const int rows = std::min(rowsPerPiece, last - y);
        if (rows <= 0) {
            return false;
        }
        piece.resize(rowBytes * std::size_t(rows));
        for (int i = 0; i < rows; ++i, ++y) {
            uint8_t* row = piece.data() + rowBytes * std::size_t(i);
            if (alpha) {
                filterRow<4>(pixels.row(y), pixels.width, row);
            } else {
                filterRow<3>(pixels.row(y), pixels.width, row);
            }
        }
        return true;
    };
    return part;
}

// The zlib stream as IDAT chunks of at most kIdatBytes, each chunk's CRC over its bytes as
// copied into `png`.
void appendIdats(std::vector<uint8_t>& png, const KelvoZlibStream& stream) {
    std::vector<std::pair<const uint8_t*, std::size_t>> spans;
    spans.emplace_back(KelvoZlibStream::kZlibHeader, sizeof(KelvoZlibStream::kZlibHeader));
    for (const KelvoDeflateBytes& part : stream.parts) {
        spans.emplace_back(part.data(), part.size());
    }
    const uint8_t trailer[kZlibTrailerBytes] = {uint8_t(stream.adler >> 24),
                                                uint8_t(stream.adler >> 16),
                                                uint8_t(stream.adler >> 8), uint8_t(stream.adler)};
    spans.emplace_back(trailer, sizeof(trailer));

    std::size_t remaining = 0;
    for (const auto& span : spans) {
        remaining += span.second;
    }
    std::size_t span = 0;
    std::size_t taken = 0; // of spans[span]
    while (remaining > 0) {
        const std::size_t length = std::min(kIdatBytes, remaining);
        beginChunk(png, chunkType("IDAT"), length);
        for (std::size_t left = length; left > 0;) {
            const std::size_t n = std::min(left, spans[span].second - taken);
            png.insert(png.end(), spans[span].first + taken, spans[span].first + taken + n);
            left -= n;
            taken += n;
            if (taken == spans[span].second) {
                ++span;
                taken = 0;
            }
        }
        endChunk(png, length);
        remaining -= length;
    }
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
    const std::size_t filteredBytes =
        (std::size_t(pixels.width) * (alpha ? 4 : 3) + 1) * std::size_t(pixels.height);
    const int wanted = int(std::max<std::size_t>(std::size_t(std::max(threads, 1)),
                                                 (filteredBytes + kBandBytes - 1) / kBandBytes));
    const int parts = std::clamp(pixels.height / kMinRowsPerBand, 1, wanted);
    const auto rowAt = [&](int i) { return int(int64_t(pixels.height) * i / parts); };
    const KelvoZlibStream stream = kelvoZlibStream(
        [&](int index, int) { return filteredRows(pixels, alpha, rowAt(index), rowAt(index + 1)); },
        parts, threads);
    if (stream.parts.empty()) {
        return {};
    }
    std::size_t streamBytes = sizeof(KelvoZlibStream::kZlibHeader) + kZlibTrailerBytes;
    for (const KelvoDeflateBytes& part : stream.parts) {
        streamBytes += part.size();
    }

    std::vector<uint8_t> png(std::begin(kSignature), std::end(kSignature));
    png.reserve(streamBytes + (streamBytes / kIdatBytes + 1) * 12 + iccProfile.size() +
                std::size_t(parts) * kBandEntryBytes + 1024);
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
            const std::size_t bytes = stream.parts[std::size_t(i)].size();
            kelvoPutBe32(bands, uint32_t(rowAt(i)));
            kelvoPutBe32(bands, uint32_t(offset));
            kelvoPutBe32(bands, uint32_t(bytes));
            offset += bytes;
        }
        appendChunk(png, kBandChunk, bands.data(), bands.size());
    }
    appendIdats(png, stream);
    appendChunk(png, chunkType("IEND"), nullptr, 0);
    return png;
}
