#include "kelvomarkspicture.h"

#include "kelvopixelbits.h"

#include <algorithm>

namespace {

// splitmix64: fast, and good enough for dots.
class DotColours {
public:
    explicit DotColours(uint64_t seed) : m_state(seed) {}
    uint32_t next() {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return kOpaque | uint32_t(z ^ (z >> 31));
    }

private:
    uint64_t m_state;
};

constexpr int kPenBefore = 1; // pixels the pen covers before the rectangle's corner
constexpr int kPenAfter = 2;  // and after it

// The dots of row y's marked pixels. Kept out of line: a WebAssembly engine moves a function to
// optimised code between its calls, never during one.
[[gnu::noinline]] void drawRowMarks(const KelvoPixelBuffer& image, int y, DotColours& colours,
                                    KelvoArgbImage& marks) {
    const uint32_t* row = image.row(y);
    for (int x = 0; x < image.width; ++x) {
        if ((row[x] & kMarkBit) == 0) {
            continue;
        }
        const int top = std::max(0, y - kPenBefore);
        const int bottom = std::min(image.height - 1, y + kPenAfter);
        const int left = std::max(0, x - kPenBefore);
        const int right = std::min(image.width - 1, x + kPenAfter);
        for (int cy = top; cy <= bottom; ++cy) {
            uint32_t* out = marks.pixels.data() + std::size_t(cy) * std::size_t(image.width);
            for (int cx = left; cx <= right; ++cx) {
                out[cx] = colours.next();
            }
        }
    }
}

} // namespace

void kelvoMarksPicture(const KelvoPixelBuffer& image, uint64_t seed, KelvoArgbImage& marks) {
    if (!kelvoIsCodable(image)) {
        marks = {};
        return;
    }
    marks.width = image.width;
    marks.height = image.height;
    marks.pixels.assign(std::size_t(image.width) * std::size_t(image.height), 0);
    DotColours colours(seed);
    for (int y = 0; y < image.height; ++y) {
        drawRowMarks(image, y, colours, marks);
    }
}
