// The functions that JavaScript calls (kelvo-codec-api.mjs). A result owns everything its
// pointers point into until kelvo_free_result.
#include "kelvodecodereport.h"
#include "kelvowebdecoder.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>

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
};

constexpr int kBoxFields = 7;

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
    for (std::size_t i = 0; i < marks.pixels.size(); ++i) {
        if (marks.pixels[i] >> 24) {
            r->markDots.push_back(static_cast<uint32_t>(i));
            r->markDots.push_back(marks.pixels[i]);
        }
    }
    return static_cast<int>(r->markDots.size() / 2);
}

EMSCRIPTEN_KEEPALIVE const uint32_t* kelvo_mark_dots(const KelvoWebResult* r) {
    return r->markDots.data();
}

// The hit-test data of the id image, so that the page's thread need not scan it: for each
// decoded region whose fill pixels (palette entries with red 255 and the key in blue) occur, in
// ascending key order, kBoxFields numbers: key, minX, minY, maxX, maxY (their bounding box,
// inclusive) and x, y of the first such pixel in raster order. Counted by
// kelvo_region_box_count.
EMSCRIPTEN_KEEPALIVE int kelvo_region_box_count(KelvoWebResult* r) {
    const KelvoDecodedPicture& picture = r->decoded.picture;
    r->regionBoxes.clear();
    if (!kelvo_ids(r)) {
        return 0;
    }
    int keyOf[256];
    std::fill(std::begin(keyOf), std::end(keyOf), -1);
    const std::vector<uint32_t>& palette = picture.idImage.palette;
    for (std::size_t i = 0; i < palette.size() && i < 256; ++i) {
        const uint32_t key = palette[i] & 0xFF;
        if ((palette[i] >> 16 & 0xFF) == 0xFF && picture.data.count(key)) {
            keyOf[i] = int(key);
        }
    }
    std::array<std::array<int32_t, kBoxFields>, 256> boxes;
    std::array<bool, 256> seen{};
    const uint8_t* ids = picture.idImage.indices.data();
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const int key = keyOf[*ids++];
            if (key < 0) {
                continue;
            }
            std::array<int32_t, kBoxFields>& box = boxes[std::size_t(key)];
            if (!seen[std::size_t(key)]) {
                seen[std::size_t(key)] = true;
                box = {key, x, y, x, y, x, y};
            }
            box[1] = std::min(box[1], x);
            box[3] = std::max(box[3], x);
            box[4] = y;
        }
    }
    for (std::size_t key = 0; key < boxes.size(); ++key) {
        if (seen[key]) {
            r->regionBoxes.insert(r->regionBoxes.end(), boxes[key].begin(), boxes[key].end());
        }
    }
    return static_cast<int>(r->regionBoxes.size() / kBoxFields);
}

EMSCRIPTEN_KEEPALIVE const int32_t* kelvo_region_boxes(const KelvoWebResult* r) {
    return r->regionBoxes.data();
}

EMSCRIPTEN_KEEPALIVE void kelvo_free_result(KelvoWebResult* r) {
    delete r;
}
}
