// Coded-picture reading from arbitrary bytes. Input: byte 0 = width, byte 1 = height (1..255
// each), then one RGB triple per pixel in raster order; missing bytes read as 0. The picture
// goes through the coded-image test, decoding, erasing each decoded region and erasing all
// marks, after which it must no longer test coded.
#include "fuzzcheck.h"
#include "kelvoerasemarks.h"
#include "kelvoimglsbsdecoder.h"

#include <map>
#include <vector>

namespace {

constexpr std::size_t kHeaderBytes = 2;
constexpr std::size_t kMaxRegionErasures = 8;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < kHeaderBytes || data[0] == 0 || data[1] == 0) {
        return 0;
    }
    const int width = data[0];
    const int height = data[1];
    std::vector<uint32_t> pixels(std::size_t(width) * std::size_t(height));
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        uint32_t rgb = 0;
        for (std::size_t c = 0; c < 3; ++c) {
            const std::size_t at = kHeaderBytes + 3 * i + c;
            rgb = rgb << 8 | (at < size ? data[at] : 0);
        }
        pixels[i] = 0xFF000000 | rgb;
    }
    const KelvoPixelBuffer image{pixels.data(), width, height, width, 32};

    KelvoImgLSBsDecoder decoder(image);
    decoder.setMarksSeed(0);
    const bool coded = decoder.isCoded();
    KelvoIndexedImage ids;
    std::map<uint32_t, KelvoDataObjs> regions;
    KelvoArgbImage marks;
    decoder.decode(ids, regions, marks);
    check(ids.indices.size() == pixels.size() && marks.pixels.size() == pixels.size());
    check(ids.palette.size() <= 256 && coded == !regions.empty());
    for (uint8_t index : ids.indices) {
        check(index < ids.palette.size());
    }

    for (std::size_t i = 2; i < ids.palette.size() && i / 2 <= kMaxRegionErasures; i += 2) {
        check(kelvoEraseRegionMarks(image, ids, int(i)));
    }
    check(kelvoEraseMarks(image));
    check(!KelvoImgLSBsDecoder(image).isCoded());
    return 0;
}
