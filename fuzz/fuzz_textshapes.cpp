// Shaped-text payloads from arbitrary bytes: split, then read every block with both shape
// classes. A block that reads must come back unchanged through a write and a read.
#include "fuzzcheck.h"
#include "kelvocomicellipseshape.h"
#include "kelvotextshapes.h"

namespace {

template <class Shape, class Objects>
void checkBlock(const std::vector<uint8_t>& block, Objects Shape::*objects) {
    Shape shape;
    if (!shape.read(block.data(), block.size()))
        return;
    Shape again;
    shape.serialize();
    check(again.read(shape.bytes.data(), shape.bytes.size()));
    const Objects& first = shape.*objects;
    const Objects& second = again.*objects;
    check(first.size() == second.size());
    for (size_t i = 0; i < first.size(); ++i)
        check(*first[i] == *second[i]);
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
