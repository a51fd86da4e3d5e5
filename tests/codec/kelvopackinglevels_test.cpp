#include "kelvolengthheader.h"
#include "kelvopackinglevels.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// Bit positions inside a 0xAARRGGBB pixel, in carrying order, from a list such as
// "R0-R2 G0 B1-B3".
std::vector<int> pixelBits(const std::string& list) {
    std::vector<int> bits;
    std::istringstream words(list);
    std::string word;
    while (words >> word) {
        const int shift = word[0] == 'R' ? 16 : word[0] == 'G' ? 8 : 0;
        const std::size_t dash = word.find('-');
        const int first = std::stoi(word.substr(1, dash - 1));
        const int last = dash == std::string::npos ? first : std::stoi(word.substr(dash + 2));
        for (int b = first; b <= last; ++b) {
            bits.push_back(shift + b);
        }
    }
    return bits;
}

struct LevelRow {
    int level;
    const char* bits;
};

class PackingLevelTest : public testing::TestWithParam<LevelRow> {};

TEST_P(PackingLevelTest, CarriesItsBitsInTableOrder) {
    const KelvoPackingLevel* level = kelvoPackingLevel(GetParam().level);
    ASSERT_NE(level, nullptr);
    const std::vector<int> bits = pixelBits(GetParam().bits);
    ASSERT_EQ(level->bits, int(bits.size()));
    uint32_t dataMask = 0;
    for (int b : bits) {
        dataMask |= 1u << b;
    }
    EXPECT_EQ(dataMask & 1u, 0u) << "B0 never carries data";
    for (uint32_t background : {0x00000000u, 0xFFFFFFFFu, 0x5A3C96E1u}) {
        for (std::size_t i = 0; i < bits.size(); ++i) {
            const uint32_t one = level->write(background, 1u << i);
            EXPECT_EQ(one, (background & ~dataMask) | 1u << bits[i]) << "value bit " << i;
            EXPECT_EQ(level->read(one), 1u << i);
        }
        const uint32_t written = level->write(background, 0x2AAAAA);
        EXPECT_EQ(written & ~dataMask, background & ~dataMask);
        EXPECT_EQ(level->read(written), 0x2AAAAAu & ((1u << level->bits) - 1));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, PackingLevelTest,
    testing::Values(LevelRow{1, "R0 G0"}, LevelRow{2, "R0 G0 B1"}, LevelRow{3, "R0 R1 G0 B1"},
                    LevelRow{4, "R0 R1 G0 G1 B1"}, LevelRow{5, "R0 R1 G0 G1 B1 B2"},
                    LevelRow{6, "R0-R2 G0 G1 B1 B2"}, LevelRow{7, "R0-R2 G0-G2 B1 B2"},
                    LevelRow{8, "R0-R2 G0-G2 B1-B3"}, LevelRow{9, "R0-R3 G0-G2 B1-B3"},
                    LevelRow{10, "R0-R3 G0-G3 B1-B3"}, LevelRow{11, "R0-R3 G0-G3 B1-B4"},
                    LevelRow{12, "R0-R4 G0-G3 B1-B4"}, LevelRow{13, "R0-R4 G0-G4 B1-B4"},
                    LevelRow{14, "R0-R7 G0-G7 B1-B7"}));

TEST(LengthHeader, HoldsAByteInRGBLowBits) {
    // v = 0b11'010'101: R0-R2 = 101, G0-G2 = 010, B1-B2 = 11.
    const uint32_t pixel = kelvoWriteHeaderByte(0xFFF8F8F9, 0xD5);
    EXPECT_EQ(pixel, 0xFFFDFAFFu);
    EXPECT_EQ(kelvoReadHeaderByte(pixel), 0xD5);
    EXPECT_EQ(kelvoWriteHeaderByte(0xFFFFFFFF, 0) & 1u, 1u) << "B0 stays";
}

struct ChoiceRow {
    uint64_t bytes;
    int64_t pixels;
    int requested;
    int expected;
};

class LevelChoiceTest : public testing::TestWithParam<ChoiceRow> {};

TEST_P(LevelChoiceTest, Chooses) {
    const ChoiceRow& row = GetParam();
    EXPECT_EQ(kelvoChooseLevel(row.bytes, row.pixels, row.requested), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Examples, LevelChoiceTest,
                         testing::Values(ChoiceRow{100, 400, 0, 1},  // v = 2
                                         ChoiceRow{100, 100, 0, 7},  // v = 8
                                         ChoiceRow{100, 40, 0, 14},  // v = 20
                                         ChoiceRow{100, 34, 0, 0},   // v = 24: does not fit
                                         ChoiceRow{100, 0, 0, 0},    // no pixels
                                         ChoiceRow{0, 10, 0, 1},     // nothing to carry
                                         ChoiceRow{50, 100, 3, 3},   // v = 4 keeps requested 3
                                         ChoiceRow{60, 96, 3, 4},    // v = 5: automatic
                                         ChoiceRow{10, 400, 14, 14}, // 14 always kept
                                         ChoiceRow{100, 34, 14, 0},  // but not beyond 23 bits
                                         ChoiceRow{100, 100, 15, 7}, // unknown request: automatic
                                         ChoiceRow{100, 100, -1, 7}));

} // namespace
