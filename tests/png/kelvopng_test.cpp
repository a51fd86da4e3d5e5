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

// The zlib stream of the IDAT chunks, joined.
Bytes idatStream(const Bytes& png) {
    Bytes stream;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const uint32_t length = kelvoGetBe32(&png[at]);
        if (kelvoGetBe32(&png[at + 4]) == kelvopng::chunkType("IDAT")) {
            stream.insert(stream.end(), png.begin() + std::ptrdiff_t(at + 8),
                          png.begin() + std::ptrdiff_t(at + 8 + length));
        }
        at += 12 + length;
    }
    return stream;
}

// zlib's verdict on the PNG's stream: Z_OK when it inflates whole to `rawBytes` with its
// checksum.
int zlibInflates(const Bytes& png, std::size_t rawBytes) {
    const Bytes stream = idatStream(png);
    Bytes raw(rawBytes + 1);
    uLongf size = uLongf(raw.size());
    const int result = uncompress(raw.data(), &size, stream.data(), uLong(stream.size()));
    return result == Z_OK && size != rawBytes ? Z_DATA_ERROR : result;
}

// A 97 x 120 RGB picture in bands from rows 0, 40 and 80 (see PngTestKind), and its pixels.
Bytes bandedPng(TestPicture& picture, uint8_t bandFilter, std::size_t cutBand = 0,
                std::size_t cut = 0) {
    PngTestKind kind;
    kind.width = picture.width = 97;
    kind.height = picture.height = 120;
    kind.bandRows = {0, 40, 80};
    kind.bandFilter = bandFilter;
    kind.cutBand = cutBand;
    kind.cut = cut;
    return makeTestPng(kind, &picture.pixels);
}

struct RoundTrip {
    int width;
    int height;
    bool alpha;
    int threads;
};

class PngRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

} // namespace

// Every bit survives, whether the stream is one part or joined from several.
TEST_P(PngRoundTrip, readsBackEveryBit) {
    const RoundTrip param = GetParam();
    TestPicture picture = noise(param.width, param.height, param.alpha, 11);
    const Bytes png = kelvoWritePng(picture.buffer(), param.alpha, {}, param.threads);
    ASSERT_FALSE(png.empty());
    TestPicture back;
    KelvoPngHeader header;
    ASSERT_EQ(read(png, back, &header), KelvoPngStatus::Ok);
    EXPECT_EQ(header.hasAlpha, param.alpha);
    EXPECT_EQ(header.qtDepth, 32);
    EXPECT_EQ(back.pixels, picture.pixels);
    if (param.width * param.height < 5000) {
        writeFuzzSeed("fuzz_png",
                      "written_" + std::to_string(param.width) + "x" +
                          std::to_string(param.height) + (param.alpha ? "_rgba" : "_rgb"),
                      png);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, PngRoundTrip,
                         ::testing::Values(RoundTrip{1, 1, false, 2}, RoundTrip{7, 5, true, 2},
                                           RoundTrip{64, 40, false, 1},
                                           RoundTrip{300, 257, false, 2},
                                           RoundTrip{300, 257, true, 2},
                                           RoundTrip{123, 1000, false, 4},
                                           RoundTrip{1000, 700, true, 2}));

// The check of a written file finds a change of one bit in any band, and alpha where the file
// has none; without alpha it looks at the low 24 bits only.
TEST(PngWriter, checkFindsAnyChangedPixel) {
    TestPicture picture = noise(1000, 700, false, 4);
    const Bytes png = kelvoWritePng(picture.buffer(), false);
    EXPECT_TRUE(kelvoPngHolds(png.data(), png.size(), picture.buffer(), false));
    EXPECT_FALSE(kelvoPngHolds(png.data(), png.size(), picture.buffer(), true));
    for (const std::size_t at :
         {std::size_t(0), picture.pixels.size() / 2, picture.pixels.size() - 1}) {
        TestPicture changed = picture;
        changed.pixels[at] ^= 0x00000100u;
        EXPECT_FALSE(kelvoPngHolds(png.data(), png.size(), changed.buffer(), false)) << at;
        changed.pixels[at] ^= 0x01000100u;
        EXPECT_TRUE(kelvoPngHolds(png.data(), png.size(), changed.buffer(), false)) << at;
    }
}

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

// The joined stream is an ordinary zlib stream. Rows of one colour filter to runs of zeros,
// which go to zlib with string matching instead of the Huffman coder: alone, beside noisy rows
// before and after, across pieces (about 100 rows here) and bands, and at the stream's end. zlib's
// inflate reads the joined stream whole with its checksum, our reader gives every pixel back, and
// flat rows cost next to nothing.
struct FlatRows {
    const char* pattern; // per block of 64 rows: 'f' flat, 'n' noise
    int threads;
};

class PngFlatRows : public ::testing::TestWithParam<FlatRows> {};

TEST_P(PngFlatRows, readBackExactlyAndCompress) {
    constexpr int kWidth = 400;
    constexpr int kBlockRows = 64;
    const std::string pattern = GetParam().pattern;
    const int height = int(pattern.size()) * kBlockRows;
    TestPicture picture = noise(kWidth, height, false, 5);
    std::size_t noisyBytes = 0;
    for (std::size_t block = 0; block < pattern.size(); ++block) {
        const auto first = picture.pixels.begin() + std::ptrdiff_t(block * kBlockRows * kWidth);
        if (pattern[block] == 'f') {
            std::fill(first, first + kBlockRows * kWidth, 0xff3080c0u + uint32_t(block));
        } else {
            noisyBytes += std::size_t(kBlockRows) * kWidth * 3;
        }
    }
    const Bytes png = kelvoWritePng(picture.buffer(), false, {}, GetParam().threads);
    ASSERT_FALSE(png.empty());
    EXPECT_LT(png.size(), noisyBytes + noisyBytes / 20 + 4096);

    EXPECT_EQ(zlibInflates(png, std::size_t(kWidth * 3 + 1) * height), Z_OK);
    TestPicture back;
    ASSERT_EQ(read(png, back), KelvoPngStatus::Ok);
    EXPECT_EQ(back.pixels, picture.pixels);
    EXPECT_TRUE(kelvoPngHolds(png.data(), png.size(), picture.buffer(), false));
}

INSTANTIATE_TEST_SUITE_P(Patterns, PngFlatRows,
                         ::testing::Values(FlatRows{"nnnnn", 3}, FlatRows{"f", 1},
                                           FlatRows{"ffffffffffff", 2}, FlatRows{"ffnn", 2},
                                           FlatRows{"nnff", 1}, FlatRows{"fnfnfnfnfnfn", 2},
                                           FlatRows{"nnnnnnfffffffffnnnnnn", 3}));

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

// The byte offset of the data of the first chunk of `type` ("kbND"), or 0.
std::size_t chunkData(const Bytes& png, const char* type) {
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const uint32_t length = kelvoGetBe32(&png[at]);
        if (std::equal(type, type + 4, png.begin() + std::ptrdiff_t(at + 4))) {
            return at + 8;
        }
        at += 12 + length;
    }
    return 0;
}

// The band list only lets the reader inflate bands at the same time: a list that does not fit
// the stream or the picture is passed over, and the picture still reads exactly.
TEST(PngReader, bandListIsOnlyAHint) {
    TestPicture picture = noise(90, 400, false, 8);
    const Bytes png = kelvoWritePng(picture.buffer(), false, {}, 2);
    const std::size_t bands = chunkData(png, "kbND");
    ASSERT_NE(bands, 0u);
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

// A band must start with a row that does not look up (None, Sub) to be inflated on its own; a
// list whose band starts with Up, Average or Paeth makes the reader take the stream whole.
// Every way gives the pixels, and zlib inflates the same stream.
class PngBandStart : public ::testing::TestWithParam<int> {};

TEST_P(PngBandStart, readsExactlyWhateverTheFilter) {
    TestPicture picture;
    const Bytes png = bandedPng(picture, uint8_t(GetParam()));
    EXPECT_EQ(zlibInflates(png, (97 * 3 + 1) * 120), Z_OK);
    TestPicture back;
    ASSERT_EQ(read(png, back), KelvoPngStatus::Ok);
    EXPECT_EQ(back.pixels, picture.pixels);
    EXPECT_TRUE(kelvoPngHolds(png.data(), png.size(), picture.buffer(), false));
}

INSTANTIATE_TEST_SUITE_P(Filters, PngBandStart, ::testing::Range(0, 5));

// A band's data cut short, with the list made to fit the shortened stream: zlib refuses the
// stream, and so does the fast reader, band by band or whole, rather than give part of a
// picture.
struct BandCut {
    std::size_t band;
    std::size_t bytes;
};

class PngBandCut : public ::testing::TestWithParam<BandCut> {};

TEST_P(PngBandCut, isRefusedAsZlibRefusesIt) {
    TestPicture picture;
    const Bytes png = bandedPng(picture, 1, GetParam().band, GetParam().bytes);
    EXPECT_NE(zlibInflates(png, (97 * 3 + 1) * 120), Z_OK);
    TestPicture back = picture;
    EXPECT_FALSE(kelvoReadRgbPng(png.data(), png.size(), back.buffer()));
    EXPECT_FALSE(kelvoPngHolds(png.data(), png.size(), picture.buffer(), false));
    // Nor does the whole reader fall back to a decoder that would read it as whole.
    TestPicture whole;
    EXPECT_EQ(read(png, whole), KelvoPngStatus::Damaged);
}

INSTANTIATE_TEST_SUITE_P(Cuts, PngBandCut,
                         ::testing::Values(BandCut{0, 1}, BandCut{1, 1}, BandCut{1, 4000},
                                           BandCut{2, 1}, BandCut{2, 6000}));

// Limits are checked on the header, before any pixel memory is taken: 256 MB of 32-bit pixels
// at most, and no side beyond kMaxSide.
TEST(PngReader, refusesPicturesBeyondTheLimits) {
    EXPECT_EQ(headerStatus(8192, 8192), KelvoPngStatus::Ok);
    EXPECT_EQ(headerStatus(8192, 8193), KelvoPngStatus::TooLarge);
    EXPECT_EQ(headerStatus(1u << 30, 1u << 30), KelvoPngStatus::TooLarge);
    EXPECT_EQ(headerStatus(KelvoPngReader::kMaxSide + 1, 1), KelvoPngStatus::TooLarge);
}

// Damage anywhere gives a refusal, never a crash or a half-read picture reported as whole.
TEST(PngReader, refusesDamagedStreams) {
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
