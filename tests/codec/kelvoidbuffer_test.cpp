// Regions as the encoder places them, masks with faults that it mends, and more start points
// than an id image can name.
#include "codectestsupport.h"
#include "kelvostartpoint.h"

#include <gtest/gtest.h>

namespace {

// The encoder's view of a rectangle: the start point just inside its top-left corner, and how
// many of its pixels carry data and marks. What a reader finds in coded pictures is compared
// with the reference reader in kelvodifferential_test.cpp.
TEST(IdBuffer, RectangleStartsJustInsideItsTopLeftCorner) {
    TestMask mask(20, 20);
    mask.rect(3, 4, 10, 8, 0);
    KelvoIdBuffer placed(mask.width, mask.height);
    KelvoIdColorStruct entry;
    entry.fillColour = interiorColour(0);
    placed.registerColours(0, {entry});
    placed.buildFromMask(mask.regions());
    placed.generateRegions();
    ASSERT_EQ(placed.regions().size(), 1u);
    const KelvoIdRegion& region = placed.regions().at(0);
    ASSERT_EQ(region.subRegions.size(), 1u);
    EXPECT_EQ(region.subRegions[0].x, 4);
    EXPECT_EQ(region.subRegions[0].y, 5);
    EXPECT_EQ(region.fillCount, 8 * 6 - 3);
    EXPECT_EQ(region.outlineCount, 10 * 8 - 8 * 6 - 4 - 2) << "corners touch no interior";
}

TEST(IdBuffer, MaskFaultsAreMended) {
    TestMask mask(20, 12);
    mask.rect(2, 2, 9, 7, 0);
    // A one-pixel gap in the outline: the interior pixel beside it would let a reader's fill
    // run out into the picture.
    mask.pixels[5 * 20 + 10] = interiorColour(0);
    // Outline pixels that touch no interior: one alone, one diagonal to the corner.
    mask.pixels[9 * 20 + 16] = outlineColour(0);
    mask.pixels[9 * 20 + 11] = outlineColour(0);

    TestPicture picture(20, 12, 3);
    for (uint32_t& p : picture.pixels)
        p |= 1;
    ASSERT_TRUE(encode(picture, mask, {regionData({textRecord(0, "closed")})}));
    KelvoIndexedImage ids;
    const auto decoded = decode(picture, &ids);
    EXPECT_EQ(ids.at(11, 5), 3) << "background beside the gap becomes outline";
    EXPECT_EQ(ids.at(14, 5), 0) << "the fill stays inside";
    EXPECT_EQ(decoded.at(0).records, expectedRecords({textRecord(0, "closed")}, 0));
    for (auto [x, y] : {std::pair{16, 9}, {11, 9}}) {
        EXPECT_EQ(picture.at(x, y) & 1, 0u);
        EXPECT_EQ(ids.at(x, y), 0);
    }
}

TEST(IdBuffer, StartPointsBeyondThePaletteBelongToNoRegion) {
    // 150 marked squares, each with a start point; only 127 palette pairs fit.
    TestPicture picture(5 * 15, 5 * 10, 6);
    for (uint32_t& p : picture.pixels)
        p &= ~1u;
    for (int c = 0; c < 150; ++c) {
        const int left = (c % 15) * 5;
        const int top = (c / 15) * 5;
        for (int i = 0; i < 4; ++i)
            for (auto [x, y] : {std::pair{left + i, top},
                                {left + i, top + 3},
                                {left, top + i},
                                {left + 3, top + i}})
                picture.at(x, y) |= 1;
        kelvoWriteStartPoint(picture.buffer(), left + 1, top + 1, uint32_t(c % 64), 1);
    }
    const KelvoIdBuffer found = regionsFromMarks(picture);
    EXPECT_EQ(found.idImage().palette.size(), 256u);
    std::size_t starts = 0;
    for (const auto& entry : found.regions())
        starts += entry.second.subRegions.size();
    EXPECT_EQ(starts, 127u);
    EXPECT_EQ(found.regions().at(63).subRegions.size(), 1u);
    EXPECT_EQ(found.regions().at(0).subRegions.size(), 2u);
    EXPECT_EQ(found.idImage().at(5 * 14 + 1, 5 * 9 + 2), 0) << "cell 149 has no region";
}

} // namespace
