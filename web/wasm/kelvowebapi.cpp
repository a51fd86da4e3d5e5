// The functions that JavaScript calls (kelvo-codec-api.mjs). A result owns everything its
// pointers point into until kelvo_free_result.
#include "kelvodecodereport.h"
#include "kelvopngreader.h"
#include "kelvowebdecoder.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

// What kelvo_decode is asked for, bit by bit; 0 and 1 keep the meaning they had as a flag.
enum KelvoDecodeFlags : int {
    WithReport = 1, // the report kelvo-tool decode prints, for kelvo_json
    NoMarks = 2,    // no marks picture: kelvo_mark_dot_count is 0
};

struct KelvoWebResult {
    KelvoWebDecoded decoded;
    KelvoPngStatus status = KelvoPngStatus::Ok;
    std::string json;
    std::string error;
    std::vector<uint32_t> markDots;   // pixel index, colour; for each opaque pixel of the marks
    std::vector<int32_t> regionBoxes; // kelvo_region_boxes
    std::vector<uint32_t> keyRuns;    // kelvo_key_runs
    std::vector<uint32_t> keyRows;    // kelvo_key_rows
};

constexpr int kBoxFields = 7;
constexpr uint8_t kNoKey = 255;

// One row of kelvo_mark_dot_count, out of line as keyRow below.
[[gnu::noinline]] void markDotRow(const KelvoArgbImage& marks, int y, std::vector<uint32_t>& dots) {
    const std::size_t first = std::size_t(y) * std::size_t(marks.width);
    for (std::size_t i = first; i < first + std::size_t(marks.width); ++i) {
        if (marks.pixels[i] >> 24) {
            dots.push_back(static_cast<uint32_t>(i));
            dots.push_back(marks.pixels[i]);
        }
    }
}

// Where the run of `index` that starts at `x` ends: eight pixels at a time where it can.
int runEnd(const uint8_t* ids, int x, int width) {
    const uint8_t index = ids[x];
    const uint64_t eight = 0x0101010101010101u * index;
    uint64_t word;
    ++x;
    while (x + 8 <= width && (std::memcpy(&word, ids + x, 8), word == eight)) {
        x += 8;
    }
    while (x < width && ids[x] == index) {
        ++x;
    }
    return x;
}

// A key run's word holds its first x above the key: every x of a picture fits in 24 bits.
static_assert(KelvoPngReader::kMaxSide <= 1u << 24);

// One row of kelvo_region_box_count, a run of equal ids at a time (regions fill long runs), out
// of line so that the engine optimises it after the first rows rather than running the whole
// picture in baseline code.
[[gnu::noinline]] void keyRow(const uint8_t* ids, int width, int y, const uint8_t (&keyOf)[256],
                              std::array<std::array<int32_t, kBoxFields>, 256>& boxes,
                              std::array<bool, 256>& seen, std::vector<uint32_t>& runs) {
    int previous = -1;
    for (int x = 0; x < width;) {
        const int end = runEnd(ids, x, width);
        const uint8_t key = keyOf[ids[x]];
        if (key != previous) {
            runs.push_back(uint32_t(x) << 8 | key);
            previous = key;
        }
        if (key != kNoKey) {
            std::array<int32_t, kBoxFields>& box = boxes[key];
            if (!seen[key]) {
                seen[key] = true;
                box = {key, x, y, x, y, x, y};
            }
            box[1] = std::min(box[1], x);
            box[3] = std::max(box[3], end - 1);
            box[4] = y;
        }
        x = end;
    }
}

} // namespace

extern "C" {

// Decodes the PNG file of `size` bytes at `file` as `flags` (KelvoDecodeFlags) ask.
EMSCRIPTEN_KEEPALIVE KelvoWebResult* kelvo_decode(const uint8_t* file, std::size_t size,
                                                  int flags) {
    auto* result = new KelvoWebResult;
    result->status = result->decoded.decode(file, size, !(flags & NoMarks), result->error);
    if (result->status == KelvoPngStatus::Ok && (flags & WithReport)) {
        result->json = kelvoDecodeReport(result->decoded.picture);
    }
    return result;
}

EMSCRIPTEN_KEEPALIVE const char* kelvo_error(const KelvoWebResult* r) {
    return r->error.c_str();
}

// 0 for a decoded picture; else 1 for bytes that are no PNG, 2 for a picture beyond the memory
// limit, 3 for a damaged file.
EMSCRIPTEN_KEEPALIVE int kelvo_status(const KelvoWebResult* r) {
    return static_cast<int>(r->status);
}

EMSCRIPTEN_KEEPALIVE const char* kelvo_json(const KelvoWebResult* r) {
    return r->json.c_str();
}

EMSCRIPTEN_KEEPALIVE int kelvo_width(const KelvoWebResult* r) {
    return r->decoded.picture.width;
}

EMSCRIPTEN_KEEPALIVE int kelvo_height(const KelvoWebResult* r) {
    return r->decoded.picture.height;
}

EMSCRIPTEN_KEEPALIVE int kelvo_coded(const KelvoWebResult* r) {
    return r->decoded.picture.coded ? 1 : 0;
}

// 0xAARRGGBB per pixel, rows packed.
EMSCRIPTEN_KEEPALIVE const uint32_t* kelvo_pixels(const KelvoWebResult* r) {
    return r->decoded.pixels.get();
}

// One palette index per pixel, rows packed; null when the picture has no id image.
EMSCRIPTEN_KEEPALIVE const uint8_t* kelvo_ids(const KelvoWebResult* r) {
    const KelvoDecodedPicture& picture = r->decoded.picture;
    return picture.idImage.indices.empty() || picture.idImage.width != picture.width
               ? nullptr
               : picture.idImage.indices.data();
}

EMSCRIPTEN_KEEPALIVE const uint32_t* kelvo_id_palette(const KelvoWebResult* r) {
    return r->decoded.picture.idImage.palette.data();
}

EMSCRIPTEN_KEEPALIVE int kelvo_id_palette_size(const KelvoWebResult* r) {
    return static_cast<int>(r->decoded.picture.idImage.palette.size());
}

// Turns the pixels into R, G, B, A bytes in place, the order of the browser's ImageData.
EMSCRIPTEN_KEEPALIVE const uint8_t* kelvo_rgba(KelvoWebResult* r) {
    const KelvoDecodedPicture& picture = r->decoded.picture;
    uint32_t* p = r->decoded.pixels.get();
    for (uint32_t* end = p + std::size_t(picture.width) * std::size_t(picture.height); p != end;
         ++p) {
        // Little-endian memory: the word 0xAABBGGRR holds the bytes R, G, B, A.
        *p = (*p & 0xFF00FF00u) | (*p >> 16 & 0xFFu) | (*p & 0xFFu) << 16;
    }
    return reinterpret_cast<const uint8_t*>(r->decoded.pixels.get());
}

// The marks picture is transparent but for the outline dots: their pixel indices and colours
// (0xAARRGGBB) in pairs, counted by kelvo_mark_dot_count.
EMSCRIPTEN_KEEPALIVE int kelvo_mark_dot_count(KelvoWebResult* r) {
    const KelvoArgbImage& marks = r->decoded.marks;
    r->markDots.clear();
    for (int y = 0; y < marks.height; ++y) {
        markDotRow(marks, y, r->markDots);
    }
    return static_cast<int>(r->markDots.size() / 2);
}

EMSCRIPTEN_KEEPALIVE const uint32_t* kelvo_mark_dots(const KelvoWebResult* r) {
    return r->markDots.data();
}

// The hit-test data of the id image, so that the page's thread need not scan it: the key map,
// which names for each pixel the key of the decoded region whose fill pixel (palette entries
// with red 255 and the key in blue) it is, else 255, as runs of equal keys row by row. A run is
// the word x << 8 | key from its first pixel x on; row y's runs are kelvo_key_runs from index
// kelvo_key_rows[y] up to kelvo_key_rows[y + 1], the first at x 0. Regions fill long runs: the
// map takes a few bytes per row where one per pixel would take the picture's size, and at most
// the 32-bit pixels' size whatever the picture. For each region in the map, in ascending key
// order, kBoxFields numbers: key, minX, minY, maxX, maxY (the bounding box of its fill pixels,
// inclusive) and x, y of the first one in raster order. Counted by kelvo_region_box_count.
EMSCRIPTEN_KEEPALIVE int kelvo_region_box_count(KelvoWebResult* r) {
    const KelvoDecodedPicture& picture = r->decoded.picture;
    r->regionBoxes.clear();
    r->keyRuns.clear();
    r->keyRows.clear();
    const uint8_t* ids = kelvo_ids(r);
    if (!ids) {
        return 0;
    }
    uint8_t keyOf[256];
    std::fill(std::begin(keyOf), std::end(keyOf), kNoKey);
    const std::vector<uint32_t>& palette = picture.idImage.palette;
    for (std::size_t i = 0; i < palette.size() && i < 256; ++i) {
        const uint32_t key = palette[i] & 0xFF;
        if ((palette[i] >> 16 & 0xFF) == 0xFF && key != kNoKey && picture.data.count(key)) {
            keyOf[i] = uint8_t(key);
        }
    }
    std::array<std::array<int32_t, kBoxFields>, 256> boxes;
    std::array<bool, 256> seen{};
    r->keyRows.reserve(std::size_t(picture.height) + 1);
    for (int y = 0; y < picture.height; ++y) {
        r->keyRows.push_back(uint32_t(r->keyRuns.size()));
        keyRow(ids + std::size_t(y) * std::size_t(picture.width), picture.width, y, keyOf, boxes,
               seen, r->keyRuns);
    }
    r->keyRows.push_back(uint32_t(r->keyRuns.size()));
    for (std::size_t key = 0; key < boxes.size(); ++key) {
        if (seen[key]) {
            r->regionBoxes.insert(r->regionBoxes.end(), boxes[key].begin(), boxes[key].end());
        }
    }
    return static_cast<int>(r->regionBoxes.size() / kBoxFields);
}

// After kelvo_region_box_count; empty for a picture without an id image.
EMSCRIPTEN_KEEPALIVE int kelvo_key_run_count(const KelvoWebResult* r) {
    return static_cast<int>(r->keyRuns.size());
}

EMSCRIPTEN_KEEPALIVE const uint32_t* kelvo_key_runs(const KelvoWebResult* r) {
    return r->keyRuns.data();
}

EMSCRIPTEN_KEEPALIVE const uint32_t* kelvo_key_rows(const KelvoWebResult* r) {
    return r->keyRows.data();
}

EMSCRIPTEN_KEEPALIVE const int32_t* kelvo_region_boxes(const KelvoWebResult* r) {
    return r->regionBoxes.data();
}

EMSCRIPTEN_KEEPALIVE void kelvo_free_result(KelvoWebResult* r) {
    delete r;
}
}
