#include "kelvotextshapes.h"

#include "kelvobyteorder.h"
#include "kelvocomicellipseshape.h"
#include "kelvotextobj.h"

std::vector<KelvoTextShapes> kelvoSplitTextShapes(const std::vector<uint8_t>& payload) {
    std::vector<KelvoTextShapes> blocks;
    const std::size_t size = payload.size();
    std::size_t pos = 0;
    while (size - pos >= 4) {
        const std::size_t body = kelvoGetLe32(payload.data() + pos);
        const std::size_t countAt = pos + 4;
        const std::size_t kindAt = countAt + 1;
        if (kindAt >= size - 1 || payload[countAt] == 0)
            break;
        if (body > size - countAt)
            break; // runs past the end of the payload
        KelvoTextShapes block;
        block.kind = kelvoKindFromByte(payload[kindAt]);
        block.bytes.assign(payload.begin() + pos, payload.begin() + countAt + body);
        blocks.push_back(std::move(block));
        pos = countAt + body;
    }
    return blocks;
}

int kelvoVisitShapeObjects(const std::vector<uint8_t>& payload,
                           const std::function<void(const KelvoComicEllipseObj&)>& visit) {
    int unreadable = 0;
    for (const KelvoTextShapes& block : kelvoSplitTextShapes(payload)) {
        KelvoComicEllipseShape shape;
        if (!shape.read(block.bytes.data(), block.bytes.size())) {
            ++unreadable;
            continue;
        }
        for (const auto& obj : shape.comicObjects) {
            visit(*obj);
        }
    }
    return unreadable;
}
