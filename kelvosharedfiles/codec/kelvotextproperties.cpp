#include "kelvotextproperties.h"

#include "kelvoblockreader.h"
#include "kelvobyteorder.h"
#include "kelvofontcodes.h"

#include <algorithm>
#include <limits>

namespace {

uint8_t channelByte(int32_t value) {
    return static_cast<uint8_t>(std::clamp<int32_t>(value, 0, 255));
}

void putRgb(std::vector<uint8_t>& out, const KelvoRgb& c) {
    out.insert(out.end(), {channelByte(c.red), channelByte(c.green), channelByte(c.blue)});
}

bool readRgb(KelvoBlockReader& in, KelvoRgb& c) {
    const uint8_t* p = nullptr;
    if (!in.readBytes(3, p))
        return false;
    c = {p[0], p[1], p[2]};
    return true;
}

} // namespace

void kelvoWriteTextProperties(const KelvoTextObj& obj, std::vector<uint8_t>& out,
                              std::size_t& count) {
    const std::size_t start = out.size();
    out.push_back(obj.kind <= KindThinkBubble ? obj.kind : static_cast<uint8_t>(KindSimpleText));
    kelvoPutLe32(out, static_cast<uint32_t>(obj.x));
    kelvoPutLe32(out, static_cast<uint32_t>(obj.y));
    out.push_back(obj.outlineWidth);
    kelvoPutLe32(out, static_cast<uint32_t>(obj.labelX));
    kelvoPutLe32(out, static_cast<uint32_t>(obj.labelY));
    putRgb(out, obj.textColour);
    putRgb(out, obj.outlineColour);
    putRgb(out, obj.backgroundColour);
    out.push_back(obj.backgroundFilled ? 1 : 0);
    out.push_back(kelvoFamilyCode(obj.font.family));
    out.push_back(kelvoStyleByte(obj.font, obj.alignment));
    out.push_back(kelvoPointSizeByte(obj.font.pointSize));
    // A length field cannot count more; the text is cut with it so the block stays readable.
    const std::size_t length =
        std::min<std::size_t>(obj.text.size(), std::numeric_limits<uint32_t>::max());
    kelvoPutLe32(out, static_cast<uint32_t>(length));
    for (std::size_t i = 0; i < length; ++i)
        out.push_back(obj.text[i] < 256 ? static_cast<uint8_t>(obj.text[i]) : 0);
    count += out.size() - start;
}

bool kelvoReadTextProperties(const uint8_t* block, std::size_t length, std::size_t& pos,
                             KelvoTextObj& obj) {
    KelvoBlockReader in(block, length, pos);
    if (!kelvoReadTextProperties(in, obj))
        return false;
    pos = in.position();
    return true;
}

bool kelvoReadTextProperties(KelvoBlockReader& in, KelvoTextObj& obj) {
    uint8_t kind = 0, filled = 0, family = 0, style = 0, size = 0;
    uint32_t textLength = 0;
    const uint8_t* text = nullptr;
    if (!in.readU8(kind) || !in.readI32(obj.x) || !in.readI32(obj.y) ||
        !in.readU8(obj.outlineWidth) || !in.readI32(obj.labelX) || !in.readI32(obj.labelY) ||
        !readRgb(in, obj.textColour) || !readRgb(in, obj.outlineColour) ||
        !readRgb(in, obj.backgroundColour) || !in.readU8(filled) || !in.readU8(family) ||
        !in.readU8(style) || !in.readU8(size) || !in.readU32(textLength) ||
        !in.readBytes(textLength, text))
        return false;
    obj.kind = kelvoKindFromByte(kind);
    obj.backgroundFilled = filled != 0;
    const KelvoFontStyle fontStyle = kelvoFontStyle(style);
    obj.font.family = kelvoFamilyName(family);
    obj.font.pointSize = size;
    obj.font.weight = fontStyle.weight;
    obj.font.italic = fontStyle.italic;
    obj.alignment = fontStyle.alignment;
    obj.text.assign(text, text + textLength);
    return true;
}
