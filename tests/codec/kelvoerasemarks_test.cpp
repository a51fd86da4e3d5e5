#include "codectestsupport.h"
#include "kelvoerasemarks.h"
#include "kelvoimglsbsdecoder.h"
#include "kelvomarkspicture.h"
#include "kelvopixelbits.h"

#include <gtest/gtest.h>

namespace {

// Regions 0 and 1 as rectangles, region 2 as two rectangles.
struct CodedPicture {
    TestMask mask{70, 40};
    TestPicture picture{70, 40, 11};
    std::vector<KelvoDataObjs> data;
    KelvoIndexedImage ids;

    CodedPicture() {
        mask.rect(2, 2, 14, 14, 0);
        mask.rect(20, 2, 14, 14, 1);
        mask.rect(40, 2, 12, 12, 2);
        mask.rect(40, 20, 20, 15, 2);
        for (int n = 0; n < 3; ++n)
            data.push_back(regionData({textRecord(n, "data " + std::to_string(n))}));
        EXPECT_TRUE(encode(picture, mask, data));
        decode(picture, &ids);
    }
};

uint32_t channelAverage(std::initializer_list<uint32_t> pixels) {
    uint32_t r = 0, g = 0, b = 0;
    for (uint32_t p : pixels) {
        r += (p >> 16) & 0xFF;
        g += (p >> 8) & 0xFF;
        b += p & 0xFF;
    }
    const uint32_t n = uint32_t(pixels.size());
    return kelvoRgb(r / n, g / n, b / n) & ~kMarkBit;
}

TEST(EraseMarks, AllMarksGo) {
    CodedPicture coded;
    TestPicture& picture = coded.picture;
    const TestPicture before = picture;
    ASSERT_TRUE(kelvoEraseMarks(picture.buffer()));
    EXPECT_FALSE(KelvoImgLSBsDecoder(picture.buffer()).isCoded());
    EXPECT_TRUE(decode(picture).empty());
    for (uint32_t p : picture.pixels)
        ASSERT_EQ(p & kMarkBit, 0u);
    // The start point of region 0 at (3, 3) and its neighbours are blended from the diagonals.
    const uint32_t ul = before.pixels[2 * 70 + 2], ur = before.pixels[2 * 70 + 4];
    const uint32_t ll = before.pixels[4 * 70 + 2], lr = before.pixels[4 * 70 + 4];
    EXPECT_EQ(picture.at(3, 3), channelAverage({ul, ur, ll, lr}));
    EXPECT_EQ(picture.at(3, 2), channelAverage({ul, ur}));
    EXPECT_EQ(picture.at(2, 3), channelAverage({ul, ll}));
    EXPECT_EQ(picture.at(4, 3), channelAverage({ur, lr}));
    EXPECT_EQ(picture.at(3, 4), channelAverage({ll, lr}));
}

// Indices that name no region, and an id image of another size, erase nothing. Erasing one
// region with all its parts is done with real clicks in KelvoAppViewerWidgetTest.
TEST(EraseMarks, NothingWithoutARegion) {
    CodedPicture coded;
    KelvoPixelBuffer buffer = coded.picture.buffer();
    const std::vector<uint32_t> original = coded.picture.pixels;
    for (int index : {-1, 0, 1, int(coded.ids.palette.size()), 300})
        EXPECT_FALSE(kelvoEraseRegionMarks(buffer, coded.ids, index)) << index;
    KelvoIndexedImage smaller = coded.ids;
    smaller.width -= 1;
    EXPECT_FALSE(kelvoEraseRegionMarks(buffer, smaller, 2));
    EXPECT_EQ(coded.picture.pixels, original);
}

TEST(MarksPicture, DotsCoverFourByFourBlocksAroundMarks) {
    TestPicture picture(12, 9, 12);
    for (uint32_t& p : picture.pixels)
        p &= ~kMarkBit;
    const std::pair<int, int> marked[] = {{0, 0}, {6, 4}, {11, 8}};
    for (auto [x, y] : marked)
        picture.at(x, y) |= 1;
    KelvoArgbImage marks;
    kelvoMarksPicture(picture.buffer(), 5, marks);
    ASSERT_EQ(marks.pixels.size(), 12u * 9u);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 12; ++x) {
            bool dot = false;
            for (auto [mx, my] : marked)
                dot |= x >= mx - 1 && x <= mx + 2 && y >= my - 1 && y <= my + 2;
            EXPECT_EQ(marks.pixels[std::size_t(y * 12 + x)] >> 24, dot ? 0xFFu : 0u)
                << x << "," << y;
        }
    }
    // The same seed gives the same colours, whatever the image held before.
    KelvoArgbImage again{3, 3, {1, 2, 3}};
    kelvoMarksPicture(picture.buffer(), 5, again);
    EXPECT_EQ(again.pixels, marks.pixels);
    kelvoMarksPicture(picture.buffer(), 6, again);
    EXPECT_NE(again.pixels, marks.pixels);
}

} // namespace
