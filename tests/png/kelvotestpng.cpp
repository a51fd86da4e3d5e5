// kelvo-testpng WIDTH HEIGHT PIXELS PREFIX [VARIANT...] writes the picture in the file PIXELS
// (WIDTH * HEIGHT words 0xAARRGGBB in the machine's byte order, as a JavaScript Uint32Array
// holds them) as PREFIX-VARIANT.png in each named PNG encoding, or in all of them, and prints
// the paths it wrote. The web tests feed these files to both decoders.
#include "pngtestfile.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

namespace {

struct Variant {
    const char* name;
    uint8_t colourType;
    uint8_t bitDepth;
    bool interlaced;
    bool trns; // a colour key
};

const Variant kVariants[] = {
    {"rgb8", 2, 8, false, false},           {"rgba8", 6, 8, false, false},
    {"rgb8-interlaced", 2, 8, true, false}, {"rgb8-trns", 2, 8, false, true},
    {"rgb16", 2, 16, false, false},         {"rgba16-interlaced", 6, 16, true, false},
    {"grey-alpha8", 4, 8, false, false},    {"grey8", 0, 8, false, false},
    {"grey16", 0, 16, false, false},        {"grey4", 0, 4, false, false},
    {"palette4", 3, 4, false, false},
};

} // namespace

int main(int argc, char** argv) {
    // A side of 1 to 65535 pixels, else 0.
    const auto side = [](const char* text) {
        char* end = nullptr;
        const long value = std::strtol(text, &end, 10);
        return *end == '\0' && value > 0 && value < 65536 ? int(value) : 0;
    };
    const int width = argc < 5 ? 0 : side(argv[1]), height = argc < 5 ? 0 : side(argv[2]);
    if (width == 0 || height == 0) {
        std::cerr << "usage: kelvo-testpng WIDTH HEIGHT PIXELS PREFIX [VARIANT...]\n";
        return 2;
    }
    std::vector<uint32_t> argb(std::size_t(width) * std::size_t(height));
    std::ifstream in(argv[3], std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(argb.data()), std::streamsize(argb.size() * 4))) {
        std::cerr << "kelvo-testpng: " << argv[3] << ": fewer than " << argb.size() << " pixels\n";
        return 1;
    }
    for (int i = 5; i < argc; ++i) {
        if (std::none_of(std::begin(kVariants), std::end(kVariants),
                         [&](const Variant& v) { return std::string(v.name) == argv[i]; })) {
            std::cerr << "kelvo-testpng: no encoding named " << argv[i] << '\n';
            return 2;
        }
    }
    for (const Variant& variant : kVariants) {
        if (argc > 5 &&
            std::find(argv + 5, argv + argc, std::string(variant.name)) == argv + argc) {
            continue;
        }
        PngTestKind kind;
        kind.colourType = variant.colourType;
        kind.bitDepth = variant.bitDepth;
        kind.interlaced = variant.interlaced;
        kind.trns = variant.trns;
        kind.width = width;
        kind.height = height;
        kind.argb = &argb;
        const std::vector<uint8_t> png = makeTestPng(kind);
        const std::string file = std::string(argv[4]) + "-" + variant.name + ".png";
        if (!std::ofstream(file, std::ios::binary)
                 .write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()))) {
            std::cerr << "kelvo-testpng: " << file << ": cannot write\n";
            return 1;
        }
        std::cout << file << '\n';
    }
}
