// The coded-image test, encoding and decoding of pictures of 1, 4 and 12 megapixels with 1, 16
// and 64 regions. Every case reports x_memcpy: its time per iteration divided by the time of a
// memcpy of the same picture, measured in the same run. Pictures are noise, the worst case for
// the test (half of all pixels carry a mark bit); regions are rectangles in a grid, each
// covering a quarter of its cell and carrying a text and an image snippet with its palette.
#include "benchmemcpy.h"
#include "benchpicturesize.h"
#include "kelvoimglsbsdecoder.h"
#include "kelvoimglsbsencoder.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <random>
#include <vector>

namespace {

std::vector<uint32_t> noise(PictureSize size) {
    std::mt19937 rng(uint32_t(size.width));
    std::vector<uint32_t> pixels(std::size_t(size.width) * std::size_t(size.height));
    for (uint32_t& p : pixels) {
        p = 0xFF000000 | (rng() & 0xFFFFFF);
    }
    return pixels;
}

KelvoPixelBuffer view(std::vector<uint32_t>& pixels, PictureSize size) {
    return {pixels.data(), size.width, size.height, size.width, 32};
}

struct CodingCase {
    PictureSize size;
    std::vector<uint32_t> pixels;
    std::vector<uint32_t> mask;
    std::vector<KelvoDataObjs> data;

    CodingCase(int megapixels, int regions)
        : size(sizeOf(megapixels)), pixels(noise(size)), mask(pixels.size(), 0xFFFFFFFF) {
        const int columns = int(std::ceil(std::sqrt(double(regions))));
        const int rows = (regions + columns - 1) / columns;
        const int cellWidth = size.width / columns;
        const int cellHeight = size.height / rows;
        std::mt19937 rng(7);
        for (int n = 0; n < regions; ++n) {
            const int left = (n % columns) * cellWidth + cellWidth / 4;
            const int top = (n / columns) * cellHeight + cellHeight / 4;
            paintRect(left, top, cellWidth / 2, cellHeight / 2, n);
            data.push_back(regionData(n, rng));
        }
    }

    void paintRect(int left, int top, int w, int h, int n) {
        for (int y = top; y < top + h; ++y) {
            for (int x = left; x < left + w; ++x) {
                const bool edge = x == left || y == top || x == left + w - 1 || y == top + h - 1;
                mask[std::size_t(y) * std::size_t(size.width) + std::size_t(x)] =
                    edge ? 0xFFFF0000 | uint32_t(n) << 8 : 0xFF00FF00 | uint32_t(n) << 16;
            }
        }
    }

    static KelvoDataObjs regionData(int n, std::mt19937& rng) {
        static const char kWords[] = "annotated region with a short description ";
        KelvoData text;
        text.red = n;
        text.green = 255;
        for (int i = 0; i < 256; ++i) {
            text.payload.push_back(uint8_t(kWords[std::size_t(i) % (sizeof kWords - 1)]));
        }
        KelvoData snippet = text;
        snippet.type = TypeImage;
        snippet.payload.resize(2000);
        for (uint8_t& b : snippet.payload) {
            b = uint8_t(rng() % 64);
        }
        KelvoDataObjs region;
        region.records = {text, snippet};
        for (int i = 0; i < 64; ++i) {
            region.colours.push_back(rng() & 0xFFFFFF);
        }
        return region;
    }

    bool encode() {
        KelvoIdBufferStruct regions;
        regions.mask = view(mask, size);
        return KelvoImgLSBsEncoder(view(pixels, size)).encode(regions, data, true, 0).ok();
    }
};

void BM_Memcpy(benchmark::State& state) {
    const PictureSize size = sizeOf(int(state.range(0)));
    std::vector<uint32_t> from = noise(size);
    std::vector<uint32_t> to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * sizeof(uint32_t));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}

void BM_Test(benchmark::State& state) {
    CodingCase coding(int(state.range(0)), std::max(1, int(state.range(1))));
    if (state.range(1) > 0 && !coding.encode()) {
        state.SkipWithError("encoding failed");
        return;
    }
    const KelvoImgLSBsDecoder decoder(view(coding.pixels, coding.size));
    bool coded = false;
    timeAgainstMemcpy(state, coding.pixels,
                      [&] { benchmark::DoNotOptimize(coded = decoder.isCoded()); });
    if (coded != (state.range(1) > 0)) {
        state.SkipWithError("wrong answer");
    }
}

void BM_Encode(benchmark::State& state) {
    CodingCase coding(int(state.range(0)), int(state.range(1)));
    bool ok = true;
    timeAgainstMemcpy(state, coding.pixels, [&] { ok = ok && coding.encode(); });
    if (!ok) {
        state.SkipWithError("encoding failed");
    }
}

void BM_Decode(benchmark::State& state) {
    CodingCase coding(int(state.range(0)), int(state.range(1)));
    if (!coding.encode()) {
        state.SkipWithError("encoding failed");
        return;
    }
    KelvoImgLSBsDecoder decoder(view(coding.pixels, coding.size));
    KelvoIndexedImage ids;
    std::map<uint32_t, KelvoDataObjs> decoded;
    KelvoArgbImage marks;
    timeAgainstMemcpy(state, coding.pixels, [&] { decoder.decode(ids, decoded, marks); });
    // The round trip must be exact.
    for (std::size_t key = 0; key < coding.data.size(); ++key) {
        const auto it = decoded.find(uint32_t(key));
        if (it == decoded.end() || it->second.records.size() != 2 ||
            it->second.records[1].payload != coding.data[key].records[1].payload ||
            it->second.colours != coding.data[key].colours) {
            state.SkipWithError("decoded data differ");
            return;
        }
    }
}

void pictureSizes(benchmark::internal::Benchmark* b) {
    b->Arg(1)->Arg(4)->Arg(12)->Unit(benchmark::kMillisecond);
}

void codingCases(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond);
    for (int megapixels : {1, 4, 12}) {
        for (int regions : {1, 16, 64}) {
            b->Args({megapixels, regions});
        }
    }
}

} // namespace

BENCHMARK(BM_Memcpy)->Apply(pictureSizes);
BENCHMARK(BM_Test)->Apply(codingCases)->Args({1, 0})->Args({4, 0})->Args({12, 0});
BENCHMARK(BM_Encode)->Apply(codingCases);
BENCHMARK(BM_Decode)->Apply(codingCases);
