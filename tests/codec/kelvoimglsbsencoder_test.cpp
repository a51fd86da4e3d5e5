// The encoder's refusals, limits and the faults it must not have; the decoder on hostile
// pictures.
#include "codectestsupport.h"
#include "kelvodatapixels.h"
#include "kelvodataprocessor.h"
#include "kelvoimglsbsdecoder.h"
#include "kelvoimglsbsencoder.h"
#include "kelvolengthheader.h"

#include <gtest/gtest.h>

namespace {

KelvoData payloadRecord(int n, Bytes payload) {
    KelvoData record = textRecord(n, "");
    record.payload = std::move(payload);
    return record;
}

std::vector<KelvoDataObjs> textRegions(int count) {
    std::vector<KelvoDataObjs> data;
    for (int n = 0; n < count; ++n)
        data.push_back(regionData({textRecord(n, "region " + std::to_string(n))}));
    return data;
}

// A mask with `count` 10 x 10 rectangles in a row, region n at x = 2 + 12 n.
TestMask rowOfRects(int count, int width = 0) {
    TestMask mask(width ? width : 4 + 12 * count, 14);
    for (int n = 0; n < count; ++n)
        mask.rect(2 + 12 * n, 2, 10, 10, n);
    return mask;
}

// Each refusal names its reason and the region at fault, and leaves the picture unchanged (too
// many keys: KelvoGeneratorTest::failures).
TEST(Encoder, RefusalsSayWhyAndLeaveThePictureUnchanged) {
    using F = KelvoEncodeFailure;
    const auto expectRefused = [](const char* what, F failure, int region, auto attempt) {
        TestPicture picture(40, 14, 1);
        const std::vector<uint32_t> original = picture.pixels;
        const KelvoEncodeResult result = attempt(picture);
        EXPECT_EQ(result.failure, failure) << what << ": " << kelvoEncodeReason(result);
        EXPECT_EQ(result.region, region) << what;
        EXPECT_EQ(picture.pixels, original) << what;
    };
    TestMask one = rowOfRects(1, 40), narrow = rowOfRects(1, 39);
    TestMask flat(40, 14);
    flat.rect(3, 3, 2, 8, 0);
    const Bytes huge(KelvoDataProcessor::kMaxStreamLength, 'a');
    const int none = KelvoEncodeResult::kNoRegion;
    expectRefused("mask size", F::MaskMismatch, none,
                  [&](TestPicture& p) { return encode(p, narrow, textRegions(1)); });
    expectRefused("data for a region missing from the mask", F::NoInterior, 1,
                  [&](TestPicture& p) { return encode(p, one, textRegions(2)); });
    expectRefused("no interior", F::NoInterior, 0,
                  [&](TestPicture& p) { return encode(p, flat, textRegions(1)); });
    expectRefused("stream limit", F::StreamTooLong, 0, [&](TestPicture& p) {
        return encode(p, one, {regionData({payloadRecord(0, huge)})});
    });
    expectRefused("8 bits", F::NotCodable, none, [&](TestPicture& p) {
        KelvoPixelBuffer buffer = p.buffer();
        buffer.depth = 8;
        return KelvoImgLSBsEncoder(buffer).encode(one.regions(), textRegions(1), true, 0);
    });
}

// Keys up to 63 and the levels asked for are used (what the regions carry is compared with the
// reference reader in kelvodifferential_test.cpp), and coded pictures are opaque. A progress step
// comes per region, each as soon as that region's payload is in, so that every step sees more
// data pixels written. How many steps there are, three before the regions, is checked through
// the editor's progress in KelvoImgEncodeWidgetTest::generation.
TEST(Encoder, KeysLevelsAndProgressSteps) {
    struct Steps {
        const KelvoImgLSBsEncoder* encoder = nullptr;
        std::vector<uint64_t> written;
    } steps;
    TestMask mask = rowOfRects(3);
    TestPicture picture(mask.width, mask.height, 2);
    for (uint32_t& p : picture.pixels)
        p &= 0x80FFFFFF;
    std::vector<KelvoDataObjs> data = textRegions(3);
    data[1].packingLevel = 3;
    data[2].packingLevel = 14;
    KelvoImgLSBsEncoder encoder(
        picture.buffer(),
        [](void* context) {
            auto* s = static_cast<Steps*>(context);
            s->written.push_back(s->encoder->pixelsWritten());
        },
        &steps);
    steps.encoder = &encoder;
    ASSERT_TRUE(encoder.encode(mask.regions(), data, true, 61));
    ASSERT_EQ(steps.written.size(), 3u + 3u);
    EXPECT_GT(steps.written[3], 0u);
    for (std::size_t i = 4; i < steps.written.size(); ++i)
        EXPECT_GT(steps.written[i], steps.written[i - 1]) << "region step " << i - 3;

    for (uint32_t p : picture.pixels)
        ASSERT_EQ(p >> 24, 0xFFu);
    const auto decoded = decode(picture);
    ASSERT_EQ(decoded.size(), 3u);
    EXPECT_EQ(decoded.at(61).packingLevel, 2); // automatic
    EXPECT_EQ(decoded.at(62).packingLevel, 3);
    EXPECT_EQ(decoded.at(63).packingLevel, 14);
}

TEST(Encoder, NeverReportsSuccessWithTruncatedData) {
    // One region; payloads from empty to too large, with and without a colour table. Near
    // capacity the level first chosen can leave the sequence unfinished.
    TestMask mask = rowOfRects(1);
    int refused = 0;
    for (std::size_t size = 0; size < 420; ++size) {
        std::vector<uint32_t> colours(size % 3 == 0 ? 0 : size % 11 + 1, uint32_t(size * 77));
        const KelvoDataObjs data =
            regionData({payloadRecord(0, randomBytes(size, uint32_t(size)))}, colours);
        TestPicture picture(mask.width, mask.height, uint32_t(size));
        const std::vector<uint32_t> original = picture.pixels;
        const KelvoEncodeResult result = encode(picture, mask, {data});
        if (!result) {
            ++refused;
            EXPECT_EQ(result.failure, KelvoEncodeFailure::TooLittleRoom);
            EXPECT_LT(result.room, result.bytes);
            EXPECT_EQ(picture.pixels, original);
            continue;
        }
        const auto decoded = decode(picture);
        ASSERT_EQ(decoded.at(0).records, expectedRecords(data.records, 0)) << "size " << size;
        ASSERT_EQ(decoded.at(0).colours, colours) << "size " << size;
    }
    EXPECT_GT(refused, 0);
}

TEST(Encoder, ColourTableOfExactlyThousandBytesIsKept) {
    // Colours of 12 random bits compress to about a byte and a half each: some count of them
    // gives exactly 1000 bytes.
    KelvoDataProcessor processor;
    std::mt19937 rng(3);
    std::vector<uint32_t> colours;
    Bytes stream;
    while (colours.size() < 2000 && stream.size() != kNoColourTable) {
        colours.push_back(rng() & 0x0F0F0F);
        processor.serializeColours(colours, stream);
    }
    ASSERT_EQ(stream.size(), kNoColourTable) << "no colour list compresses to 1000 bytes";
    TestMask mask(50, 50);
    mask.rect(1, 1, 48, 48, 0);
    TestPicture picture(50, 50, 3);
    ASSERT_TRUE(encode(picture, mask, {regionData({textRecord(0, "snippet")}, colours)}));
    EXPECT_EQ(decode(picture).at(0).colours, colours);
}

TEST(Encoder, AddsRegionsToACodedPicture) {
    TestMask first(60, 30);
    first.rect(2, 2, 15, 12, 0);
    first.rect(20, 2, 15, 12, 1);
    TestPicture picture(60, 30, 6);
    const std::vector<KelvoDataObjs> old = textRegions(2);
    ASSERT_TRUE(encode(picture, first, old));

    // Marks elsewhere in the picture: stray B0 bits everywhere outside the coded regions.
    KelvoIndexedImage ids;
    decode(picture, &ids);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i)
        if (ids.indices[i] == 0)
            picture.pixels[i] |= 1;
    TestMask second(60, 30);
    second.rect(40, 4, 16, 20, 0);
    const std::vector<KelvoDataObjs> added = {regionData({textRecord(0, "added later")})};
    const std::vector<uint32_t> beforeAdding = picture.pixels;

    TestPicture collide = picture;
    EXPECT_EQ(encode(collide, second, added, 1, false).failure, KelvoEncodeFailure::KeyTaken);
    EXPECT_EQ(collide.pixels, beforeAdding);
    TestMask across(60, 30);
    across.rect(10, 6, 20, 20, 0);
    EXPECT_EQ(encode(collide, across, added, 2, false).failure, KelvoEncodeFailure::DisturbsCoded)
        << "would cut into regions 0 and 1";
    EXPECT_EQ(collide.pixels, beforeAdding);

    ASSERT_TRUE(encode(picture, second, added, 2, false));
    const auto decoded = decode(picture);
    ASSERT_EQ(decoded.size(), 3u);
    EXPECT_EQ(decoded.at(0).records, expectedRecords(old[0].records, 0));
    EXPECT_EQ(decoded.at(1).records, expectedRecords(old[1].records, 1));
    EXPECT_EQ(decoded.at(2).records, expectedRecords(added[0].records, 2));
    EXPECT_EQ(picture.at(58, 28) & 1, 1u) << "marks outside the new region stay";
    EXPECT_EQ(picture.at(38, 20) & 1, 1u);
    EXPECT_EQ(picture.at(48, 14) & 1, 0u) << "stray marks inside it go";
}

TEST(Encoder, InteriorWithoutStartPointCarriesNothing) {
    // Region 0 has two parts. The second runs out of the top of the picture, so its outline is
    // never above one of its pixels and no reader can find it.
    TestMask mask(50, 40);
    mask.rect(2, 20, 14, 14, 0);
    for (int y = 0; y <= 12; ++y)
        for (int x = 20; x <= 39; ++x)
            mask.pixels[std::size_t(y * 50 + x)] =
                x == 20 || x == 39 || y == 12 ? outlineColour(0) : interiorColour(0);
    mask.rect(30, 20, 15, 15, 1);
    TestPicture picture(50, 40, 8);
    const std::vector<uint32_t> original = picture.pixels;
    const std::vector<KelvoDataObjs> data = {regionData({payloadRecord(0, randomBytes(150, 8))}),
                                             regionData({textRecord(1, "beside")})};
    ASSERT_TRUE(encode(picture, mask, data));

    KelvoIndexedImage ids;
    const auto decoded = decode(picture, &ids);
    EXPECT_EQ(decoded.at(0).records, expectedRecords(data[0].records, 0));
    EXPECT_EQ(decoded.at(1).records, expectedRecords(data[1].records, 1));
    for (int y = 0; y <= 12; ++y) {
        for (int x = 20; x <= 39; ++x) {
            EXPECT_EQ(ids.at(x, y), 0) << x << "," << y;
            EXPECT_EQ(picture.at(x, y) | 1, original[std::size_t(y * 50 + x)] | 1) << x << "," << y;
        }
    }
}

// A coded picture read as 8 bits is not coded; read as it is, hostile lengths and levels give
// regions without records.
TEST(Decoder, EightBitsAndHostileLengthsAndLevelsGiveNoRecords) {
    TestMask mask = rowOfRects(3);
    TestPicture picture(mask.width, mask.height, 9);
    const std::vector<KelvoDataObjs> data = textRegions(3);
    ASSERT_TRUE(encode(picture, mask, data));

    KelvoPixelBuffer buffer = picture.buffer();
    buffer.depth = 8;
    KelvoImgLSBsDecoder decoder(buffer);
    EXPECT_FALSE(decoder.isCoded());
    KelvoIndexedImage eightBitIds;
    std::map<uint32_t, KelvoDataObjs> regions;
    KelvoArgbImage marks;
    decoder.decode(eightBitIds, regions, marks);
    EXPECT_TRUE(eightBitIds.indices.empty());
    EXPECT_TRUE(regions.empty());
    EXPECT_TRUE(marks.pixels.empty());

    // Region 0: header A claims more than the region holds.
    const KelvoIdBuffer ids = regionsFromMarks(picture);
    const KelvoDataPixels dataPixels(ids);
    int headerPixel = 0;
    dataPixels.visit([&](int slot, int x, int y) {
        if (slot != dataPixels.slotOf(0))
            return true;
        picture.at(x, y) =
            kelvoWriteHeaderByte(picture.at(x, y), uint8_t(4'000'000 >> (8 * headerPixel)));
        return ++headerPixel < kHeaderPixels;
    });
    // Region 1: level 15 at its start point.
    picture.at(15, 3) |= 0x000F0000;
    const auto decoded = decode(picture);
    ASSERT_EQ(decoded.size(), 3u);
    EXPECT_TRUE(decoded.at(0).records.empty());
    EXPECT_TRUE(decoded.at(1).records.empty());
    EXPECT_EQ(decoded.at(2).records, expectedRecords(data[2].records, 2));
    writeFuzzSeed("fuzz_decoder", "hostile_lengths", decoderFuzzInput(picture));
}

} // namespace
