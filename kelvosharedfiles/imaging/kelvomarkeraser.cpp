#include "kelvomarkeraser.h"

#include "kelvoerasemarks.h"
#include "kelvoqtimage.h"

bool KelvoMarkEraser::eraseAll(QImage& image) {
    return kelvoEraseMarks(kelvoPixelBuffer(image));
}

bool KelvoMarkEraser::eraseRegion(QImage& image, const KelvoIndexedImage& idImage, int idIndex) {
    return kelvoEraseRegionMarks(kelvoPixelBuffer(image), idImage, idIndex);
}
