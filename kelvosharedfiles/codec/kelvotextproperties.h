// Text properties: the block every object of a shaped-text block begins with.
// Integers little-endian; 35 + L bytes.
//
//   +0   u8       shape kind (0..4; others written as 0, read back as 1 when above 4)
//   +1   i32 x 2  shape position x, y
//   +9   u8       outline width
//   +10  i32 x 2  label position x, y
//   +18  u8 x 3   text colour red, green, blue (each clamped to 0..255)
//   +21  u8 x 3   outline colour
//   +24  u8 x 3   background colour
//   +27  u8       background filled (1) or transparent (0)
//   +28  u8       font family code (kelvofontcodes.h)
//   +29  u8       style: bit 7 italic, bits 5-6 alignment, bits 0-2 weight code
//   +30  u8       point size (negative written as 10, above 255 as 255)
//   +31  u32      text length L in UTF-16 code units
//   +35  L bytes  one byte per code unit: its value below 256, else 0
//
// Something always follows the block inside a shape (rectangle, terminator), so a read that
// would take the last byte of the block fails.
#pragma once

#include "kelvotextobj.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class KelvoBlockReader;

// Appends the properties of `obj` to `out` and adds the number of bytes appended to `count`.
void kelvoWriteTextProperties(const KelvoTextObj& obj, std::vector<uint8_t>& out,
                              std::size_t& count);

// Reads the properties at `pos` of `block` into `obj` and moves `pos` past them. False, with
// `pos` unchanged and `obj` partly filled, when the block ends too early.
bool kelvoReadTextProperties(const uint8_t* block, std::size_t length, std::size_t& pos,
                             KelvoTextObj& obj);

// The same, reading on from `in`; on failure `in` may have moved.
bool kelvoReadTextProperties(KelvoBlockReader& in, KelvoTextObj& obj);
