#include "kelvofontcodes.h"

#include <array>

namespace {

// Position + 1 is the family code.
constexpr std::array<const char*, kKelvoFontFamilyCount> kFamilies = {
    "Arial",
    "Arial Unicode MS",
    "Bookman L",
    "Caslon",
    "Century Schoolbook L",
    "Chancery L",
    "Chaparral Display",
    "Charter",
    "Clearlyu Arabic Extra",
    "Clearlyu Devangari Extra",
    "Code2000",
    "Comic Sans MS",
    "Console",
    "Courier",
    "Courier New",
    "Cursor",
    "Dialog",
    "Dingbats",
    "Fixed",
    "Fixedsys",
    "Franklin Gothic Medium",
    "Gentium",
    "Georgia",
    "Gothic",
    "Haettenschweiler",
    "Helvetica",
    "Lucida",
    "Lucidabright",
    "Lucidatypewriter",
    "Lucida Console",
    "Lucida Sans",
    "Luxi Mono",
    "Luxi Sans",
    "Luxi Serif",
    "Modern",
    "MS Sans Serif",
    "MS Serif",
    "New Century Schoolbook",
    "Newspaper",
    "Nimbus Mono L",
    "Nimbus Roman No9 L",
    "Nimbus Sans l",
    "Palatino Linotype",
    "Palladio L",
    "Roman",
    "SansSerif",
    "Script",
    "Serif",
    "SF Diego Sans",
    "SF Diego Sans Outline",
    "SF Diego Sans Shaded",
    "Small Fonts",
    "Standard Symbols L",
    "Symbol",
    "System",
    "Tahoma",
    "Terminal",
    "Times",
    "Times ExtraBold",
    "Times New Roman",
    "Times SC",
    "Trebuchet MS",
    "Unifont",
    "Utopia",
    "Verdana",
    "Vivaldi",
    "Vladimir Script",
    "Willow",
    "Wingdings",
    "Y.OzFont",
};

constexpr uint8_t kItalicBit = 0x80;
constexpr uint8_t kAlignLeft = 0x40;
constexpr uint8_t kAlignCentre = 0x20;
constexpr uint8_t kAlignMask = 0x60;

struct WeightCode {
    int32_t weight;
    uint8_t code;
};
constexpr std::array<WeightCode, 4> kWeightCodes = {{{25, 1}, {63, 2}, {75, 3}, {87, 4}}};
constexpr int32_t kNormalWeight = 50;

constexpr int32_t kPixelSizedPoints = 10;
constexpr int32_t kMaxPointSize = 255;

} // namespace

uint8_t kelvoFamilyCode(const std::string& family) {
    for (std::size_t i = 0; i < kFamilies.size(); ++i)
        if (family == kFamilies[i])
            return static_cast<uint8_t>(i + 1);
    return 1;
}

const char* kelvoFamilyName(uint8_t code) {
    return code >= 1 && code <= kFamilies.size() ? kFamilies[code - 1] : kFamilies[0];
}

uint8_t kelvoStyleByte(const KelvoFont& font, int32_t alignment) {
    uint8_t style = font.italic ? kItalicBit : 0;
    switch (alignment) {
    case 1:
        style |= kAlignLeft;
        break;
    case 2:
        style |= kAlignCentre;
        break;
    case 3:
        style |= kAlignMask;
        break;
    default:
        break;
    }
    for (const WeightCode& w : kWeightCodes)
        if (font.weight == w.weight)
            style |= w.code;
    return style;
}

KelvoFontStyle kelvoFontStyle(uint8_t style) {
    KelvoFontStyle result;
    result.italic = (style & kItalicBit) != 0;
    if ((style & kAlignMask) == kAlignMask)
        result.alignment = 3;
    else if (style & kAlignLeft)
        result.alignment = 1;
    else
        result.alignment = 2;
    if (style & 0x04)
        result.weight = 87;
    else if ((style & 0x03) == 0x03)
        result.weight = 75;
    else if (style & 0x02)
        result.weight = 63;
    else if (style & 0x01)
        result.weight = 25;
    else
        result.weight = kNormalWeight;
    return result;
}

uint8_t kelvoPointSizeByte(int32_t pointSize) {
    if (pointSize < 0)
        return kPixelSizedPoints;
    return static_cast<uint8_t>(pointSize > kMaxPointSize ? kMaxPointSize : pointSize);
}
