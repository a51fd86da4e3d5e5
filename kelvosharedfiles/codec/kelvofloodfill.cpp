#include "kelvofloodfill.h"

#include <cstddef>
#include <vector>

namespace {

struct Seed {
    int x;
    int y;
};

// Pushes the first pixel of every run of `target` pixels of `row` within [left, right].
void pushRuns(std::vector<Seed>& seeds, const uint8_t* row, int y, int left, int right,
              uint8_t target) {
    bool inRun = false;
    for (int x = left; x <= right; ++x) {
        const bool fillable = row[x] == target;
        if (fillable && !inRun) {
            seeds.push_back({x, y});
        }
        inRun = fillable;
    }
}

} // namespace

uint32_t kelvoFloodFill(uint8_t* plane, int width, int height, int x, int y, uint8_t target,
                        uint8_t value) {
    const auto row = [&](int r) { return plane + std::size_t(r) * std::size_t(width); };
    if (row(y)[x] != target) {
        return 0;
    }
    uint32_t filled = 0;
    std::vector<Seed> seeds{{x, y}};
    while (!seeds.empty()) {
        const Seed seed = seeds.back();
        seeds.pop_back();
        uint8_t* line = row(seed.y);
        if (line[seed.x] != target) {
            continue;
        }
        int left = seed.x;
        while (left > 0 && line[left - 1] == target) {
            --left;
        }
        int right = seed.x;
        while (right + 1 < width && line[right + 1] == target) {
            ++right;
        }
        for (int i = left; i <= right; ++i) {
            line[i] = value;
        }
        filled += uint32_t(right - left + 1);
        if (seed.y > 0) {
            pushRuns(seeds, row(seed.y - 1), seed.y - 1, left, right, target);
        }
        if (seed.y + 1 < height) {
            pushRuns(seeds, row(seed.y + 1), seed.y + 1, left, right, target);
        }
    }
    return filled;
}
