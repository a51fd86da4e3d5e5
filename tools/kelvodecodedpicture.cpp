#include "kelvodecodedpicture.h"

#include "kelvoimglsbsdecoder.h"
#include "kelvoreadablepixels.h"

KelvoDecodedPicture KelvoDecodedPicture::decode(const QImage& image) {
    KelvoDecodedPicture picture;
    picture.width = image.width();
    picture.height = image.height();
    const KelvoReadablePixels pixels(image);
    KelvoImgLSBsDecoder decoder(pixels.buffer());
    picture.coded = decoder.isCoded();
    decoder.decode(picture.idImage, picture.data);
    if (picture.coded) {
        picture.regions = decoder.regions();
    }
    return picture;
}
