// Shaped-text block: one or more objects, each its text properties followed by its geometry.
// Integers little-endian.
//
//   block:   u32 body length (bytes after this field) | u8 object count n (1..255) | n objects
//   object:  text properties (kelvotextproperties.h, begins with the kind byte)
//            i32 left | i32 top | i32 width (right - left + 1) | i32 height (bottom - top + 1)
//            kind 3 only: i32 peak x | i32 peak y | i32 angle 1 | i32 angle 2   (degrees)
//            kind 4 only: u8 circle count c (at most 255) | c x (i32 x, y, width, height)
//            u8 0x24 terminator
//
// A simple rectangle with a one-character text is a 58-byte block (body length 54).
#pragma once

#include "kelvotextobj.h"
#include "kelvotextshape.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// Shapes of kinds 0..2 (plain text, rectangle, ellipse).
class KelvoEllipseShape : public KelvoTextShape {
public:
    static constexpr uint8_t kTerminator = 0x24;
    static constexpr std::size_t kMaxObjects = 255;

    std::vector<std::unique_ptr<KelvoEllipseObj>> objects;

    // Replaces `bytes` with the block of `objects`: empty for no objects; with more than
    // kMaxObjects objects only the length 0 and the count 255 (a block no reader accepts).
    // An object of kind 3 or 4 gets empty bubble fields so that the block stays readable.
    void serialize();
    // Rebuilds `objects` from a block. False for a malformed block (count 0, truncated field,
    // missing terminator), leaving `objects` empty. Bubble fields of kinds 3 and 4 are read
    // past and dropped.
    bool read(const uint8_t* block, std::size_t length);
};
