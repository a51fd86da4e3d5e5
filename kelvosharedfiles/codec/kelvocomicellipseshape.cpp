#include "kelvocomicellipseshape.h"

#include "kelvoshapeblock.h"

void KelvoComicEllipseShape::serialize() {
    kelvoSerializeShapeBlock(comicObjects, bytes);
}

bool KelvoComicEllipseShape::read(const uint8_t* block, std::size_t length) {
    return kelvoReadShapeBlock(block, length, comicObjects);
}
