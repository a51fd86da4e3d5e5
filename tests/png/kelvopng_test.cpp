// The PNG writer read back by the reader, both stream joins, the limits and damaged streams.
#include "codectestsupport.h"
#include "kelvobyteorder.h"
#include "kelvohuffmandeflate.h"
#include "kelvopngchunks.h"
#include "kelvopngreader.h"
#include "kelvopngrgbreader.h"
#include "kelvopngwriter.h"
#include "pngtestfile.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <random>

namespace {

// Noise in every bit, as coded pictures have in their low bits; opaque unless `alpha`.
TestPicture noise(int width, int height, bool alpha, uint32_t seed) {
    TestPicture picture(width, height, seed);
    std::mt19937 random(seed);
    for (uint32_t& p : picture.pixels) {
        p = uint32_t(random()) | (alpha ? 0 : 0xff000000u);
    }
    return picture;
}

KelvoPngStatus read(const Bytes& png, TestPicture& out, KelvoPngHeader* header = nullptr) {
    KelvoPngReader reader(png.data(), png.size());
    KelvoPngHeader read;
    if (const KelvoPngStatus status = reader.readHeader(read); status != KelvoPngStatus::Ok) {
        return status;
    }
    if (header) {
        *header = read;
    }
    out = TestPicture(read.width, read.height, 0);
    return reader.readPixels(out.buffer());
}

// The data of the chunks of `type`, joined; `first` takes where the first one's data begins.
Bytes chunkData(const Bytes& png, uint32_t type, std::size_t* first = nullptr) {
    Bytes data;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const uint32_t length = kelvoGetBe32(&png[at]);
        if (kelvoGetBe32(&png[at + 4]) == type) {
            if (first) {
                *first = at + 8;
                first = nullptr;
            }
            data.insert(data.end(), png.begin() + std::ptrdiff_t(at + 8),
                        png.begin() + std::ptrdiff_t(at + 8 + length));
        }
        at += 12 + length;
    }
    return data;
}

// zlib's verdict on the PNG's stream: Z_OK when it inflates whole to `rawBytes` with its
// checksum.
int zlibInflates(const Bytes& png, std::size_t rawBytes) {
    const Bytes stream = chunkData(png, kelvopng::chunkType("IDAT"));
    Bytes raw(rawBytes + 1);
    uLongf size = uLongf(raw.size());
    const int result = uncompress(raw.data(), &size, stream.data(), uLong(stream.size()));
    return result == Z_OK && size != rawBytes ? Z_DATA_ERROR : result;
}

struct Written {
    int width;
    int blockRows;
    const char* pattern; // per block of rows: 'f' flat, 'n' noise
    bool alpha;
    int threads;
};

class PngWritten : public ::testing::TestWithParam<Written> {};

} // namespace

// Every bit survives, whether the stream is one part or joined from several, and the joined
// stream is an ordinary zlib stream: zlib's inflate reads it whole with its checksum. Rows of one
// colour filter to runs of zeros, which go to zlib with string matching instead of the Huffman
// coder: alone, beside noisy rows before and after, across pieces (about 100 rows here) and
// bands, and at the stream's end; they cost next to nothing. The check of a written file finds a
// change of one bit in any band, and alpha where the file has none; without alpha it looks at
// the low 24 bits only.
TEST_P(PngWritten, readsBackEveryBitAsZlibDoes) {
    const Written param = GetParam();
    const std::string pattern = param.pattern;
    const int height = int(pattern.size()) * param.blockRows;
    const std::size_t blockPixels = std::size_t(param.blockRows) * std::size_t(param.width);
    const std::size_t channels = param.alpha ? 4 : 3;
    TestPicture picture = noise(param.width, height, param.alpha, 5);
    std::size_t noisyBytes = 0;
    for (std::size_t block = 0; block < pattern.size(); ++block) {
        const auto first = picture.pixels.begin() + std::ptrdiff_t(block * blockPixels);
        if (pattern[block] == 'f') {
            std::fill(first, first + std::ptrdiff_t(blockPixels), 0xff3080c0u + uint32_t(block));
        } else {
            noisyBytes += blockPixels * channels;
        }
    }
    const Bytes png = kelvoWritePng(picture.buffer(), param.alpha, {}, param.threads);
    ASSERT_FALSE(png.empty());
    EXPECT_LT(png.size(), noisyBytes + noisyBytes / 20 + 4096);
    EXPECT_EQ(zlibInflates(png, (param.width * channels + 1) * std::size_t(height)), Z_OK);
    TestPicture back;
    KelvoPngHeader header;
    ASSERT_EQ(read(png, back, &header), KelvoPngStatus::Ok);
    EXPECT_EQ(header.hasAlpha, param.alpha);
    EXPECT_EQ(header.qtDepth, 32);
    EXPECT_EQ(back.pixels, picture.pixels);

    EXPECT_TRUE(kelvoPngHolds(png.data(), png.size(), picture.buffer(), param.alpha));
    EXPECT_EQ(kelvoPngHolds(png.data(), png.size(), picture.buffer(), true), param.alpha);
    for (const std::size_t at :
         {std::size_t(0), picture.pixels.size() / 2, picture.pixels.size() - 1}) {
        TestPicture changed = picture;
        changed.pixels[at] ^= 0x00000100u;
        EXPECT_FALSE(kelvoPngHolds(png.data(), png.size(), changed.buffer(), param.alpha)) << at;
        changed.pixels[at] ^= 0x01000100u;
        EXPECT_NE(kelvoPngHolds(png.data(), png.size(), changed.buffer(), param.alpha), param.alpha)
            << at;
    }
    if (picture.pixels.size() < 5000) {
        writeFuzzSeed("fuzz_png",
                      "written_" + std::to_string(param.width) + "x" + std::to_string(height) +
                          (param.alpha ? "_rgba" : "_rgb"),
                      png);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, PngWritten,
    ::testing::Values(Written{1, 1, "n", false, 2}, Written{7, 5, "n", true, 2},
                      Written{64, 40, "n", false, 1}, Written{300, 257, "n", false, 2},
                      Written{300, 257, "n", true, 2}, Written{123, 1000, "n", false, 4},
                      Written{1000, 700, "n", true, 2}, Written{400, 64, "f", false, 1},
                      Written{400, 64, "ffffffffffff", false, 2},
                      Written{400, 64, "ffnn", false, 2}, Written{400, 64, "nnff", false, 1},
                      Written{400, 64, "fnfnfnfnfnfn", false, 2},
                      Written{400, 64, "nnnnnnfffffffffnnnnnn", false, 3}));

// Byte counts that grow like Fibonacci numbers make an optimal code as deep as there are
// values, less one: 15 values reach the literal codes' 14-bit cap exactly, more go beyond it and
// must be limited to a code that is still complete and fits the bit writer. zlib's raw inflate
// reads back blocks of every such shape, mixed with a flush, beside the few-value extremes.
struct SkewedBytes {
    int fibonacciValues;
    int flatValues; // more values that occur once each
};

class HuffmanCodeLengths : public ::testing::TestWithParam<SkewedBytes> {};

TEST_P(HuffmanCodeLengths, inflateExactlyWithZlib) {
    Bytes data;
    uint32_t a = 1;
    uint32_t b = 1;
    for (int value = 0; value < GetParam().fibonacciValues; ++value, std::swap(a, b), b += a) {
        data.insert(data.end(), a, uint8_t(value * 7));
    }
    for (int value = 0; value < GetParam().flatValues; ++value) {
        data.push_back(uint8_t(255 - value));
    }
    std::shuffle(data.begin(), data.end(), std::mt19937(3));
    KelvoDeflateBytes out;
    KelvoHuffmanDeflater deflater(out);
    deflater.write(data.data(), data.size() / 3, false);
    deflater.flush(false);
    deflater.write(data.data() + data.size() / 3, data.size() - data.size() / 3, true);

    z_stream stream{};
    ASSERT_EQ(inflateInit2(&stream, -15), Z_OK);
    Bytes back(data.size() + 1);
    stream.next_in = out.data();
    stream.avail_in = uInt(out.size());
    stream.next_out = back.data();
    stream.avail_out = uInt(back.size());
    EXPECT_EQ(inflate(&stream, Z_FINISH), Z_STREAM_END);
    back.resize(stream.total_out);
    inflateEnd(&stream);
    EXPECT_EQ(back, data);
}

INSTANTIATE_TEST_SUITE_P(Shapes, HuffmanCodeLengths,
                         ::testing::Values(SkewedBytes{1, 0}, SkewedBytes{2, 0}, SkewedBytes{15, 0},
                                           SkewedBytes{16, 0}, SkewedBytes{24, 0},
                                           SkewedBytes{15, 200}, SkewedBytes{24, 232}));

// How the reader takes the header of an 8-bit RGB PNG of the given size without pixel data.
KelvoPngStatus headerStatus(uint32_t width, uint32_t height) {
    Bytes ihdr;
    kelvoPutBe32(ihdr, width);
    kelvoPutBe32(ihdr, height);
    ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});
    Bytes png(std::begin(kelvopng::kSignature), std::end(kelvopng::kSignature));
    kelvopng::appendChunk(png, kelvopng::chunkType("IHDR"), ihdr.data(), ihdr.size());
    kelvopng::appendChunk(png, kelvopng::chunkType("IDAT"), nullptr, 0);
    kelvopng::appendChunk(png, kelvopng::chunkType("IEND"), nullptr, 0);
    KelvoPngReader reader(png.data(), png.size());
    KelvoPngHeader header;
    return reader.readHeader(header);
}

// The band list only lets the reader inflate bands at the same time: a list that does not fit
// the stream or the picture is passed over, and the picture still reads exactly.
TEST(PngReader, bandListIsOnlyAHint) {
    TestPicture picture = noise(90, 400, false, 8);
    const Bytes png = kelvoWritePng(picture.buffer(), false, {}, 2);
    std::size_t bands = 0;
    ASSERT_FALSE(chunkData(png, kelvopng::kBandChunk, &bands).empty());
    ASSERT_EQ(kelvoGetBe32(&png[bands]), 2u);
    const std::size_t lengthAt = bands - 8;
    constexpr std::size_t kSecond = 4 + kelvopng::kBandEntryBytes; // the second band's entry
    const struct {
        const char* what;
        std::size_t field;
        uint32_t add;
    } forgeries[] = {{"count", 0, 1},
                     {"count below two", 0, uint32_t(-1)},
                     {"second band's first row", kSecond, 1},
                     {"second band's first row past the picture", kSecond, 400},
                     {"second band's offset", kSecond + 4, 1},
                     {"first band's length", 4 + 8, 1},
                     {"last band's length past the stream", kSecond + 8, 100000},
                     {"last band's length short of the stream", kSecond + 8, uint32_t(-5)}};
    const auto setBe32 = [](Bytes& bytes, std::size_t at, uint32_t value) {
        Bytes be;
        kelvoPutBe32(be, value);
        std::copy(be.begin(), be.end(), bytes.begin() + std::ptrdiff_t(at));
    };
    for (const auto& forgery : forgeries) {
        Bytes forged = png;
        const std::size_t field = bands + forgery.field;
        setBe32(forged, field, kelvoGetBe32(&forged[field]) + forgery.add);
        const uint32_t length = kelvoGetBe32(&forged[lengthAt]);
        setBe32(forged, bands + length,
                uint32_t(crc32(0, &forged[lengthAt + 4], uInt(length + 4))));
        TestPicture back;
        ASSERT_EQ(read(forged, back), KelvoPngStatus::Ok) << forgery.what;
        EXPECT_EQ(back.pixels, picture.pixels) << forgery.what;
        EXPECT_TRUE(kelvoPngHolds(forged.data(), forged.size(), picture.buffer(), false))
            << forgery.what;
    }
}

// Files made with zlib in bands. A band must start with a row that does not
// look up (None, Sub) to be inflated on its own; a list whose band starts with Up, Average or
// Paeth makes the reader take the stream whole: every way gives the pixels, as zlib does. A
// band's data cut short, with the list made to fit the shortened stream, is refused by zlib, and
// so by the fast reader, band by band or whole, rather than give part of a picture; nor does the
// whole reader fall back to a decoder that would read it as whole.
struct Banded {
    uint8_t filter;
    std::size_t cutBand;
    std::size_t cut;
};

class PngBanded : public ::testing::TestWithParam<Banded> {};

TEST_P(PngBanded, readsAsZlibReads) {
    // A 97 x 120 RGB picture in bands from rows 0, 40 and 80 (see PngTestKind), and its pixels.
    PngTestKind kind;
    TestPicture picture;
    kind.width = picture.width = 97;
    kind.height = picture.height = 120;
    kind.bandRows = {0, 40, 80};
    kind.bandFilter = GetParam().filter;
    kind.cutBand = GetParam().cutBand;
    kind.cut = GetParam().cut;
    const Bytes png = makeTestPng(kind, &picture.pixels);
    const bool whole = GetParam().cut == 0;
    EXPECT_EQ(zlibInflates(png, (97 * 3 + 1) * 120) == Z_OK, whole);
    TestPicture fast = picture;
    EXPECT_EQ(kelvoReadRgbPng(png.data(), png.size(), fast.buffer()), whole);
    EXPECT_EQ(kelvoPngHolds(png.data(), png.size(), picture.buffer(), false), whole);
    TestPicture back;
    ASSERT_EQ(read(png, back), whole ? KelvoPngStatus::Ok : KelvoPngStatus::Damaged);
    EXPECT_TRUE(!whole || back.pixels == picture.pixels);
}

INSTANTIATE_TEST_SUITE_P(FiltersAndCuts, PngBanded,
                         ::testing::Values(Banded{0, 0, 0}, Banded{1, 0, 0}, Banded{2, 0, 0},
                                           Banded{3, 0, 0}, Banded{4, 0, 0}, Banded{1, 0, 1},
                                           Banded{1, 1, 1}, Banded{1, 1, 4000}, Banded{1, 2, 1},
                                           Banded{1, 2, 6000}));

// Limits are checked on the header, before any pixel memory is taken: 256 MB of 32-bit pixels
// at most, and no side beyond kMaxSide. Damage anywhere gives a refusal, never a crash or a
// half-read picture reported as whole.
TEST(PngReader, refusesPicturesBeyondTheLimitsAndDamagedStreams) {
    EXPECT_EQ(headerStatus(8192, 8192), KelvoPngStatus::Ok);
    EXPECT_EQ(headerStatus(8192, 8193), KelvoPngStatus::TooLarge);
    EXPECT_EQ(headerStatus(1u << 30, 1u << 30), KelvoPngStatus::TooLarge);
    EXPECT_EQ(headerStatus(KelvoPngReader::kMaxSide + 1, 1), KelvoPngStatus::TooLarge);

    TestPicture picture = noise(40, 30, true, 5);
    const Bytes png = kelvoWritePng(picture.buffer(), true);
    TestPicture out;
    EXPECT_EQ(read(Bytes(png.begin(), png.begin() + 7), out), KelvoPngStatus::NotPng);
    for (const std::size_t cut : {std::size_t(20), std::size_t(40), png.size() / 2}) {
        EXPECT_NE(read(Bytes(png.begin(), png.begin() + std::ptrdiff_t(cut)), out),
                  KelvoPngStatus::Ok)
            << "cut at " << cut;
    }
    // Without the end chunk and the last CRC the pixel data is still whole (its Adler-32 holds):
    // refused or read exactly.
    const Bytes unended(png.begin(), png.end() - 13);
    if (read(unended, out) == KelvoPngStatus::Ok) {
        EXPECT_EQ(out.pixels, picture.pixels);
    }
    Bytes flipped = png;
    flipped[png.size() / 2] ^= 0x10; // in the IDAT data: its CRC no longer holds
    EXPECT_EQ(read(flipped, out), KelvoPngStatus::Damaged);
    writeFuzzSeed("fuzz_png", "flipped_idat_bit", flipped);
}
