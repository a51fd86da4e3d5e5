// The compact font description of the text properties: a family code from a fixed table of
// 70 names (codes 1..70, exact case-sensitive match), a style byte and a size byte.
//
// Style byte:  bit 7     italic
//              bits 5-6  alignment: 0x40 left (1), 0x20 centred (2), 0x60 right (3)
//              bits 0-2  weight code: 1 light (25), 2 demi-bold (63), 3 bold (75), 4 black (87),
//                        0 any other weight
#pragma once

#include "kelvotextobj.h"

#include <cstddef>
#include <cstdint>

constexpr std::size_t kKelvoFontFamilyCount = 70;

// Code 1..70 of a family name; 1 ("Arial") for names not in the table.
uint8_t kelvoFamilyCode(const std::string& family);
// Family name of a code; "Arial" for 0 and codes above 70. Static storage.
const char* kelvoFamilyName(uint8_t code);

// Style byte of a font with an alignment code.
uint8_t kelvoStyleByte(const KelvoFont& font, int32_t alignment);

struct KelvoFontStyle {
    int32_t weight = 50;
    bool italic = false;
    int32_t alignment = 2;
};
// Weight, italic flag and alignment code from a style byte. Alignment bits 0 read as centred;
// weight codes 5..7 read as black.
KelvoFontStyle kelvoFontStyle(uint8_t style);

// Size byte of a point size.
uint8_t kelvoPointSizeByte(int32_t pointSize);
