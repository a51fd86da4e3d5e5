// The PNG writer read back by the reader, both stream joins, the limits and damaged streams.
#include "kelvobyteorder.h"
#include "kelvohuffmandeflate.h"
#include "kelvopngreader.h"
#include "kelvopngrgbreader.h"
#include "kelvopngwriter.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

namespace {

using Bytes = std::vector<uint8_t>;

struct Picture {
    int width;
    int height;
    std::vector<uint32_t> pixels;

    KelvoPixelBuffer buffer() { return {pixels.data(), width, height, width, 32}; }
};

// Noise in every bit, as coded pictures have in their low bits; opaque unless `alpha`.
Picture noise(int width, int height, bool alpha, uint32_t seed) {
    Picture picture{width, height, std::vector<uint32_t>(std::size_t(width) * height)};
    std::mt19937 random(seed);
    for (uint32_t& p : picture.pixels) {
        p = uint32_t(random()) | (alpha ? 0 : 0xff000000u);
    }
    return picture;
}

KelvoPngStatus read(const Bytes& png, Picture& out, KelvoPngHeader* header = nullptr) {
    KelvoPngReader reader(png.data(), png.size());
    KelvoPngHeader read;
    if (const KelvoPngStatus status = reader.readHeader(read); status != KelvoPngStatus::Ok) {
        return status;
    }
    if (header) {
        *header = read;
    }
    out = {read.width, read.height, std::vector<uint32_t>(std::size_t(read.width) * read.height)};
    return reader.readPixels(out.buffer());
}

// A PNG with just an IHDR of the given size (8-bit RGB) and an empty IDAT.
Bytes headerOnly(uint32_t width, uint32_t height) {
    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    auto chunk = [&](const char* type, const Bytes& data) {
        kelvoPutBe32(png, uint32_t(data.size()));
        Bytes body(type, type + 4);
        body.insert(body.end(), data.begin(), data.end());
        png.insert(png.end(), body.begin(), body.end());
        kelvoPutBe32(png, uint32_t(crc32(0, body.data(), uInt(body.size()))));
    };
    Bytes ihdr;
    kelvoPutBe32(ihdr, width);
    kelvoPutBe32(ihdr, height);
    ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});
    chunk("IHDR", ihdr);
    chunk("IDAT", {});
    chunk("IEND", {});
    return png;
}

void writeFuzzSeed(const std::string& name, const Bytes& bytes) {
    const std::filesystem::path dir = std::filesystem::path(KELVO_FUZZ_SEED_DIR) / "fuzz_png";
    std::error_code ignored;
    std::filesystem::create_directories(dir, ignored);
    std::ofstream(dir / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
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
    Picture picture = noise(param.width, param.height, param.alpha, 11);
    const Bytes png = kelvoWritePng(picture.buffer(), param.alpha, {}, param.threads);
    ASSERT_FALSE(png.empty());
    Picture back{};
    KelvoPngHeader header;
    ASSERT_EQ(read(png, back, &header), KelvoPngStatus::Ok);
    EXPECT_EQ(header.hasAlpha, param.alpha);
    EXPECT_EQ(header.qtDepth, 32);
    EXPECT_EQ(back.pixels, picture.pixels);
    if (param.width * param.height < 5000) {
        writeFuzzSeed("written_" + std::to_string(param.width) + "x" +
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
    Picture picture = noise(1000, 700, false, 4);
    const Bytes png = kelvoWritePng(picture.buffer(), false);
    EXPECT_TRUE(kelvoPngHolds(png.data(), png.size(), picture.buffer(), false));
    EXPECT_FALSE(kelvoPngHolds(png.data(), png.size(), picture.buffer(), true));
    for (const std::size_t at :
         {std::size_t(0), picture.pixels.size() / 2, picture.pixels.size() - 1}) {
        Picture changed = picture;
        changed.pixels[at] ^= 0x00000100u;
        EXPECT_FALSE(kelvoPngHolds(png.data(), png.size(), changed.buffer(), false)) << at;
        changed.pixels[at] ^= 0x01000100u;
        EXPECT_TRUE(kelvoPngHolds(png.data(), png.size(), changed.buffer(), false)) << at;
    }
}

// Byte counts that grow like Fibonacci numbers make an optimal code far deeper than deflate
// allows; the limited code must still be complete and fit the bit writer. Raw inflate reads
// back blocks of every such shape, mixed with a flush.
TEST(HuffmanDeflate, skewedBytesInflateExactly) {
    Bytes data;
    uint32_t a = 1;
    uint32_t b = 1;
    for (int value = 0; value < 24; ++value, std::swap(a, b), b += a) {
        data.insert(data.end(), a, uint8_t(value * 7));
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

// The joined stream is an ordinary zlib stream: zlib's own inflate reads it whole and its
// checksum holds.
TEST(PngWriter, joinedStreamInflatesWithZlib) {
    Picture picture = noise(200, 300, false, 3);
    const Bytes png = kelvoWritePng(picture.buffer(), false, {}, 3);
    Bytes stream;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const uint32_t length = kelvoGetBe32(&png[at]);
        if (kelvoGetBe32(&png[at + 4]) == kelvoGetBe32(reinterpret_cast<const uint8_t*>("IDAT"))) {
            stream.insert(stream.end(), png.begin() + std::ptrdiff_t(at + 8),
                          png.begin() + std::ptrdiff_t(at + 8 + length));
        }
        at += 12 + length;
    }
    Bytes raw((200 * 3 + 1) * 300 + 1);
    uLongf size = uLongf(raw.size());
    ASSERT_EQ(uncompress(raw.data(), &size, stream.data(), uLong(stream.size())), Z_OK);
    EXPECT_EQ(size, uLongf(raw.size() - 1));
}

// A band of flat colour is string-matched to almost nothing beside a band of noise, and the
// stream joined from the two kinds of part still reads back exactly, by our reader and zlib's.
TEST(PngWriter, flatBandsShrinkBesideNoisyOnes) {
    constexpr int kWidth = 400;
    constexpr int kHeight = 400;
    Picture picture = noise(kWidth, kHeight, false, 5);
    std::fill(picture.pixels.begin(), picture.pixels.begin() + kWidth * kHeight / 2, 0xff3080c0u);
    const Bytes png = kelvoWritePng(picture.buffer(), false, {}, 2);
    const std::size_t noisyHalf = std::size_t(kWidth) * 3 * kHeight / 2;
    EXPECT_LT(png.size(), noisyHalf + noisyHalf / 20);
    Picture back;
    ASSERT_EQ(read(png, back), KelvoPngStatus::Ok);
    EXPECT_EQ(back.pixels, picture.pixels);
}

KelvoPngStatus headerStatus(const Bytes& png) {
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
// the stream is passed over, and the picture still reads exactly.
TEST(PngReader, bandListIsOnlyAHint) {
    Picture picture = noise(90, 400, false, 8);
    const Bytes png = kelvoWritePng(picture.buffer(), false, {}, 2);
    const std::size_t bands = chunkData(png, "kbND");
    ASSERT_NE(bands, 0u);
    ASSERT_EQ(kelvoGetBe32(&png[bands]), 2u);
    const std::size_t lengthAt = bands - 8;
    for (const std::size_t field : {std::size_t(4 + 12 + 4), std::size_t(4 + 12), std::size_t(4)}) {
        Bytes forged = png;
        forged[bands + field + 3] ^= 1; // second band's offset, its first row, the count
        const uint32_t length = kelvoGetBe32(&forged[lengthAt]);
        const uint32_t crc = uint32_t(crc32(0, &forged[lengthAt + 4], uInt(length + 4)));
        Bytes crcBytes;
        kelvoPutBe32(crcBytes, crc);
        std::copy(crcBytes.begin(), crcBytes.end(),
                  forged.begin() + std::ptrdiff_t(bands + length));
        Picture back{};
        ASSERT_EQ(read(forged, back), KelvoPngStatus::Ok) << "field " << field;
        EXPECT_EQ(back.pixels, picture.pixels) << "field " << field;
    }
}

// Limits are checked on the header, before any pixel memory is taken: 256 MB of 32-bit pixels
// at most, and no side beyond kMaxSide.
TEST(PngReader, refusesPicturesBeyondTheLimits) {
    EXPECT_EQ(headerStatus(headerOnly(8192, 8192)), KelvoPngStatus::Ok);
    EXPECT_EQ(headerStatus(headerOnly(8192, 8193)), KelvoPngStatus::TooLarge);
    EXPECT_EQ(headerStatus(headerOnly(1u << 30, 1u << 30)), KelvoPngStatus::TooLarge);
    EXPECT_EQ(headerStatus(headerOnly(KelvoPngReader::kMaxSide + 1, 1)), KelvoPngStatus::TooLarge);
}

// Damage anywhere gives a refusal, never a crash or a half-read picture reported as whole.
TEST(PngReader, refusesDamagedStreams) {
    Picture picture = noise(40, 30, true, 5);
    const Bytes png = kelvoWritePng(picture.buffer(), true);
    Picture out{};
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
    writeFuzzSeed("flipped_idat_bit", flipped);
}
