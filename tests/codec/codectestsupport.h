// Pictures, masks and region data for the codec tests.
//
// Masks are painted the way the generator paints them: white background; region n as a set of
// pixels whose border (pixels with a 4-neighbour outside the set or outside the picture) takes
// the outline colour (255, n, 0) and whose other pixels take the interior colour (n, 255, 0).
// Later regions paint over earlier ones.
#pragma once

#include "kelvodata.h"
#include "kelvoencoderesult.h"
#include "kelvoidbuffer.h"
#include "kelvoidbufferstruct.h"
#include "kelvoimagebuffers.h"

#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

using Bytes = std::vector<uint8_t>;
using Point = std::pair<double, double>;

Bytes randomBytes(std::size_t count, uint32_t seed);

// A 32-bit picture that owns its pixels.
struct TestPicture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    TestPicture() = default;
    TestPicture(int w, int h, uint32_t seed); // opaque random pixels
    KelvoPixelBuffer buffer() { return {pixels.data(), width, height, width, 32}; }
    uint32_t& at(int x, int y) { return buffer().at(x, y); }
};

class TestMask {
public:
    TestMask(int width, int height);

    // The w x h pixels from (x, y).
    void rect(int x, int y, int w, int h, int n);
    // Pixels whose centres lie inside the polygon (even-odd rule).
    void polygon(const std::vector<Point>& points, int n);

    KelvoIdBufferStruct regions() { return {{pixels.data(), width, height, width, 32}}; }

    int width;
    int height;
    std::vector<uint32_t> pixels;

private:
    void paint(const std::function<bool(int, int)>& contains, int n);
};

uint32_t interiorColour(int n);
uint32_t outlineColour(int n);

// Records of all types with random payloads of up to `maxPayload` bytes, display colour of
// mask region n, sub-index 0.
std::vector<KelvoData> randomRecords(std::mt19937& rng, int n, std::size_t maxPayload);
KelvoData textRecord(int n, const std::string& text);
KelvoDataObjs regionData(std::vector<KelvoData> records, std::vector<uint32_t> colours = {});

// Encodes with clearMarks set unless told otherwise.
KelvoEncodeResult encode(TestPicture& picture, TestMask& mask,
                         const std::vector<KelvoDataObjs>& data, uint32_t firstKey = 0,
                         bool clearMarks = true);
std::map<uint32_t, KelvoDataObjs> decode(TestPicture& picture, KelvoIndexedImage* ids = nullptr);
// The regions a reader finds from the marks of `picture`.
KelvoIdBuffer regionsFromMarks(TestPicture& picture);

// What decoding gives back for `data` coded as region `key`: sub-indices renumbered and
// display colours (255, sub-index, key).
std::vector<KelvoData> expectedRecords(std::vector<KelvoData> records, uint32_t key);

// The picture in the fuzz_decoder input format (see fuzz/fuzz_decoder.cpp).
Bytes decoderFuzzInput(const TestPicture& picture);
// Leaves a valid input made by a test as a seed file for fuzz target `target`.
void writeFuzzSeed(const std::string& target, const std::string& name, const Bytes& bytes);
