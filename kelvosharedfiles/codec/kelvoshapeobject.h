// Writing and reading one object of a shaped-text block (layout in kelvoellipseshape.h).
#pragma once

#include "kelvoblockreader.h"
#include "kelvotextobj.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Appends one object, adding the bytes appended to `count`: the properties and rectangle of
// `obj`, the bubble fields its kind calls for taken from `bubble`, and the terminator.
void kelvoWriteShapeObject(const KelvoEllipseObj& obj, const KelvoComicEllipseObj& bubble,
                           std::vector<uint8_t>& out, std::size_t& count);

inline void kelvoWriteShapeObject(const KelvoEllipseObj& obj, std::vector<uint8_t>& out,
                                  std::size_t& count) {
    kelvoWriteShapeObject(obj, KelvoComicEllipseObj(), out, count);
}

inline void kelvoWriteShapeObject(const KelvoComicEllipseObj& obj, std::vector<uint8_t>& out,
                                  std::size_t& count) {
    kelvoWriteShapeObject(obj, obj, out, count);
}

// Reads the next object into `obj`, which starts out default. False when a field does not
// fit or the terminator is missing.
bool kelvoReadShapeObject(KelvoBlockReader& in, KelvoComicEllipseObj& obj);
