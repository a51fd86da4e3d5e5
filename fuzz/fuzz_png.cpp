// PNG reading from arbitrary bytes: header, limits and pixels through both the fast path and
// libspng. A picture that decodes is written again and must read back to the same pixels.
#include "fuzzcheck.h"
#include "kelvopngreader.h"
#include "kelvopngwriter.h"

#include <vector>

namespace {

// Pictures the reader accepts may take 256 MB; the harness keeps to smaller ones for speed.
constexpr uint64_t kMaxFuzzPixels = uint64_t(1) << 22;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    KelvoPngReader reader(data, size);
    KelvoPngHeader header;
    if (reader.readHeader(header) != KelvoPngStatus::Ok) {
        return 0;
    }
    check(header.width > 0 && header.height > 0);
    const uint64_t pixelCount = uint64_t(header.width) * uint64_t(header.height);
    if (pixelCount > kMaxFuzzPixels) {
        return 0;
    }
    std::vector<uint32_t> pixels(pixelCount);
    const KelvoPixelBuffer buffer{pixels.data(), header.width, header.height, header.width, 32};
    if (reader.readPixels(buffer) != KelvoPngStatus::Ok) {
        return 0;
    }
    if (!header.hasAlpha) {
        for (const uint32_t p : pixels) {
            check(p >> 24 == 0xff);
        }
    }

    const std::vector<uint8_t> png = kelvoWritePng(buffer, header.hasAlpha, header.iccProfile);
    check(!png.empty());
    KelvoPngReader again(png.data(), png.size());
    KelvoPngHeader written;
    check(again.readHeader(written) == KelvoPngStatus::Ok);
    check(written.width == header.width && written.height == header.height);
    std::vector<uint32_t> back(pixelCount);
    check(again.readPixels({back.data(), header.width, header.height, header.width, 32}) ==
          KelvoPngStatus::Ok);
    check(back == pixels);
    return 0;
}
