#include "kelvofloodfill.h"

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <vector>

namespace {

// Plain breadth-first fill, one pixel at a time.
uint32_t referenceFill(std::vector<uint8_t>& plane, int width, int height, int x, int y,
                       uint8_t target, uint8_t value) {
    const auto at = [&](int px, int py) -> uint8_t& {
        return plane[std::size_t(py) * std::size_t(width) + std::size_t(px)];
    };
    if (at(x, y) != target) {
        return 0;
    }
    uint32_t filled = 0;
    std::deque<std::pair<int, int>> queue{{x, y}};
    at(x, y) = value;
    while (!queue.empty()) {
        const auto [px, py] = queue.front();
        queue.pop_front();
        ++filled;
        for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
            const int nx = px + dx;
            const int ny = py + dy;
            if (nx >= 0 && ny >= 0 && nx < width && ny < height && at(nx, ny) == target) {
                at(nx, ny) = value;
                queue.emplace_back(nx, ny);
            }
        }
    }
    return filled;
}

} // namespace

// Runs of every length across the eight-pixel steps, at the plane's edges, and the extreme
// byte values fill exactly the pixels a plain fill reaches.
TEST(FloodFill, FillsWhatAPlainFillReaches) {
    std::mt19937 random(7);
    for (const int width : {1, 7, 8, 9, 17, 64, 101}) {
        for (const uint8_t target : {uint8_t(0), uint8_t(4), uint8_t(255)}) {
            const int height = 23;
            std::vector<uint8_t> plane(std::size_t(width) * height);
            // Mostly target, with walls of two other values, so areas are long and ragged.
            for (uint8_t& p : plane) {
                const unsigned roll = random() % 10;
                p = roll < 7 ? target : uint8_t(target + 1 + roll % 2);
            }
            for (int seed = 0; seed < 5; ++seed) {
                const int x = int(random() % unsigned(width));
                const int y = int(random() % unsigned(height));
                std::vector<uint8_t> expected = plane;
                const uint8_t value = uint8_t(target + 3);
                const uint32_t count = referenceFill(expected, width, height, x, y, target, value);
                EXPECT_EQ(kelvoFloodFill(plane.data(), width, height, x, y, target, value), count)
                    << width << " " << int(target);
                ASSERT_EQ(plane, expected) << width << " " << int(target);
            }
        }
    }
}
