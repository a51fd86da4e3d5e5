#include "kelvodataprocessor.h"
#include "kelvolengthheader.h"
#include "kelvopayloadreader.h"
#include "kelvopayloadwriter.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;
using Pixels = std::vector<uint32_t>;

Pixels randomPixels(std::size_t count, uint32_t seed) {
    std::mt19937 rng(seed);
    Pixels pixels(count);
    for (uint32_t& p : pixels) {
        p = rng();
    }
    return pixels;
}

Bytes randomBytes(std::size_t count, uint32_t seed) {
    std::mt19937 rng(seed);
    Bytes bytes(count);
    for (uint8_t& b : bytes) {
        b = uint8_t(rng());
    }
    return bytes;
}

// Feeds pixels until the writer wants no more; returns how many it took.
std::size_t writeAll(KelvoPayloadWriter& writer, Pixels& pixels) {
    std::size_t taken = 0;
    while (taken < pixels.size() && writer.put(pixels[taken])) {
        ++taken;
    }
    return taken + 1;
}

std::size_t readAll(KelvoPayloadReader& reader, const Pixels& pixels, std::size_t limit) {
    std::size_t taken = 0;
    while (taken < limit && reader.take(pixels[taken])) {
        ++taken;
    }
    return taken + 1;
}

uint32_t headerAt(const Pixels& pixels, std::size_t first) {
    uint32_t value = 0;
    for (int i = 0; i < kHeaderPixels; ++i) {
        value |= uint32_t(kelvoReadHeaderByte(pixels[first + std::size_t(i)])) << (8 * i);
    }
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

    const Pixels original = randomPixels(needed + 5, 99);
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

TEST(Payload, HeaderBStartsAfterThePixelWithTheLastRecordBit) {
    // Level 7 carries a byte per pixel: the record stream ends on a pixel boundary.
    const Bytes records = {1, 2, 3};
    Pixels pixels = randomPixels(16, 3);
    const Pixels original = pixels;
    KelvoPayloadWriter writer(*kelvoPackingLevel(7), records, nullptr);
    EXPECT_EQ(writeAll(writer, pixels), 11u);
    EXPECT_EQ(headerAt(pixels, 0), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(kelvoPackingLevel(7)->read(pixels[4 + i]), records[i]);
    }
    EXPECT_EQ(headerAt(pixels, 7), kNoColourTable);
    EXPECT_EQ(pixels[11], original[11]);
}

TEST(Payload, ReaderKeepsNoStreamItCouldNotReadWhole) {
    Pixels pixels = randomPixels(64, 5);
    const uint32_t tooLong = uint32_t(KelvoDataProcessor::kMaxStreamLength) + 1;
    for (int i = 0; i < kHeaderPixels; ++i) {
        pixels[std::size_t(i)] =
            kelvoWriteHeaderByte(pixels[std::size_t(i)], uint8_t(tooLong >> (8 * i)));
    }
    KelvoPayloadReader impossible(3);
    EXPECT_EQ(readAll(impossible, pixels, pixels.size()), std::size_t(kHeaderPixels));
    EXPECT_FALSE(impossible.recordsComplete());

    const Bytes records = randomBytes(40, 6);
    const Bytes colours = randomBytes(40, 7);
    pixels = randomPixels(200, 8);
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
