#include "kelvowebdecoder.h"

#include "kelvomarkspicture.h"
#include "kelvopngreader.h"

#include <new>

namespace {

constexpr int kMinCodableDepth = 24;

} // namespace

KelvoPngStatus KelvoWebDecoded::decode(const uint8_t* file, std::size_t size, bool withMarks,
                                       std::string& error) {
    KelvoPngReader reader(file, size);
    KelvoPngHeader header;
    KelvoPngStatus status = reader.readHeader(header);
    if (status == KelvoPngStatus::Ok) {
        // Not zeroed: the reader writes every pixel.
        pixels.reset(new (std::nothrow)
                         uint32_t[std::size_t(header.width) * std::size_t(header.height)]);
        if (!pixels) {
            error = "out of memory";
            return KelvoPngStatus::TooLarge;
        }
        KelvoPixelBuffer buffer;
        buffer.pixels = pixels.get();
        buffer.width = header.width;
        buffer.height = header.height;
        buffer.stride = header.width;
        status = reader.readPixels(buffer);
        // A picture of fewer bits per pixel is shown but holds nothing.
        if (header.qtDepth < kMinCodableDepth) {
            buffer = KelvoPixelBuffer();
            buffer.depth = header.qtDepth;
        }
        if (status == KelvoPngStatus::Ok) {
            picture = KelvoDecodedPicture::decode(buffer, header.width, header.height);
            if (withMarks && picture.coded) {
                kelvoMarksPicture(buffer, 0, marks);
            }
            return status;
        }
    }
    error = status == KelvoPngStatus::NotPng ? "not a PNG file" : reader.error();
    return status;
}
