// Everything the web viewer and kelvo-decode.mjs need of one PNG file: the pixels, what the
// decoder finds in them (as kelvo-tool decode finds it), and the marks picture for the outline
// display.
#pragma once

#include "kelvodecodedpicture.h"
#include "kelvoimagebuffers.h"
#include "kelvopngreader.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

struct KelvoWebDecoded {
    KelvoDecodedPicture picture;
    std::unique_ptr<uint32_t[]> pixels; // width * height, 0xAARRGGBB
    KelvoArgbImage marks;               // empty unless asked for and the picture is coded

    // Anything but Ok with a reason in `error` when the bytes are not a readable PNG file ("not a
    // PNG file" when they are no PNG at all).
    KelvoPngStatus decode(const uint8_t* file, std::size_t size, bool withMarks,
                          std::string& error);
};
