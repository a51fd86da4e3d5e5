#include "codectestsupport.h"
#include "kelvostartpoint.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A 5 x 5 random picture with a start point at (2, 2); up and left are outline pixels.
TestPicture pictureWithStartPoint(uint32_t key, int level, uint32_t seed) {
    TestPicture picture(5, 5, seed);
    picture.at(2, 1) |= 1;
    picture.at(1, 2) |= 1;
    kelvoWriteStartPoint(picture.buffer(), 2, 2, key, level);
    return picture;
}

// The reference reader in kelvodifferential_test.cpp finds start points by their signatures and
// reads key and level on its own, which the decoder's must match; here: writing one leaves the
// pixel's other bits alone.
TEST(StartPoint, KeyAndLevelLeaveOtherBits) {
    for (uint32_t key = 0; key < kMaxRegionKeys; ++key) {
        const uint32_t original = TestPicture(5, 5, key).at(2, 2);
        const uint32_t start = pictureWithStartPoint(key, 9, key).at(2, 2);
        EXPECT_EQ(start & 0xFFF0F8F0, original & 0xFFF0F8F0) << key;
    }
}

TEST(StartPoint, NeighbourhoodsThatPassAndFail) {
    // Turns a pixel's signature into the other one.
    constexpr uint32_t kOther = 0x1E1806;
    struct Flip {
        int x, y;
        uint32_t bits;
    };
    const struct {
        const char* name;
        std::vector<Flip> flips;
        bool passes;
    } cases[] = {
        {"as written", {}, true},
        {"only the first pair", {{3, 2, 0x100}, {2, 3, 0x100}}, false},
        {"only the second pair", {{2, 1, 0x10000}, {1, 2, 0x10000}}, false},
        {"start unmarked", {{2, 2, 1}}, false},
        {"up unmarked", {{2, 1, 1}}, false},
        {"left unmarked", {{1, 2, 1}}, false},
        {"first pair up and down", {{1, 2, kOther}, {2, 3, kOther}}, false},
        {"first pair up and right", {{1, 2, kOther}, {3, 2, kOther}}, true},
        {"first pair up and right, right unmarked", {{1, 2, kOther}, {3, 2, kOther | 1}}, false},
    };
    for (const auto& c : cases) {
        // All four neighbours marked, so that only the flips decide.
        TestPicture picture = pictureWithStartPoint(12, 4, 3);
        picture.at(3, 2) |= 1;
        picture.at(2, 3) |= 1;
        for (const Flip& flip : c.flips)
            picture.at(flip.x, flip.y) ^= flip.bits;
        EXPECT_EQ(kelvoIsStartPoint(picture.buffer(), 2, 2), c.passes) << c.name;
    }
}

TEST(StartPoint, BorderPixelsNeverQualify) {
    TestPicture picture(3, 3, 5);
    kelvoWriteStartPoint(picture.buffer(), 1, 1, 3, 3);
    picture.at(1, 0) |= 1;
    picture.at(0, 1) |= 1;
    EXPECT_TRUE(kelvoIsStartPoint(picture.buffer(), 1, 1));
    for (auto [x, y] : {std::pair{0, 1}, {1, 0}, {2, 1}, {1, 2}, {0, 0}, {2, 2}})
        EXPECT_FALSE(kelvoIsStartPoint(picture.buffer(), x, y));
}

TEST(StartPoint, ScanFindsWhatTheTestFinds) {
    // Pictures dense in marks and signatures, with planted start points, scanned quickly and
    // pixel by pixel.
    for (uint32_t seed = 0; seed < 20; ++seed) {
        TestPicture picture(61, 47, seed);
        std::mt19937 rng(seed);
        for (uint32_t& p : picture.pixels)
            if (rng() % 4 == 0)
                p = (p & ~0x001F1F1Eu) | (rng() % 2 ? 0x00091E14u : 0x00170612u);
        for (int i = 0; i < 30; ++i) {
            const int x = 1 + int(rng() % 59);
            const int y = 1 + int(rng() % 45);
            picture.at(x, y - 1) |= 1;
            picture.at(x - 1, y) |= 1;
            kelvoWriteStartPoint(picture.buffer(), x, y, rng() % 64, 1);
        }
        std::vector<std::pair<int, int>> expected, scanned;
        for (int y = 0; y < picture.height; ++y)
            for (int x = 0; x < picture.width; ++x)
                if (kelvoIsStartPoint(picture.buffer(), x, y))
                    expected.emplace_back(x, y);
        kelvoForEachStartPoint(picture.buffer(), [&](int x, int y) {
            scanned.emplace_back(x, y);
            return true;
        });
        EXPECT_FALSE(expected.empty());
        EXPECT_EQ(scanned, expected) << "seed " << seed;
    }
}

} // namespace
