#include "kelvobyteorder.h"
#include "kelvofontcodes.h"
#include "kelvotextproperties.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

using Bytes = std::vector<uint8_t>;

// Weight, italic flag and alignment read from a style byte.
std::tuple<int32_t, bool, int32_t> styleOf(uint8_t style) {
    const KelvoFontStyle read = kelvoFontStyle(style);
    return {read.weight, read.italic, read.alignment};
}

// Style bytes of every weight and alignment; that each one written reads back is checked by the
// shape round trips in kelvotextshapes_test.cpp.
TEST(KelvoFontCodes, StyleBytes) {
    EXPECT_EQ(kelvoStyleByte({"Arial", 10, 75, true}, 3), 0xE3);
    EXPECT_EQ(kelvoStyleByte({"Arial", 10, 50, false}, 2), 0x20);
    EXPECT_EQ(kelvoStyleByte({"Arial", 10, 25, false}, 1), 0x41);
    EXPECT_EQ(kelvoStyleByte({"Arial", 10, 63, true}, 1), 0xC2);
    EXPECT_EQ(kelvoStyleByte({"Arial", 10, 87, false}, 3), 0x64);
    EXPECT_EQ(kelvoStyleByte({"Arial", 10, 60, false}, 9), 0x00); // unknown weight, alignment
    // Bytes no writer produces: no alignment bits read as centred, weight codes 5..7 as black.
    EXPECT_EQ(styleOf(0x00), std::tuple(50, false, 2));
    EXPECT_EQ(styleOf(0x80), std::tuple(50, true, 2));
    EXPECT_EQ(styleOf(0x05), std::tuple(87, false, 2));
    EXPECT_EQ(styleOf(0x47), std::tuple(87, false, 1));
}

TEST(KelvoFontCodes, FamiliesAndSizes) {
    // Names are compared case-sensitively; unknown ones are Arial's.
    const std::pair<const char*, int> families[] = {
        {"Arial", 1},         {"Modern", 35},          {"Nimbus Sans l", 42},
        {"Small Fonts", 52},  {"Times New Roman", 60}, {"Y.OzFont", 70},
        {"Nimbus Sans L", 1}, {"DejaVu Sans", 1},      {"", 1}};
    for (const auto& [name, code] : families)
        EXPECT_EQ(kelvoFamilyCode(name), code) << name;
    for (int code : {0, 71, 255})
        EXPECT_STREQ(kelvoFamilyName(static_cast<uint8_t>(code)), "Arial");
    for (std::size_t code = 1; code <= kKelvoFontFamilyCount; ++code)
        EXPECT_EQ(kelvoFamilyCode(kelvoFamilyName(static_cast<uint8_t>(code))), code);

    // Sizes of 0 to 255 points come back in the shape round trips, larger ones are clamped in
    // the block test below.
    EXPECT_EQ(kelvoPointSizeByte(-1), 10); // sized in pixels
}

KelvoTextObj sample() {
    KelvoTextObj obj;
    obj.kind = KindSpeechBubble;
    obj.x = -2;
    obj.y = 0x01020304;
    obj.outlineWidth = 3;
    obj.labelX = 5;
    obj.labelY = 6;
    obj.textColour = {300, -5, 128};
    obj.outlineColour = {1, 2, 3};
    obj.backgroundColour = {255, 256, 0};
    obj.backgroundFilled = true;
    obj.font = {"Times New Roman", 300, 75, true};
    obj.alignment = 3;
    obj.text = u"A\u00e9\u20ac";
    return obj;
}

// The byte layout is pinned by the golden pictures of kelvo-tool decode and tied to the writer
// by the shape round trips (kelvotextshapes_test.cpp); here: what a block cannot hold, and
// blocks that end too early.
TEST(KelvoTextProperties, ClampsWhatABlockCannotHoldAndRefusesShortBlocks) {
    Bytes block;
    std::size_t count = 7;
    kelvoWriteTextProperties(sample(), block, count);
    EXPECT_EQ(count, 7u + block.size());
    for (std::size_t length = 0; length <= block.size(); ++length) {
        KelvoTextObj obj;
        std::size_t pos = 0;
        EXPECT_FALSE(kelvoReadTextProperties(block.data(), length, pos, obj)) << length;
        EXPECT_EQ(pos, 0u);
    }
    // Something always follows inside a shape: then the block reads, with colours and the point
    // size clamped to a byte and characters beyond Latin-1 as 0.
    block.push_back(0x24);
    KelvoTextObj expected = sample();
    expected.textColour = {255, 0, 128};
    expected.backgroundColour = {255, 255, 0};
    expected.font.pointSize = 255;
    expected.text = std::u16string(u"A\u00e9") + u'\0';
    KelvoTextObj obj;
    std::size_t pos = 0;
    ASSERT_TRUE(kelvoReadTextProperties(block.data(), block.size(), pos, obj));
    EXPECT_EQ(pos, block.size() - 1);
    EXPECT_EQ(obj, expected);
    // A huge text length must not be trusted.
    kelvoSetLe32(block.data() + 31, 0xFFFFFFFF);
    pos = 0;
    EXPECT_FALSE(kelvoReadTextProperties(block.data(), block.size(), pos, obj));

    KelvoTextObj unknownKind;
    unknownKind.kind = 9;
    block.clear();
    kelvoWriteTextProperties(unknownKind, block, count);
    EXPECT_EQ(block.at(0), KindSimpleText);
}

} // namespace
