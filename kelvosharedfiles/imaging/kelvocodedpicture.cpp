#include "kelvocodedpicture.h"

#include "kelvoimglsbsdecoder.h"
#include "kelvoreadablepixels.h"

bool KelvoCodedPicture::isCoded(const QImage& image) {
    const KelvoReadablePixels pixels(image);
    return KelvoImgLSBsDecoder(pixels.buffer()).isCoded();
}
