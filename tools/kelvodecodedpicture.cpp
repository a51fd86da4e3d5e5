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
    // Without a start point there is nothing to find: no regions, no data, no ids.
    if (picture.coded) {
        decoder.decode(picture.idImage, picture.data);
        picture.regions = decoder.regions();
    }
    return picture;
}
