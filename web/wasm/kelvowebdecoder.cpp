#include "kelvowebdecoder.h"

#include "kelvoimglsbsdecoder.h"

namespace {

constexpr int kMinCodableDepth = 24;

} // namespace

bool KelvoWebDecoded::decode(const uint8_t* file, std::size_t size, std::string& error) {
    if (!KelvoPngReader::read(file, size, picture, error)) {
        return false;
    }
    KelvoPixelBuffer buffer;
    buffer.width = picture.width;
    buffer.height = picture.height;
    buffer.depth = picture.depth;
    if (picture.depth >= kMinCodableDepth) {
        buffer.pixels = picture.pixels.data();
        buffer.stride = picture.width;
        buffer.depth = 32;
    } else {
        buffer.width = buffer.height = 0;
    }
    KelvoImgLSBsDecoder decoder(buffer);
    coded = decoder.isCoded();
    decoder.setMarksSeed(0);
    decoder.decode(idImage, data, marks);
    if (coded) {
        regions = decoder.regions();
    }
    return true;
}
