#include "kelvopngrgbreader.h"

#include "kelvobyteorder.h"
#include "kelvoinflate.h"
#include "kelvoparallel.h"
#include "kelvopngchunks.h"
#include "kelvopngunfilterlanes.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

using namespace kelvopng;

namespace {

constexpr uint32_t kIhdr = chunkType("IHDR");
constexpr uint32_t kIdat = chunkType("IDAT");
constexpr uint32_t kIend = chunkType("IEND");
constexpr uint32_t kPlte = chunkType("PLTE"); // a suggested palette; RGB pixels ignore it
constexpr uint32_t kIhdrBytes = 13;
// A final fixed-code block holding only its end: closes a band for an inflater on its own.
constexpr uint8_t kClosingBlock[] = {0x03, 0x00};

enum Filter : uint8_t { None, Sub, Up, Average, Paeth };

int paeth(int a, int b, int c) {
    const int pa = std::abs(b - c);
    const int pb = std::abs(a - c);
    const int pc = std::abs(a + b - 2 * c);
    if (pa <= pb && pa <= pc) {
        return a;
    }
    return pb <= pc ? b : c;
}

// Undoes the filter of one row in place (the next row predicts from it) and writes its pixels;
// `predict(left, up, upLeft)` is the filter's predictor. `prior` is the row above, unfiltered.
// The row functions are kept out of line: a WebAssembly engine moves a function to optimised
// code between its calls, never during one, so rows unfiltered in one long call would all run
// in baseline code.
template <int Bpp, class Predictor>
[[gnu::noinline]] void unfilterRow(uint8_t* row, const uint8_t* prior, uint32_t* out, int width,
                                   Predictor predict) {
    int left[4] = {0, 0, 0, 0};
    int upLeft[4] = {0, 0, 0, 0};
    for (int x = 0; x < width; ++x, row += Bpp, prior += Bpp) {
        int sample[4] = {0, 0, 0, 0xff};
        for (int c = 0; c < Bpp; ++c) {
            const int up = prior[c];
            sample[c] = (row[c] + predict(left[c], up, upLeft[c])) & 0xff;
            row[c] = uint8_t(sample[c]);
            left[c] = sample[c];
            upLeft[c] = up;
        }
        out[x] = uint32_t(sample[3]) << 24 | uint32_t(sample[0]) << 16 | uint32_t(sample[1]) << 8 |
                 uint32_t(sample[2]);
    }
}

// Bytewise sum of two words of four samples, each byte modulo 256.
uint32_t addSamples(uint32_t x, uint32_t y) {
    return ((x & 0x7f7f7f7fu) + (y & 0x7f7f7f7fu)) ^ ((x ^ y) & 0x80808080u);
}

// The samples of one pixel as a word: R in the low byte, then G, B and A (0 without alpha).
template <int Bpp> uint32_t loadPixel(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 |
           (Bpp == 4 ? uint32_t(p[3]) << 24 : 0);
}

template <int Bpp> void storePixel(uint8_t* p, uint32_t v) {
    for (int c = 0; c < Bpp; ++c) {
        p[c] = uint8_t(v >> (8 * c));
    }
}

template <int Bpp> uint32_t toArgb(uint32_t v) {
    return (Bpp == 4 ? v & 0xff000000u : 0xff000000u) | (v & 0xff) << 16 | (v & 0xff00) |
           (v >> 16 & 0xff);
}

// Sub and Up, the filters of most rows, four pixels at a time where the target allows, then a
// pixel at a time: all but the last pixel of an RGB row are read as one word and the byte past
// them masked off. The unfiltered samples go back into the row only when `keep`: the next row
// predicts from them.
template <int Bpp, bool FromLeft>
[[gnu::noinline]] void unfilterWordRow(uint8_t* row, const uint8_t* prior, uint32_t* out, int width,
                                       bool keep) {
    const auto load = [width](const uint8_t* p, int x) {
        return Bpp == 4 || x + 1 < width ? kelvoGetLe32(p) & (Bpp == 4 ? ~0u : 0xffffffu)
                                         : loadPixel<Bpp>(p);
    };
    uint32_t left = 0;
    const int done = unfilterLanes<Bpp, FromLeft>(row, prior, out, width, keep, left);
    row += done * Bpp;
    prior += done * Bpp;
    for (int x = done; x < width; ++x, row += Bpp, prior += Bpp) {
        const uint32_t v = addSamples(load(row, x), FromLeft ? left : load(prior, x));
        if (keep) {
            storePixel<Bpp>(row, v);
        }
        out[x] = toArgb<Bpp>(v);
        left = v;
    }
}

// One band of rows whose compressed data can be inflated on its own (kelvopngchunks.h).
struct Band {
    int firstRow;
    std::size_t offset;
    std::size_t length;
};

// The bands a kbND chunk lists, when they cover the picture's rows and the stream's data in
// order; empty otherwise.
std::vector<Band> bandsOf(const Chunk& chunk, int height, std::size_t streamBytes) {
    if (chunk.length < 4) {
        return {};
    }
    const uint32_t count = kelvoGetBe32(chunk.data);
    if (count < 2 || count > uint32_t(height) || chunk.length != 4 + count * kBandEntryBytes) {
        return {};
    }
    std::vector<Band> bands;
    std::size_t expectedOffset = kZlibHeaderBytes;
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* entry = chunk.data + 4 + i * kBandEntryBytes;
        const Band band{int(kelvoGetBe32(entry)), kelvoGetBe32(entry + 4), kelvoGetBe32(entry + 8)};
        const int previousRow = bands.empty() ? -1 : bands.back().firstRow;
        if (band.firstRow <= previousRow || band.firstRow >= height ||
            band.offset != expectedOffset || (i == 0 && band.firstRow != 0)) {
            return {};
        }
        expectedOffset += band.length;
        bands.push_back(band);
    }
    if (expectedOffset + kZlibTrailerBytes != streamBytes) {
        return {};
    }
    return bands;
}

// The zlib stream as it lies in the IDAT chunks, read without joining them.
class IdatStream {
public:
    void add(const Chunk& chunk) {
        m_chunks.push_back(chunk);
        m_size += chunk.length;
    }
    std::size_t size() const { return m_size; }
    bool empty() const { return m_chunks.empty(); }

    // Calls take(data, n) for the pieces of the `length` bytes from `offset` on, which must
    // lie within the stream, while it returns true.
    template <class Take>
    bool forEachPiece(std::size_t offset, std::size_t length, Take take) const {
        for (const Chunk& chunk : m_chunks) {
            if (length == 0) {
                break;
            }
            if (offset >= chunk.length) {
                offset -= chunk.length;
                continue;
            }
            const std::size_t n = std::min<std::size_t>(length, chunk.length - offset);
            if (!take(chunk.data + offset, n)) {
                return false;
            }
            length -= n;
            offset = 0;
        }
        return true;
    }

    void copy(std::size_t offset, std::size_t length, uint8_t* out) const {
        forEachPiece(offset, length, [&out](const uint8_t* data, std::size_t n) {
            out = std::copy_n(data, n, out);
            return true;
        });
    }

private:
    std::vector<Chunk> m_chunks;
    std::size_t m_size = 0;
};

// Streaming inflate, fed the stream's pieces where they lie. Its state is tens of kilobytes:
// one per worker.
class Inflater {
public:
    // Inflates `length` bytes of `stream` from `offset` on into exactly `size` bytes at `out`:
    // a whole zlib stream, its Adler-32 checked (`zlib`), or one band of raw deflate data,
    // which ends on a flush point and is closed here with an empty final block.
    bool inflate(const IdatStream& stream, std::size_t offset, std::size_t length, uint8_t* out,
                 std::size_t size, bool zlib) {
        const auto take = [this](const uint8_t* data, std::size_t n) {
            return m_inflater.feed(data, n);
        };
        return m_inflater.begin(zlib, out, size) && stream.forEachPiece(offset, length, take) &&
               (zlib || take(kClosingBlock, sizeof(kClosingBlock))) && m_inflater.finish();
    }

private:
    KelvoInflater m_inflater;
};

// Inflates and unfilters the pixel data of one picture into its target's rows, or compares
// them with the target's rows.
class RgbDecoder {
public:
    RgbDecoder(const KelvoPixelBuffer& target, int bpp, bool compare)
        : m_target(target), m_bpp(bpp), m_compare(compare),
          m_rowBytes(std::size_t(target.width) * bpp + 1), m_zeros(m_rowBytes, 0) {}

    bool decodeWhole(const IdatStream& stream) {
        const std::size_t size = m_rowBytes * std::size_t(m_target.height);
        Inflater inflater;
        const auto inflate = [&](uint8_t* into) {
            return inflater.inflate(stream, 0, stream.size(), into, size, true);
        };
        const int inPlace = rowsInPlace();
        if (inPlace > 0) {
            return decodeInPlace(inflate, inPlace);
        }
        const std::unique_ptr<uint8_t[]> filtered(new (std::nothrow) uint8_t[size]);
        std::vector<uint32_t> row(m_compare ? std::size_t(m_target.width) : 0);
        return filtered && inflate(filtered.get()) &&
               unfilterRows(filtered.get(), 0, m_target.height, m_zeros.data(), row.data());
    }

    // Each band is inflated into a worker's own buffer, which stays in cache, and unfiltered
    // from there; a band must start with a row that does not predict from the row above. The
    // bands' Adler-32 sums must make the stream's.
    bool decodeBands(const IdatStream& stream, const std::vector<Band>& bands) {
        uint8_t header[kZlibHeaderBytes];
        uint8_t trailer[kZlibTrailerBytes];
        stream.copy(0, sizeof(header), header);
        stream.copy(stream.size() - sizeof(trailer), sizeof(trailer), trailer);
        // As the whole stream's inflater would insist.
        if (!zlibHeaderValid(header)) {
            return false;
        }
        struct Scratch {
            std::vector<uint8_t> filtered;
            std::vector<uint32_t> row;
            Inflater inflater;
        };
        std::vector<Scratch> scratch(kKelvoPngThreads);
        std::vector<char> decoded(bands.size(), 0);
        std::vector<uLong> adlers(bands.size(), 1);
        const auto rowsOf = [&](std::size_t i) {
            const int last = i + 1 < bands.size() ? bands[i + 1].firstRow : m_target.height;
            return std::size_t(last - bands[i].firstRow);
        };
        kelvoRunParallel(bands.size(), scratch.size(), [&](std::size_t i, std::size_t worker) {
            Scratch& own = scratch[worker];
            own.filtered.resize(m_rowBytes * rowsOf(i));
            own.row.resize(m_compare ? std::size_t(m_target.width) : 0);
            if (!own.inflater.inflate(stream, bands[i].offset, bands[i].length, own.filtered.data(),
                                      own.filtered.size(), false) ||
                (own.filtered[0] != None && own.filtered[0] != Sub)) {
                return;
            }
            adlers[i] = kelvoAdler32(1, own.filtered.data(), own.filtered.size());
            const int first = bands[i].firstRow;
            decoded[i] = unfilterRows(own.filtered.data(), first, first + int(rowsOf(i)),
                                      m_zeros.data(), own.row.data());
        });
        uLong adler = 1;
        for (std::size_t i = 0; i < bands.size(); ++i) {
            if (!decoded[i]) {
                return false;
            }
            adler = adler32_combine(adler, adlers[i], z_off_t(m_rowBytes * rowsOf(i)));
        }
        return adler == kelvoGetBe32(trailer);
    }

private:
    // RGB rows are shorter than the pixel rows they become, so the stream can be inflated into
    // the end of the target's own memory and unfiltered from there, sparing a buffer of the
    // picture's size: row y is safe while its output row ends before the unfiltered row
    // above it, which it predicts from, begins. The number of such rows from the top; 0 when
    // the target is compared, has alpha, padded rows or too few rows for it.
    int rowsInPlace() const {
        if (m_compare || m_bpp != 3 || m_target.stride != m_target.width) {
            return 0;
        }
        const std::size_t outputRow = std::size_t(m_target.width) * sizeof(uint32_t);
        const std::size_t start =
            outputRow * std::size_t(m_target.height) - m_rowBytes * std::size_t(m_target.height);
        int rows = 0;
        while (rows < m_target.height && start + m_rowBytes * std::size_t(std::max(rows - 1, 0)) >=
                                             outputRow * std::size_t(rows + 1)) {
            ++rows;
        }
        return rows;
    }

    // The rows past the safe ones are copied out before any is unfiltered, and unfiltered
    // from the copy after the last safe row, itself copied as their first prior.
    template <class Inflate> bool decodeInPlace(const Inflate& inflate, int safeRows) {
        const int height = m_target.height;
        uint8_t* memory = reinterpret_cast<uint8_t*>(m_target.pixels);
        uint8_t* lines = memory + std::size_t(m_target.width) * sizeof(uint32_t) * height -
                         m_rowBytes * std::size_t(height);
        if (!inflate(lines)) {
            return false;
        }
        const std::size_t tailRows = std::size_t(height - safeRows);
        std::vector<uint8_t> tail(m_rowBytes * (tailRows + 1));
        std::copy_n(lines + m_rowBytes * std::size_t(safeRows), m_rowBytes * tailRows,
                    tail.begin() + std::ptrdiff_t(m_rowBytes));
        if (!unfilterRows(lines, 0, safeRows, m_zeros.data(), nullptr)) {
            return false;
        }
        if (tailRows == 0) {
            return true;
        }
        std::copy_n(lines + m_rowBytes * std::size_t(safeRows - 1), m_rowBytes, tail.begin());
        return unfilterRows(tail.data() + m_rowBytes, safeRows, height, tail.data() + 1, nullptr);
    }

    // Rows [first, last), held in `lines` from row `first` on; the first predicts from
    // `prior` (zeros for the top row, and for a band's first row, which never looks up). `row`
    // is where rows go to be compared.
    bool unfilterRows(uint8_t* lines, int first, int last, const uint8_t* prior, uint32_t* row) {
        return m_bpp == 4 ? unfilterRows<4>(lines, first, last, prior, row)
                          : unfilterRows<3>(lines, first, last, prior, row);
    }

    template <int Bpp>
    bool unfilterRows(uint8_t* lines, int first, int last, const uint8_t* prior, uint32_t* row) {
        const int width = m_target.width;
        const uint32_t compared = Bpp == 4 ? 0xffffffffu : 0x00ffffffu;
        for (int y = first; y < last; ++y) {
            uint8_t* line = lines + m_rowBytes * std::size_t(y - first);
            uint8_t* samples = line + 1;
            uint32_t* out = m_compare ? row : m_target.row(y);
            // Rows of None or Sub never look at the row above; the last one's successor is
            // not known here.
            const bool keep = y + 1 == last || line[m_rowBytes] > Sub;
            switch (line[0]) {
            case None:
                unfilterRow<Bpp>(samples, prior, out, width, [](int, int, int) { return 0; });
                break;
            case Sub:
                unfilterWordRow<Bpp, true>(samples, prior, out, width, keep);
                break;
            case Up:
                unfilterWordRow<Bpp, false>(samples, prior, out, width, keep);
                break;
            case Average:
                unfilterRow<Bpp>(samples, prior, out, width,
                                 [](int a, int b, int) { return (a + b) >> 1; });
                break;
            case Paeth:
                unfilterRow<Bpp>(samples, prior, out, width, paeth);
                break;
            default:
                return false;
            }
            if (m_compare) {
                const uint32_t* expected = m_target.row(y);
                for (int x = 0; x < width; ++x) {
                    if ((out[x] ^ expected[x]) & compared) {
                        return false;
                    }
                }
            }
            prior = samples;
        }
        return true;
    }

    const KelvoPixelBuffer& m_target;
    int m_bpp;
    bool m_compare;
    std::size_t m_rowBytes;
    std::vector<uint8_t> m_zeros;
};

// Reads the picture into `target`'s rows, or compares it with them when `compare`.
bool decodeRgbPng(const uint8_t* data, std::size_t size, const KelvoPixelBuffer& target,
                  bool compare, int expectedColourType) {
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
        (colourType != Rgb && colourType != Rgba) ||
        (expectedColourType >= 0 && colourType != expectedColourType) || ihdr[10] != 0 ||
        ihdr[11] != 0 || ihdr[12] != 0) {
        return false;
    }
    IdatStream stream;
    Chunk bandChunk;
    bool ended = false;
    while (!ended && walker.next(chunk)) {
        if (!chunk.crcValid) {
            return false;
        }
        if (chunk.type == kIdat) {
            stream.add(chunk);
        } else if (chunk.type == kBandChunk) {
            bandChunk = chunk;
        } else if (chunk.type == kIend) {
            ended = true;
        } else if (isCritical(chunk.type) && chunk.type != kPlte) {
            return false;
        }
    }
    if (!ended || stream.empty()) {
        return false;
    }
    RgbDecoder decoder(target, colourType == Rgba ? 4 : 3, compare);
    const std::vector<Band> bands =
        bandChunk.data ? bandsOf(bandChunk, target.height, stream.size()) : std::vector<Band>();
    if (!bands.empty() && decoder.decodeBands(stream, bands)) {
        return true;
    }
    return decoder.decodeWhole(stream);
}

} // namespace

bool kelvoReadRgbPng(const uint8_t* data, std::size_t size, const KelvoPixelBuffer& target) {
    return decodeRgbPng(data, size, target, false, -1);
}

bool kelvoPngHolds(const uint8_t* data, std::size_t size, const KelvoPixelBuffer& expected,
                   bool alpha) {
    return expected.depth == 32 && decodeRgbPng(data, size, expected, true, alpha ? Rgba : Rgb);
}
