// Block framing shared by the shape classes: body length, object count, objects.
#pragma once

#include "kelvobyteorder.h"
#include "kelvoellipseshape.h"
#include "kelvoshapeobject.h"

#include <algorithm>
#include <memory>
#include <vector>

template <class Obj>
void kelvoSerializeShapeBlock(const std::vector<std::unique_ptr<Obj>>& objects,
                              std::vector<uint8_t>& out) {
    out.clear();
    if (objects.empty())
        return;
    kelvoPutLe32(out, 0);
    out.push_back(static_cast<uint8_t>(std::min(objects.size(), KelvoEllipseShape::kMaxObjects)));
    if (objects.size() > KelvoEllipseShape::kMaxObjects)
        return;
    std::size_t body = 1;
    for (const std::unique_ptr<Obj>& obj : objects)
        kelvoWriteShapeObject(*obj, out, body);
    kelvoSetLe32(out.data(), static_cast<uint32_t>(body));
}

// Leaves `objects` empty when the block is malformed.
template <class Obj>
bool kelvoReadShapeBlock(const uint8_t* block, std::size_t length,
                         std::vector<std::unique_ptr<Obj>>& objects) {
    objects.clear();
    KelvoBlockReader in(block, length);
    uint8_t count = 0;
    if (!in.skip(4) || !in.readU8(count) || count == 0)
        return false;
    std::vector<std::unique_ptr<Obj>> read;
    read.reserve(count);
    for (uint8_t i = 0; i < count; ++i) {
        KelvoComicEllipseObj obj;
        if (!kelvoReadShapeObject(in, obj))
            return false;
        // A plain ellipse object keeps only its own fields of what was read.
        read.push_back(std::make_unique<Obj>(std::move(obj)));
    }
    objects = std::move(read);
    return true;
}
