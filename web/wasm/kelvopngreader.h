// A PNG reader for builds without Qt (WebAssembly). It yields the pixels that the native tools
// get from QImageReader and KelvoReadablePixels, bit for bit, so that both decode the same
// hidden data:
//   RGB and RGBA, 8 bits               as stored (RGB opaque; a tRNS colour becomes alpha 0)
//   16 bits                            each sample rounded to the nearest 8-bit value
//   grey with alpha                    grey copied into red, green and blue
//   palette, grey without alpha        depth 8 (16 for 16-bit grey): never coded; the pixels
//                                      are still given for display
// Interlaced files are read too. Nothing in the file can make it read out of bounds or
// allocate beyond kMaxPictureBytes of pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct KelvoPngPicture {
    int width = 0;
    int height = 0;
    int depth = 32;               // bits per pixel of the picture the native tools see
    std::vector<uint32_t> pixels; // width * height, 0xAARRGGBB
};

class KelvoPngReader {
public:
    static constexpr std::size_t kMaxPictureBytes = std::size_t(256) << 20;

    // False with a reason in `error` for data that are not a readable PNG.
    static bool read(const uint8_t* data, std::size_t size, KelvoPngPicture& picture,
                     std::string& error);
};
