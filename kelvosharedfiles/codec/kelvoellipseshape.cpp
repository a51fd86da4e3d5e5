#include "kelvoellipseshape.h"

#include "kelvoshapeblock.h"

void KelvoEllipseShape::serialize() {
    kelvoSerializeShapeBlock(objects, bytes);
}

bool KelvoEllipseShape::read(const uint8_t* block, std::size_t length) {
    return kelvoReadShapeBlock(block, length, objects);
}
