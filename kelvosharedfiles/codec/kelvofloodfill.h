// Scanline flood fill over an 8-bit plane (an id image or a scratch copy of one).
#pragma once

#include <cstdint>

// Gives every pixel of the 4-connected area of `target` pixels around (x, y) the value `value`
// (which must differ from `target`) and returns how many it filled: 0 when (x, y) does not
// hold `target`. `plane` has `width` x `height` bytes, rows without padding. Work and memory
// are linear in the size of the area.
uint32_t kelvoFloodFill(uint8_t* plane, int width, int height, int x, int y, uint8_t target,
                        uint8_t value);
