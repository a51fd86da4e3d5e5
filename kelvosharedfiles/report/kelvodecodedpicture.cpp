#include "kelvodecodedpicture.h"

#include "kelvoimglsbsdecoder.h"

KelvoDecodedPicture KelvoDecodedPicture::decode(const KelvoPixelBuffer& pixels, int width,
                                                int height) {
    KelvoDecodedPicture picture;
    picture.width = width;
    picture.height = height;
    KelvoImgLSBsDecoder decoder(pixels);
    picture.coded = decoder.isCoded();
    // Without a start point there is nothing to find: no regions, no data, no ids.
    if (picture.coded) {
        decoder.decode(picture.idImage, picture.data);
        picture.regions = decoder.regions();
    }
    return picture;
}
