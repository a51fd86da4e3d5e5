// Packing levels, length headers and the payload sequence of a region's data pixels.
#include "codectestsupport.h"
#include "kelvodataprocessor.h"
#include "kelvolengthheader.h"
#include "kelvopayloadreader.h"
#include "kelvopayloadwriter.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Pixels = std::vector<uint32_t>;

// Where each level's bits go is read back by the reference reader in kelvodifferential_test.cpp,
// and every level's values by PayloadTest; here: writing a value leaves every other bit of the
// pixel as it was.
TEST(PackingLevels, WriteOnlyTheirOwnBits) {
    // Level, then how many bits it takes of R and of G from bit 0 and of B from bit 1.
    const std::tuple<int, int, int, int> levels[] = {
        {1, 1, 1, 0},  {2, 1, 1, 1},  {3, 2, 1, 1},  {4, 2, 2, 1}, {5, 2, 2, 2},
        {6, 3, 2, 2},  {7, 3, 3, 2},  {8, 3, 3, 3},  {9, 4, 3, 3}, {10, 4, 4, 3},
        {11, 4, 4, 4}, {12, 5, 4, 4}, {13, 5, 5, 4}, {14, 8, 8, 7}};
    for (const auto& [number, r, g, b] : levels) {
        const KelvoPackingLevel* level = kelvoPackingLevel(number);
        ASSERT_NE(level, nullptr);
        ASSERT_EQ(level->bits, r + g + b) << number;
        const uint32_t dataMask =
            ((1u << r) - 1) << 16 | ((1u << g) - 1) << 8 | ((1u << b) - 1) << 1;
        for (uint32_t background : {0x00000000u, 0xFFFFFFFFu, 0x5A3C96E1u}) {
            const uint32_t written = level->write(background, 0x2AAAAA);
            EXPECT_EQ(written & ~dataMask, background & ~dataMask) << number;
        }
    }
}

TEST(PackingLevels, ChoiceFollowsBitsPerPixel) {
    // Bytes, pixels, requested level, chosen level; v = ceil(8 x bytes / pixels).
    const std::tuple<uint64_t, int64_t, int, int> cases[] = {
        {100, 400, 0, 1},  // v = 2
        {100, 100, 0, 7},  // v = 8
        {100, 40, 0, 14},  // v = 20
        {100, 34, 0, 0},   // v = 24: does not fit
        {100, 0, 0, 0},    // no pixels
        {0, 10, 0, 1},     // nothing to carry
        {50, 100, 3, 3},   // v = 4 keeps requested 3
        {60, 96, 3, 4},    // v = 5: automatic
        {10, 400, 14, 14}, // 14 always kept
        {100, 34, 14, 0},  // but not beyond 23 bits
        {100, 100, 15, 7}, // unknown request: automatic
        {100, 100, -1, 7}};
    for (const auto& [bytes, pixels, requested, expected] : cases)
        EXPECT_EQ(kelvoChooseLevel(bytes, pixels, requested), expected)
            << bytes << " bytes, " << pixels << " pixels, requested " << requested;
}

// Feeds pixels until the writer or reader wants no more; returns how many it took.
std::size_t writeAll(KelvoPayloadWriter& writer, Pixels& pixels) {
    std::size_t taken = 0;
    while (taken < pixels.size() && writer.put(pixels[taken]))
        ++taken;
    return taken + 1;
}

std::size_t readAll(KelvoPayloadReader& reader, const Pixels& pixels, std::size_t limit) {
    std::size_t taken = 0;
    while (taken < limit && reader.take(pixels[taken]))
        ++taken;
    return taken + 1;
}

uint32_t headerAt(const Pixels& pixels, std::size_t first) {
    uint32_t value = 0;
    for (int i = 0; i < kHeaderPixels; ++i)
        value |= uint32_t(kelvoReadHeaderByte(pixels[first + std::size_t(i)])) << (8 * i);
    return value;
}

constexpr int kNoColours = -1;

class PayloadTest : public testing::TestWithParam<std::tuple<int, std::size_t, int>> {};

TEST_P(PayloadTest, RoundTripsInExactlyTheCountedPixels) {
    const auto [level, recordBytes, colourBytes] = GetParam();
    const Bytes records = randomBytes(recordBytes, uint32_t(level));
    const Bytes colours = randomBytes(colourBytes == kNoColours ? 0 : std::size_t(colourBytes), 7);
    const Bytes* table = colourBytes == kNoColours ? nullptr : &colours;
    const KelvoPackingLevel& layout = *kelvoPackingLevel(level);
    const std::size_t needed =
        std::size_t(kelvoPayloadPixels(layout.bits, records.size(), table, colours.size()));

    const Pixels original = TestPicture(int(needed) + 5, 1, 99).pixels;
    Pixels pixels = original;
    KelvoPayloadWriter writer(layout, records, table);
    EXPECT_EQ(writeAll(writer, pixels), needed);
    EXPECT_TRUE(writer.complete());
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        EXPECT_EQ(pixels[i] & 1u, original[i] & 1u) << "B0 of pixel " << i;
        if (i >= needed) {
            EXPECT_EQ(pixels[i], original[i]) << "pixel " << i << " after the sequence";
        }
    }
    EXPECT_EQ(headerAt(pixels, 0), records.size());

    KelvoPayloadReader reader(level);
    EXPECT_EQ(readAll(reader, pixels, pixels.size()), needed);
    EXPECT_TRUE(reader.recordsComplete());
    EXPECT_EQ(reader.records(), records);
    EXPECT_EQ(reader.coloursComplete(), table != nullptr);
    EXPECT_EQ(reader.colours(), colours);
}

INSTANTIATE_TEST_SUITE_P(AllLevels, PayloadTest,
                         testing::Combine(testing::Range(1, 15),
                                          testing::Values(std::size_t(0), std::size_t(1),
                                                          std::size_t(23), std::size_t(257)),
                                          testing::Values(kNoColours, 0, 5, 64)));

TEST(Payload, ReaderKeepsNoStreamItCouldNotReadWhole) {
    Pixels pixels = TestPicture(64, 1, 5).pixels;
    const uint32_t tooLong = uint32_t(KelvoDataProcessor::kMaxStreamLength) + 1;
    for (int i = 0; i < kHeaderPixels; ++i)
        pixels[std::size_t(i)] =
            kelvoWriteHeaderByte(pixels[std::size_t(i)], uint8_t(tooLong >> (8 * i)));
    KelvoPayloadReader impossible(3);
    EXPECT_EQ(readAll(impossible, pixels, pixels.size()), std::size_t(kHeaderPixels));
    EXPECT_FALSE(impossible.recordsComplete());

    const Bytes records = randomBytes(40, 6);
    const Bytes colours = randomBytes(40, 7);
    pixels = TestPicture(200, 1, 8).pixels;
    KelvoPayloadWriter writer(*kelvoPackingLevel(5), records, &colours);
    const std::size_t needed = writeAll(writer, pixels);

    KelvoPayloadReader cutInRecords(5);
    readAll(cutInRecords, pixels, 20);
    EXPECT_FALSE(cutInRecords.recordsComplete());

    KelvoPayloadReader cutInColours(5);
    readAll(cutInColours, pixels, needed - 1);
    EXPECT_TRUE(cutInColours.recordsComplete());
    EXPECT_FALSE(cutInColours.coloursComplete());
}

} // namespace
