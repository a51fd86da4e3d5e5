#include "kelvofloodfill.h"

#include "kelvobytewords.h"

#include <cstddef>
#include <cstring>
#include <vector>

namespace {

struct Seed {
    int x;
    int y;
};

// The first i in [x, end) whose pixel is (`want`) or is not (!`want`) `target`, else `end`;
// eight pixels at a time through long runs.
int scan(const uint8_t* row, int x, int end, uint8_t target, bool want) {
    const uint64_t pattern = kKelvoEveryByte * target;
    for (; x + 8 <= end; x += 8) {
        const uint64_t differences = kelvoWordAt(row + x) ^ pattern;
        if (want ? kelvoZeroBytes(differences) != 0 : differences != 0) {
            break;
        }
    }
    while (x < end && (row[x] == target) != want) {
        ++x;
    }
    return x;
}

// Pushes the first pixel of every run of `target` pixels of `row` within [left, right].
void pushRuns(std::vector<Seed>& seeds, const uint8_t* row, int y, int left, int right,
              uint8_t target) {
    for (int x = left; (x = scan(row, x, right + 1, target, true)) <= right;) {
        seeds.push_back({x, y});
        x = scan(row, x, right + 1, target, false);
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
        const int right = scan(line, seed.x, width, target, false) - 1;
        std::memset(line + left, value, std::size_t(right - left + 1));
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
