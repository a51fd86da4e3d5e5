#include "kelvoshapeobject.h"

#include "kelvobyteorder.h"
#include "kelvocomicellipseshape.h"
#include "kelvotextproperties.h"

#include <algorithm>

namespace {

// Edges are inclusive; extreme rectangles wrap around instead of overflowing, and read back
// to the same edges.
int32_t extent(int32_t from, int32_t to) {
    return static_cast<int32_t>(static_cast<uint32_t>(to) - static_cast<uint32_t>(from) + 1u);
}

int32_t farEdge(int32_t from, int32_t extent) {
    return static_cast<int32_t>(static_cast<uint32_t>(from) + static_cast<uint32_t>(extent) - 1u);
}

void putI32(std::vector<uint8_t>& out, int32_t v) {
    kelvoPutLe32(out, static_cast<uint32_t>(v));
}

bool readCircles(KelvoBlockReader& in, std::vector<KelvoThinkBubbleCircle>& circles) {
    uint8_t count = 0;
    if (!in.readU8(count))
        return false;
    circles.resize(count);
    for (KelvoThinkBubbleCircle& c : circles)
        if (!in.readI32(c.x) || !in.readI32(c.y) || !in.readI32(c.width) || !in.readI32(c.height))
            return false;
    return true;
}

} // namespace

void kelvoWriteShapeObject(const KelvoEllipseObj& obj, const KelvoComicEllipseObj& bubble,
                           std::vector<uint8_t>& out, std::size_t& count) {
    const std::size_t start = out.size();
    std::size_t ignored = 0;
    kelvoWriteTextProperties(obj, out, ignored);
    putI32(out, obj.left);
    putI32(out, obj.top);
    putI32(out, extent(obj.left, obj.right));
    putI32(out, extent(obj.top, obj.bottom));
    // The kind byte just written decides which bubble fields a reader expects.
    const uint8_t writtenKind = out[start];
    if (writtenKind == KindSpeechBubble) {
        for (int32_t v : {bubble.peakX, bubble.peakY, bubble.angle1, bubble.angle2})
            putI32(out, v);
    } else if (writtenKind == KindThinkBubble) {
        const std::size_t circles =
            std::min(bubble.circles.size(), KelvoComicEllipseShape::kMaxCircles);
        out.push_back(static_cast<uint8_t>(circles));
        for (std::size_t i = 0; i < circles; ++i) {
            const KelvoThinkBubbleCircle& c = bubble.circles[i];
            for (int32_t v : {c.x, c.y, c.width, c.height})
                putI32(out, v);
        }
    }
    out.push_back(KelvoEllipseShape::kTerminator);
    count += out.size() - start;
}

bool kelvoReadShapeObject(KelvoBlockReader& in, KelvoComicEllipseObj& obj) {
    if (!kelvoReadTextProperties(in, obj))
        return false;
    int32_t width = 0, height = 0;
    if (!in.readI32(obj.left) || !in.readI32(obj.top) || !in.readI32(width) || !in.readI32(height))
        return false;
    obj.right = farEdge(obj.left, width);
    obj.bottom = farEdge(obj.top, height);
    if (obj.kind == KindSpeechBubble) {
        if (!in.readI32(obj.peakX) || !in.readI32(obj.peakY) || !in.readI32(obj.angle1) ||
            !in.readI32(obj.angle2))
            return false;
    } else if (obj.kind == KindThinkBubble) {
        if (!readCircles(in, obj.circles))
            return false;
    }
    return in.readTerminator(KelvoEllipseShape::kTerminator);
}
