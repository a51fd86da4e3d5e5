#include "kelvoerasemarks.h"

#include "kelvopixelbits.h"
#include "kelvostartpoint.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace {

constexpr int kFirstRegionIndex = 2;
constexpr std::size_t kPaletteSize = 256;

uint32_t average(std::initializer_list<uint32_t> pixels) {
    uint32_t r = 0;
    uint32_t g = 0;
    uint32_t b = 0;
    for (uint32_t p : pixels) {
        r += (p >> 16) & 0xFF;
        g += (p >> 8) & 0xFF;
        b += p & 0xFF;
    }
    const uint32_t n = uint32_t(pixels.size());
    return kelvoRgb(r / n, g / n, b / n);
}

void blendAway(const KelvoPixelBuffer& image, int x, int y) {
    const uint32_t upperLeft = image.at(x - 1, y - 1);
    const uint32_t upperRight = image.at(x + 1, y - 1);
    const uint32_t lowerLeft = image.at(x - 1, y + 1);
    const uint32_t lowerRight = image.at(x + 1, y + 1);
    image.at(x, y - 1) = average({upperLeft, upperRight});
    image.at(x - 1, y) = average({upperLeft, lowerLeft});
    image.at(x + 1, y) = average({upperRight, lowerRight});
    image.at(x, y + 1) = average({lowerLeft, lowerRight});
    image.at(x, y) = average({upperLeft, upperRight, lowerLeft, lowerRight});
}

template <class TakesPart> void erase(const KelvoPixelBuffer& image, TakesPart takesPart) {
    kelvoForEachStartPoint(image, [&](int x, int y) {
        if (takesPart(x, y)) {
            blendAway(image, x, y);
        }
        return true;
    });
    for (int y = 0; y < image.height; ++y) {
        uint32_t* row = image.row(y);
        for (int x = 0; x < image.width; ++x) {
            if (takesPart(x, y)) {
                row[x] &= ~kMarkBit;
            }
        }
    }
}

} // namespace

bool kelvoEraseMarks(const KelvoPixelBuffer& image) {
    if (!kelvoIsCodable(image)) {
        return false;
    }
    erase(image, [](int, int) { return true; });
    return true;
}

bool kelvoEraseRegionMarks(const KelvoPixelBuffer& image, const KelvoIndexedImage& idImage,
                           int index) {
    const std::size_t paletteSize = std::min(idImage.palette.size(), kPaletteSize);
    if (!kelvoIsCodable(image) || idImage.width != image.width || idImage.height != image.height ||
        idImage.indices.size() != std::size_t(image.width) * std::size_t(image.height) ||
        index < kFirstRegionIndex || std::size_t(index | 1) >= paletteSize) {
        return false;
    }
    const uint32_t key = idImage.palette[std::size_t(index)] & 0xFF;
    std::array<bool, kPaletteSize> selected{};
    for (std::size_t i = kFirstRegionIndex; i < paletteSize; ++i) {
        selected[i] = (idImage.palette[i] & 0xFF) == key;
    }
    erase(image, [&](int x, int y) { return selected[idImage.at(x, y)]; });
    return true;
}
