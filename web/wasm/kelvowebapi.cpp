// The functions that JavaScript calls. A result owns everything its pointers point into until
// kelvo_free_result.
#include "kelvowebdecoder.h"
#include "kelvowebjson.h"

#include <emscripten/emscripten.h>

namespace {

struct KelvoWebResult {
    KelvoWebDecoded decoded;
    std::string json;
    std::string error;
    std::vector<uint32_t> markDots; // pixel index, colour; for each opaque pixel of the marks
};

} // namespace

extern "C" {

// Decodes the PNG file of `size` bytes at `file`; with `withJson` also writes the report.
EMSCRIPTEN_KEEPALIVE KelvoWebResult* kelvo_decode(const uint8_t* file, std::size_t size,
                                                  int withJson) {
    auto* result = new KelvoWebResult;
    if (result->decoded.decode(file, size, result->error) && withJson) {
        result->json = kelvoWebDecodeJson(result->decoded);
    }
    return result;
}

EMSCRIPTEN_KEEPALIVE const char* kelvo_error(const KelvoWebResult* r) {
    return r->error.c_str();
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
    return r->decoded.coded ? 1 : 0;
}

// 0xAARRGGBB per pixel, rows packed.
EMSCRIPTEN_KEEPALIVE const uint32_t* kelvo_pixels(const KelvoWebResult* r) {
    return r->decoded.picture.pixels.data();
}

// One palette index per pixel, rows packed; null when the picture has no id image.
EMSCRIPTEN_KEEPALIVE const uint8_t* kelvo_ids(const KelvoWebResult* r) {
    const KelvoIndexedImage& ids = r->decoded.idImage;
    return ids.indices.empty() || ids.width != r->decoded.picture.width ? nullptr
                                                                        : ids.indices.data();
}

EMSCRIPTEN_KEEPALIVE const uint32_t* kelvo_id_palette(const KelvoWebResult* r) {
    return r->decoded.idImage.palette.data();
}

EMSCRIPTEN_KEEPALIVE int kelvo_id_palette_size(const KelvoWebResult* r) {
    return static_cast<int>(r->decoded.idImage.palette.size());
}

// Turns the pixels into R, G, B, A bytes in place, the order of the browser's ImageData.
EMSCRIPTEN_KEEPALIVE const uint8_t* kelvo_rgba(KelvoWebResult* r) {
    std::vector<uint32_t>& pixels = r->decoded.picture.pixels;
    for (uint32_t& p : pixels) {
        // Little-endian memory: the word 0xAABBGGRR holds the bytes R, G, B, A.
        p = (p & 0xFF00FF00u) | (p >> 16 & 0xFFu) | (p & 0xFFu) << 16;
    }
    return reinterpret_cast<const uint8_t*>(pixels.data());
}

// The marks picture is transparent but for the outline dots: their pixel indices and colours
// (0xAARRGGBB) in pairs, counted by kelvo_mark_dot_count.
EMSCRIPTEN_KEEPALIVE int kelvo_mark_dot_count(KelvoWebResult* r) {
    const KelvoArgbImage& marks = r->decoded.marks;
    r->markDots.clear();
    if (marks.width == r->decoded.picture.width && marks.height == r->decoded.picture.height) {
        for (std::size_t i = 0; i < marks.pixels.size(); ++i) {
            if (marks.pixels[i] >> 24) {
                r->markDots.push_back(static_cast<uint32_t>(i));
                r->markDots.push_back(marks.pixels[i]);
            }
        }
    }
    return static_cast<int>(r->markDots.size() / 2);
}

EMSCRIPTEN_KEEPALIVE const uint32_t* kelvo_mark_dots(const KelvoWebResult* r) {
    return r->markDots.data();
}

EMSCRIPTEN_KEEPALIVE void kelvo_free_result(KelvoWebResult* r) {
    delete r;
}
}
