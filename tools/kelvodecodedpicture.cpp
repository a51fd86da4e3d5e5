#include "kelvodecodedpicture.h"

#include "kelvoidbuffer.h"
#include "kelvoimglsbsdecoder.h"
#include "kelvoreadablepixels.h"

KelvoDecodedPicture KelvoDecodedPicture::decode(const QImage& image) {
    KelvoDecodedPicture picture;
    picture.width = image.width();
    picture.height = image.height();
    const KelvoReadablePixels pixels(image);
    KelvoImgLSBsDecoder decoder(pixels.buffer());
    picture.coded = decoder.isCoded();
    KelvoArgbImage marks;
    decoder.setMarksSeed(0);
    decoder.decode(picture.idImage, picture.data, marks);
    if (!picture.coded) {
        return picture;
    }
    KelvoIdBuffer ids(picture.width, picture.height);
    ids.rebuildFromMarks(pixels.buffer());
    picture.regions = ids.regions();
    return picture;
}
