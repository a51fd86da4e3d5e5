#include "kelvostartpoint.h"

#include "kelvopixelbits.h"

namespace {

constexpr uint32_t kSignatureRgbBits = 0x001F1F1E;

// Neighbours in the order up, left, right, down.
enum Neighbour { Up, Left, Right, Down };

} // namespace

void kelvoWriteStartPoint(const KelvoPixelBuffer& image, int x, int y, uint32_t key, int level) {
    uint32_t& start = image.at(x, y);
    start = (start & ~0x000F070Fu) | uint32_t(level & 0xF) << 16 | ((key >> 3) & 0x7) << 8 |
            (key & 0x7) << 1 | kMarkBit;
    for (uint32_t* p : {&image.at(x, y - 1), &image.at(x - 1, y)}) {
        *p = (*p & ~kSignatureRgbBits) | kelvo_detail::kFirstSignature;
    }
    for (uint32_t* p : {&image.at(x + 1, y), &image.at(x, y + 1)}) {
        *p = (*p & ~kSignatureRgbBits) | kelvo_detail::kSecondSignature;
    }
}

bool kelvoIsStartPoint(const KelvoPixelBuffer& image, int x, int y) {
    if (x < 1 || y < 1 || x >= image.width - 1 || y >= image.height - 1) {
        return false;
    }
    const uint32_t n[4] = {image.at(x, y - 1), image.at(x - 1, y), image.at(x + 1, y),
                           image.at(x, y + 1)};
    if ((image.at(x, y) & n[Up] & n[Left] & kMarkBit) == 0) {
        return false;
    }
    bool first[4];
    bool second[4];
    int firstCount = 0;
    int secondCount = 0;
    int marked = 0;
    for (int i = 0; i < 4; ++i) {
        const uint32_t signature = n[i] & kSignatureRgbBits;
        first[i] = signature == kelvo_detail::kFirstSignature;
        second[i] = signature == kelvo_detail::kSecondSignature;
        firstCount += first[i];
        secondCount += second[i];
        marked += int(n[i] & kMarkBit);
        if (first[i] && (n[i] & kMarkBit) == 0) {
            return false;
        }
    }
    // Two of four that differ in both x and y: one vertical and one horizontal neighbour.
    const auto crosswise = [](const bool* pair) {
        return pair[Up] != pair[Down] && pair[Left] != pair[Right];
    };
    return firstCount == 2 && secondCount == 2 && crosswise(first) && crosswise(second) &&
           marked >= 2;
}
