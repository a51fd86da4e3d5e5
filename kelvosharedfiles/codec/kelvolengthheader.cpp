#include "kelvolengthheader.h"

#include "kelvopackinglevels.h"

namespace {

constexpr int kHeaderLayoutLevel = 7;

uint64_t pixelsFor(std::size_t bytes, int bitsPerPixel) {
    return (uint64_t(bytes) * 8 + uint64_t(bitsPerPixel) - 1) / uint64_t(bitsPerPixel);
}

} // namespace

uint32_t kelvoWriteHeaderByte(uint32_t pixel, uint8_t byte) {
    return kelvoPackingLevel(kHeaderLayoutLevel)->write(pixel, byte);
}

uint8_t kelvoReadHeaderByte(uint32_t pixel) {
    return uint8_t(kelvoPackingLevel(kHeaderLayoutLevel)->read(pixel));
}

uint64_t kelvoPayloadPixels(int bitsPerPixel, std::size_t recordBytes, bool hasColourTable,
                            std::size_t colourBytes) {
    uint64_t pixels = 2 * kHeaderPixels + pixelsFor(recordBytes, bitsPerPixel);
    if (hasColourTable) {
        pixels += pixelsFor(colourBytes, bitsPerPixel);
    }
    return pixels;
}
