#include "codectestsupport.h"
#include "kelvoerasemarks.h"
#include "kelvoimglsbsdecoder.h"
#include "kelvomarkspicture.h"
#include "kelvopixelbits.h"

#include <gtest/gtest.h>

namespace {

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
    // One region; pictures of several lose them all in KelvoToolTest::codedPictureLifecycle and
    // KelvoAppViewerWidgetTest::eraseEverything.
    TestMask mask(30, 20);
    mask.rect(2, 2, 14, 14, 0);
    TestPicture picture(30, 20, 11);
    ASSERT_TRUE(encode(picture, mask, {regionData({textRecord(0, "data")})}));
    const TestPicture before = picture;
    ASSERT_TRUE(kelvoEraseMarks(picture.buffer()));
    EXPECT_FALSE(KelvoImgLSBsDecoder(picture.buffer()).isCoded());
    for (uint32_t p : picture.pixels)
        ASSERT_EQ(p & kMarkBit, 0u);
    // The start point of region 0 at (3, 3) and its neighbours are blended from the diagonals.
    const uint32_t ul = before.pixels[2 * 30 + 2], ur = before.pixels[2 * 30 + 4];
    const uint32_t ll = before.pixels[4 * 30 + 2], lr = before.pixels[4 * 30 + 4];
    EXPECT_EQ(picture.at(3, 3), channelAverage({ul, ur, ll, lr}));
    EXPECT_EQ(picture.at(3, 2), channelAverage({ul, ur}));
    EXPECT_EQ(picture.at(2, 3), channelAverage({ul, ll}));
    EXPECT_EQ(picture.at(4, 3), channelAverage({ur, lr}));
    EXPECT_EQ(picture.at(3, 4), channelAverage({ll, lr}));
}

// Where the dots go; that the viewer draws them over a coded picture is checked in
// KelvoViewerWidgetTest::codedPicture.
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
}

} // namespace
