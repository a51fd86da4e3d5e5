// Encode -> decode over many random region layouts and payloads.
#include "codectestsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <tuple>

namespace {

constexpr int kWidth = 120, kHeight = 90, kColumns = 4, kRows = 3;
constexpr int kCellWidth = kWidth / kColumns, kCellHeight = kHeight / kRows;

// Regions in the cells of a grid: rectangles apart, polygons, a rectangle and a polygon per
// region, rectangles inside a frame region, rectangles filling their cells (touching each
// other and the picture's border); or rectangles anywhere, cutting into each other.
enum class Kind { Rectangles, Polygons, MultiPart, Nested, Adjacent, Overlapping };

int between(std::mt19937& rng, int low, int high) {
    return low + int(rng() % uint32_t(high - low + 1));
}

// A polygon around the cell's centre whose corners lie at evenly spread angles.
void randomPolygon(TestMask& mask, std::mt19937& rng, int cell, int n) {
    const double cx = (cell % kColumns) * kCellWidth + kCellWidth / 2.0;
    const double cy = (cell / kColumns) * kCellHeight + kCellHeight / 2.0;
    const int corners = between(rng, 3, 8);
    const double start = (rng() % 628) / 100.0;
    std::vector<Point> points;
    for (int i = 0; i < corners; ++i) {
        const double angle = start + 6.2832 * (i + (rng() % 50) / 100.0) / corners;
        const double radius = between(rng, 11, 14);
        points.emplace_back(cx + radius * std::cos(angle), cy + radius * std::sin(angle));
    }
    mask.polygon(points, n);
}

// A rectangle in `cell` whose sides keep `minMargin` to `maxMargin` pixels from the cell's.
void cellRect(TestMask& mask, std::mt19937& rng, int cell, int n, int minMargin, int maxMargin) {
    const int left = between(rng, minMargin, maxMargin), top = between(rng, minMargin, maxMargin);
    const int right = between(rng, minMargin, maxMargin);
    const int bottom = between(rng, minMargin, maxMargin);
    mask.rect(cell % kColumns * kCellWidth + left, cell / kColumns * kCellHeight + top,
              kCellWidth - left - right, kCellHeight - top - bottom, n);
}

struct Layout {
    TestMask mask{kWidth, kHeight};
    std::vector<KelvoDataObjs> data;
};

Layout randomLayout(Kind kind, uint32_t seed) {
    std::mt19937 rng(seed);
    Layout layout;
    std::vector<int> cells(kColumns * kRows);
    std::iota(cells.begin(), cells.end(), 0);
    std::shuffle(cells.begin(), cells.end(), rng);
    const int regions = between(rng, 1, kind == Kind::MultiPart ? 6 : 12);
    for (int n = 0; n < regions; ++n) {
        const int cell = cells[std::size_t(n)];
        switch (kind) {
        case Kind::Rectangles:
            cellRect(layout.mask, rng, cell, n, 1, 6);
            break;
        case Kind::Polygons:
            randomPolygon(layout.mask, rng, cell, n);
            break;
        case Kind::MultiPart:
            cellRect(layout.mask, rng, cell, n, 1, 6);
            randomPolygon(layout.mask, rng, cells[std::size_t(n + 6)], n);
            break;
        case Kind::Nested:
            if (n == 0)
                layout.mask.rect(2, 2, kWidth - 4, kHeight - 4, 0);
            else
                cellRect(layout.mask, rng, cell, n, 5, 10);
            break;
        case Kind::Adjacent:
            cellRect(layout.mask, rng, cell, n, 0, 0);
            break;
        case Kind::Overlapping:
            layout.mask.rect(between(rng, 0, kWidth - 20), between(rng, 0, kHeight - 20),
                             between(rng, 3, 40), between(rng, 3, 40), n);
            break;
        }
        std::vector<KelvoData> records = randomRecords(rng, n, 100);
        if (rng() % 4 == 0) // sub-indices that the reader renumbers
            for (KelvoData& r : records)
                r.subIndex = uint8_t(rng() % 3 * 5);
        std::vector<uint32_t> colours(rng() % 2 ? between(rng, 1, 30) : 0);
        for (uint32_t& c : colours)
            c = rng() & 0xFFFFFF;
        layout.data.push_back(regionData(std::move(records), std::move(colours)));
    }
    return layout;
}

void expectDecodesAs(TestPicture& picture, const std::vector<KelvoDataObjs>& data,
                     uint32_t firstKey) {
    const auto decoded = decode(picture);
    ASSERT_EQ(decoded.size(), data.size());
    for (std::size_t i = 0; i < data.size(); ++i) {
        const uint32_t key = firstKey + uint32_t(i);
        ASSERT_EQ(decoded.count(key), 1u) << "region " << key;
        EXPECT_EQ(decoded.at(key).records, expectedRecords(data[i].records, key));
        EXPECT_EQ(decoded.at(key).colours, data[i].colours);
    }
}

class RoundTripTest : public testing::TestWithParam<std::tuple<Kind, uint32_t>> {};

TEST_P(RoundTripTest, DecodesWhatWasEncoded) {
    const auto [kind, seed] = GetParam();
    Layout layout = randomLayout(kind, seed);
    TestPicture picture(kWidth, kHeight, seed);
    const uint32_t firstKey = seed % 8;
    ASSERT_TRUE(encode(picture, layout.mask, layout.data, firstKey));
    expectDecodesAs(picture, layout.data, firstKey);
    if (seed < 3)
        writeFuzzSeed("fuzz_decoder",
                      "layout" + std::to_string(int(kind)) + "_" + std::to_string(seed),
                      decoderFuzzInput(picture));
}

INSTANTIATE_TEST_SUITE_P(Layouts, RoundTripTest,
                         testing::Combine(testing::Values(Kind::Rectangles, Kind::Polygons,
                                                          Kind::MultiPart, Kind::Nested,
                                                          Kind::Adjacent),
                                          testing::Range(0u, 12u)));

// Overlapping regions cut each other into odd shapes: whatever the encoder accepts must come
// back exactly, and what it refuses must leave the picture alone.
TEST(RoundTrip, OverlappingRegionsComeBackOrAreRefused) {
    int accepted = 0;
    for (uint32_t seed = 0; seed < 60; ++seed) {
        Layout layout = randomLayout(Kind::Overlapping, seed);
        TestPicture picture(kWidth, kHeight, seed);
        const std::vector<uint32_t> original = picture.pixels;
        if (encode(picture, layout.mask, layout.data)) {
            ++accepted;
            expectDecodesAs(picture, layout.data, 0);
        } else {
            EXPECT_EQ(picture.pixels, original) << "seed " << seed;
        }
    }
    EXPECT_GT(accepted, 10);
}

} // namespace
