// The encoder's refusals, limits and the faults it must not have.
#include "codectestsupport.h"
#include "fuzzseeds.h"
#include "kelvodatapixels.h"
#include "kelvodataprocessor.h"
#include "kelvoidbuffer.h"
#include "kelvoimglsbsdecoder.h"
#include "kelvoimglsbsencoder.h"
#include "kelvolengthheader.h"
#include "kelvopackinglevels.h"

#include <gtest/gtest.h>

namespace {

Bytes randomPayload(std::size_t size, uint32_t seed) {
    std::mt19937 rng(seed);
    Bytes bytes(size);
    for (uint8_t& b : bytes) {
        b = uint8_t(rng());
    }
    return bytes;
}

KelvoData payloadRecord(int n, Bytes payload) {
    KelvoData record = textRecord(n, "");
    record.payload = std::move(payload);
    return record;
}

std::vector<KelvoDataObjs> textRegions(int count) {
    std::vector<KelvoDataObjs> data;
    for (int n = 0; n < count; ++n) {
        data.push_back(regionData({textRecord(n, "region " + std::to_string(n))}));
    }
    return data;
}

// A mask with `count` 10 x 10 rectangles in a row, region n at x = 2 + 12 n.
TestMask rowOfRects(int count, int width = 0) {
    TestMask mask(width ? width : 4 + 12 * count, 14);
    for (int n = 0; n < count; ++n) {
        mask.rect(2 + 12 * n, 2, 10, 10, n);
    }
    return mask;
}

// Positions of the first `count` data pixels of region `key`.
std::vector<std::pair<int, int>> firstDataPixels(TestPicture& picture, uint32_t key,
                                                 std::size_t count) {
    KelvoIdBuffer ids(picture.width, picture.height);
    ids.rebuildFromMarks(picture.buffer());
    const KelvoDataPixels pixels(ids);
    const int slot = pixels.slotOf(key);
    std::vector<std::pair<int, int>> found;
    pixels.visit([&](int s, int x, int y) {
        if (s == slot && found.size() < count) {
            found.emplace_back(x, y);
        }
        return s != slot || found.size() < count;
    });
    return found;
}

struct Refusal {
    const char* name;
    bool (*attempt)(TestPicture&);
};

class EncoderRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(EncoderRefusal, LeavesThePictureUnchanged) {
    TestPicture picture(40, 14, 1);
    const std::vector<uint32_t> original = picture.pixels;
    EXPECT_FALSE(GetParam().attempt(picture));
    EXPECT_EQ(picture.pixels, original);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EncoderRefusal,
    testing::Values(Refusal{"KeyReachesSixtyFour",
                            [](TestPicture& p) {
                                TestMask mask = rowOfRects(3, 40);
                                return encode(p, mask, textRegions(3), 62);
                            }},
                    Refusal{"MaskOfAnotherSize",
                            [](TestPicture& p) {
                                TestMask mask = rowOfRects(1, 39);
                                return encode(p, mask, textRegions(1));
                            }},
                    Refusal{"RegionMissingFromTheMask",
                            [](TestPicture& p) {
                                TestMask mask = rowOfRects(1, 40);
                                return encode(p, mask, textRegions(2));
                            }},
                    Refusal{"RegionWithoutInterior",
                            [](TestPicture& p) {
                                TestMask mask(40, 14);
                                mask.rect(3, 3, 2, 8, 0);
                                return encode(p, mask, textRegions(1));
                            }},
                    Refusal{"RecordsBeyondTheStreamLimit",
                            [](TestPicture& p) {
                                TestMask mask = rowOfRects(1, 40);
                                const Bytes huge(KelvoDataProcessor::kMaxStreamLength, 'a');
                                return encode(p, mask, {regionData({payloadRecord(0, huge)})});
                            }},
                    Refusal{"PictureOfEightBits",
                            [](TestPicture& p) {
                                TestMask mask = rowOfRects(1, 40);
                                KelvoPixelBuffer buffer = p.buffer();
                                buffer.depth = 8;
                                return KelvoImgLSBsEncoder(buffer).encode(mask.regions(),
                                                                          textRegions(1), true, 0);
                            }}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

TEST(Encoder, KeysUpToSixtyThreeAreUsed) {
    TestMask mask = rowOfRects(4);
    TestPicture picture(mask.width, mask.height, 2);
    for (uint32_t& p : picture.pixels) {
        p &= 0x80FFFFFF;
    }
    const std::vector<KelvoDataObjs> data = textRegions(4);
    ASSERT_TRUE(encode(picture, mask, data, 60));
    for (uint32_t p : picture.pixels) {
        ASSERT_EQ(p >> 24, 0xFFu) << "coded pictures are opaque";
    }
    const auto decoded = decode(picture);
    ASSERT_EQ(decoded.size(), 4u);
    EXPECT_EQ(decoded.begin()->first, 60u);
    EXPECT_EQ(decoded.at(63).records, expectedRecords(data[3].records, 63));
}

TEST(Encoder, NeverReportsSuccessWithTruncatedData) {
    // One region; payloads from empty to too large, with and without a colour table. Near
    // capacity the level first chosen can leave the sequence unfinished.
    TestMask mask = rowOfRects(1);
    TestPicture empty(mask.width, mask.height, 0);
    ASSERT_TRUE(encode(empty, mask, textRegions(1)));
    KelvoIdBuffer ids(mask.width, mask.height);
    ids.rebuildFromMarks(empty.buffer());
    const int64_t dataPixels = int64_t(KelvoDataPixels(ids).counts().at(0));
    EXPECT_EQ(dataPixels, 8 * 8 + 4 * 8 - 5);
    int escalated = 0;
    int refused = 0;
    KelvoDataProcessor processor;
    for (std::size_t size = 0; size < 420; size += 1) {
        std::vector<uint32_t> colours(size % 3 == 0 ? 0 : size % 11 + 1, uint32_t(size * 77));
        const KelvoDataObjs data =
            regionData({payloadRecord(0, randomPayload(size, uint32_t(size)))}, colours);
        TestPicture picture(mask.width, mask.height, uint32_t(size));
        const std::vector<uint32_t> original = picture.pixels;
        if (!encode(picture, mask, {data})) {
            ++refused;
            EXPECT_EQ(picture.pixels, original);
            continue;
        }
        const auto decoded = decode(picture);
        ASSERT_EQ(decoded.at(0).records, expectedRecords(data.records, 0)) << "size " << size;
        ASSERT_EQ(decoded.at(0).colours, colours) << "size " << size;
        Bytes records;
        Bytes table;
        processor.serializeRecords(data.records, records);
        processor.serializeColours(colours, table);
        const int first =
            kelvoChooseLevel(records.size() + table.size(), dataPixels - 2 * kHeaderPixels, 0);
        EXPECT_GE(decoded.at(0).packingLevel, first);
        escalated += decoded.at(0).packingLevel > first;
    }
    EXPECT_GT(escalated, 0);
    EXPECT_GT(refused, 0);
}

TEST(Encoder, ColourTableOfExactlyThousandBytesIsKept) {
    // Colours of 12 random bits compress to about a byte and a half each: some count of them
    // gives exactly 1000 bytes.
    KelvoDataProcessor processor;
    std::vector<uint32_t> colours;
    std::mt19937 rng(3);
    std::vector<uint32_t> candidate;
    while (candidate.size() < 2000 && colours.empty()) {
        candidate.push_back(rng() & 0x0F0F0F);
        Bytes stream;
        processor.serializeColours(candidate, stream);
        if (stream.size() == kNoColourTable) {
            colours = candidate;
        }
    }
    ASSERT_FALSE(colours.empty()) << "no colour list compresses to 1000 bytes";
    TestMask mask(50, 50);
    mask.rect(1, 1, 48, 48, 0);
    TestPicture picture(50, 50, 3);
    const KelvoDataObjs data = regionData({textRecord(0, "snippet")}, colours);
    ASSERT_TRUE(encode(picture, mask, {data}));
    EXPECT_EQ(decode(picture).at(0).colours, colours);
}

TEST(Encoder, RequestedLevelIsUsedWhenItFits) {
    for (int level : {3, 14}) {
        TestMask mask = rowOfRects(1);
        TestPicture picture(mask.width, mask.height, 4);
        KelvoDataObjs data = regionData({textRecord(0, "short")});
        data.packingLevel = level;
        ASSERT_TRUE(encode(picture, mask, {data}));
        EXPECT_EQ(decode(picture).at(0).packingLevel, level);
    }
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
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        if (ids.indices[i] == 0) {
            picture.pixels[i] |= 1;
        }
    }
    TestMask second(60, 30);
    second.rect(40, 4, 16, 20, 0);
    const std::vector<KelvoDataObjs> added = {regionData({textRecord(0, "added later")})};
    const std::vector<uint32_t> beforeAdding = picture.pixels;

    TestPicture collide = picture;
    EXPECT_FALSE(encode(collide, second, added, 1, false)) << "key 1 is taken";
    EXPECT_EQ(collide.pixels, beforeAdding);

    TestMask across(60, 30);
    across.rect(10, 6, 20, 20, 0);
    EXPECT_FALSE(encode(collide, across, added, 2, false)) << "would cut into regions 0 and 1";
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
    for (int y = 0; y <= 12; ++y) {
        for (int x = 20; x <= 39; ++x) {
            const bool edge = x == 20 || x == 39 || y == 12;
            mask.pixels[std::size_t(y) * 50 + std::size_t(x)] =
                edge ? outlineColour(0) : interiorColour(0);
        }
    }
    mask.rect(30, 20, 15, 15, 1);
    TestPicture picture(50, 40, 8);
    const std::vector<uint32_t> original = picture.pixels;
    const std::vector<KelvoDataObjs> data = {regionData({payloadRecord(0, randomPayload(150, 8))}),
                                             regionData({textRecord(1, "beside")})};
    ASSERT_TRUE(encode(picture, mask, data));

    KelvoIndexedImage ids;
    const auto decoded = decode(picture, &ids);
    EXPECT_EQ(decoded.at(0).records, expectedRecords(data[0].records, 0));
    EXPECT_EQ(decoded.at(1).records, expectedRecords(data[1].records, 1));
    for (int y = 0; y <= 12; ++y) {
        for (int x = 20; x <= 39; ++x) {
            const std::size_t i = std::size_t(y) * 50 + std::size_t(x);
            EXPECT_EQ(ids.indices[i], 0) << x << "," << y;
            EXPECT_EQ(picture.pixels[i] | 1, original[i] | 1) << x << "," << y;
        }
    }
}

TEST(Decoder, HostileLengthsAndLevelsGiveRegionsWithoutRecords) {
    TestMask mask = rowOfRects(3);
    TestPicture coded(mask.width, mask.height, 9);
    const std::vector<KelvoDataObjs> data = textRegions(3);
    ASSERT_TRUE(encode(coded, mask, data));

    TestPicture picture = coded;
    // Region 0: header A claims more than the region holds.
    const auto header = firstDataPixels(picture, 0, kHeaderPixels);
    for (std::size_t i = 0; i < header.size(); ++i) {
        uint32_t& p = picture.at(header[i].first, header[i].second);
        p = kelvoWriteHeaderByte(p, uint8_t(4'000'000 >> (8 * i)));
    }
    // Region 1: level 15 at its start point.
    picture.at(15, 3) |= 0x000F0000;
    const auto decoded = decode(picture);
    ASSERT_EQ(decoded.size(), 3u);
    EXPECT_TRUE(decoded.at(0).records.empty());
    EXPECT_TRUE(decoded.at(1).records.empty());
    EXPECT_EQ(decoded.at(2).records, expectedRecords(data[2].records, 2));
    writeFuzzSeed("fuzz_decoder", "hostile_lengths", decoderFuzzInput(picture));
}

TEST(Decoder, EightBitPicturesAreNeverCoded) {
    TestMask mask = rowOfRects(1);
    TestPicture picture(mask.width, mask.height, 10);
    ASSERT_TRUE(encode(picture, mask, textRegions(1)));
    KelvoPixelBuffer buffer = picture.buffer();
    buffer.depth = 8;
    KelvoImgLSBsDecoder decoder(buffer);
    EXPECT_FALSE(decoder.isCoded());
    KelvoIndexedImage ids{1, 1, {0}, {0}};
    std::map<uint32_t, KelvoDataObjs> regions{{0, {}}};
    KelvoArgbImage marks{1, 1, {0}};
    decoder.decode(ids, regions, marks);
    EXPECT_TRUE(ids.indices.empty());
    EXPECT_TRUE(regions.empty());
    EXPECT_TRUE(marks.pixels.empty());
    EXPECT_TRUE(KelvoImgLSBsDecoder(picture.buffer()).isCoded());
}

} // namespace
