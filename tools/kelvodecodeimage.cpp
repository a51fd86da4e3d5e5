#include "kelvodecodeimage.h"

#include "kelvoreadablepixels.h"

KelvoDecodedPicture kelvoDecodeImage(const QImage& image) {
    const KelvoReadablePixels pixels(image);
    return KelvoDecodedPicture::decode(pixels.buffer(), image.width(), image.height());
}
