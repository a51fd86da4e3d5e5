// Shaped-text payloads from arbitrary bytes: split, then read every block with both shape
// classes. A block that reads must come back unchanged through a write and a read.
#include "kelvocomicellipseshape.h"
#include "kelvotextshapes.h"

#include <cstdlib>

namespace {

template <class Shape, class Objects>
void checkBlock(const std::vector<uint8_t>& block, Objects Shape::*objects) {
    Shape shape;
    if (!shape.read(block.data(), block.size()))
        return;
    Shape again;
    shape.serialize();
    if (!again.read(shape.bytes.data(), shape.bytes.size()))
        std::abort();
    const Objects& first = shape.*objects;
    const Objects& second = again.*objects;
    if (first.size() != second.size())
        std::abort();
    for (size_t i = 0; i < first.size(); ++i)
        if (!(*first[i] == *second[i]))
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (const KelvoTextShapes& block :
         kelvoSplitTextShapes(std::vector<uint8_t>(data, data + size))) {
        checkBlock(block.bytes, &KelvoEllipseShape::objects);
        checkBlock(block.bytes, &KelvoComicEllipseShape::comicObjects);
    }
    return 0;
}
