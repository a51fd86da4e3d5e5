#include "kelvowebjson.h"

#include "kelvotextobj.h"
#include "kelvotextshapes.h"

#include <cstdio>

namespace {

constexpr int kMaxByte = 255;

// A small streaming writer: callers write keys and values, commas come by themselves.
class JsonWriter {
public:
    std::string text;

    void begin(char bracket) {
        separate();
        text += bracket;
        m_first = true;
    }
    void end(char bracket) {
        text += bracket;
        m_first = false;
    }
    void key(const char* name) {
        separate();
        appendString(name);
        text += ':';
        m_first = true;
    }
    void number(int64_t value) {
        separate();
        text += std::to_string(value);
    }
    void boolean(bool value) {
        separate();
        text += value ? "true" : "false";
    }
    void latin1(const std::vector<uint8_t>& bytes) {
        separate();
        std::string utf8;
        for (const uint8_t c : bytes) {
            appendCodePoint(utf8, c);
        }
        appendString(utf8);
    }
    void utf16(const std::u16string& units) {
        separate();
        std::string utf8;
        for (std::size_t i = 0; i < units.size(); ++i) {
            uint32_t c = units[i];
            if (c >= 0xD800 && c < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
                units[i + 1] < 0xE000) {
                c = 0x10000 + ((c - 0xD800) << 10) + (units[++i] - 0xDC00);
            } else if (c >= 0xD800 && c < 0xE000) {
                c = 0xFFFD; // a lone surrogate
            }
            appendCodePoint(utf8, c);
        }
        appendString(utf8);
    }
    void string(const std::string& utf8) {
        separate();
        appendString(utf8);
    }

private:
    void separate() {
        if (!m_first) {
            text += ',';
        }
        m_first = false;
    }
    static void appendCodePoint(std::string& out, uint32_t c) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | c >> 12);
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | c >> 18);
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    void appendString(const std::string& utf8) {
        text += '"';
        for (const char c : utf8) {
            const auto u = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                text += '\\';
                text += c;
            } else if (u < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
                text += escaped;
            } else {
                text += c;
            }
        }
        text += '"';
    }

    bool m_first = true;
};

std::string colourName(const KelvoRgb& rgb) {
    const auto clamp = [](int32_t v) { return v < 0 ? 0 : (v > kMaxByte ? kMaxByte : v); };
    char name[8];
    std::snprintf(name, sizeof name, "#%02x%02x%02x", clamp(rgb.red), clamp(rgb.green),
                  clamp(rgb.blue));
    return name;
}

void intArray(JsonWriter& json, std::initializer_list<int32_t> values) {
    json.begin('[');
    for (const int32_t v : values) {
        json.number(v);
    }
    json.end(']');
}

void writeShape(JsonWriter& json, const KelvoComicEllipseObj& obj) {
    json.begin('{');
    json.key("kind");
    json.number(obj.kind);
    json.key("x");
    json.number(obj.x);
    json.key("y");
    json.number(obj.y);
    json.key("labelX");
    json.number(obj.labelX);
    json.key("labelY");
    json.number(obj.labelY);
    json.key("rect");
    intArray(json, {obj.left, obj.top, obj.right, obj.bottom});
    json.key("text");
    json.utf16(obj.text);
    json.key("font");
    json.begin('{');
    json.key("family");
    json.string(obj.font.family);
    json.key("pointSize");
    json.number(obj.font.pointSize);
    json.key("weight");
    json.number(obj.font.weight);
    json.key("italic");
    json.boolean(obj.font.italic);
    json.end('}');
    json.key("alignment");
    json.number(obj.alignment);
    json.key("textColour");
    json.string(colourName(obj.textColour));
    json.key("outlineColour");
    json.string(colourName(obj.outlineColour));
    json.key("backgroundColour");
    json.string(colourName(obj.backgroundColour));
    json.key("filled");
    json.boolean(obj.backgroundFilled);
    json.key("outlineWidth");
    json.number(obj.outlineWidth);
    if (obj.kind == KindSpeechBubble) {
        json.key("peak");
        intArray(json, {obj.peakX, obj.peakY});
        json.key("angles");
        intArray(json, {obj.angle1, obj.angle2});
    } else if (obj.kind == KindThinkBubble) {
        json.key("circles");
        json.begin('[');
        for (const KelvoThinkBubbleCircle& c : obj.circles) {
            intArray(json, {c.x, c.y, c.width, c.height});
        }
        json.end(']');
    }
    json.end('}');
}

void writeShapes(JsonWriter& json, const std::vector<uint8_t>& payload) {
    json.key("shapes");
    json.begin('[');
    const int unreadable = kelvoVisitShapeObjects(
        payload, [&json](const KelvoComicEllipseObj& obj) { writeShape(json, obj); });
    json.end(']');
    if (unreadable > 0) {
        json.key("unreadableBlocks");
        json.number(unreadable);
    }
}

void writeRecord(JsonWriter& json, const KelvoData& record) {
    static const char kHex[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(record.payload.size() * 2);
    for (const uint8_t b : record.payload) {
        hex += kHex[b >> 4];
        hex += kHex[b & 0xF];
    }
    json.begin('{');
    json.key("type");
    json.number(record.type);
    json.key("subIndex");
    json.number(record.subIndex);
    json.key("payload");
    json.string(hex);
    switch (record.type) {
    case TypeText:
    case TypeDictEntry:
        json.key("text");
        json.latin1(record.payload);
        break;
    case TypeShapedText:
        writeShapes(json, record.payload);
        break;
    case TypeImage:
        json.key("size");
        json.number(static_cast<int64_t>(record.payload.size()));
        break;
    default:
        break;
    }
    json.end('}');
}

void writeRegion(JsonWriter& json, uint32_t key, const KelvoDataObjs& data,
                 const KelvoIdRegion& region) {
    json.begin('{');
    json.key("key");
    json.number(key);
    json.key("level");
    json.number(data.packingLevel);
    json.key("startPoints");
    json.begin('[');
    for (const KelvoIdSubRegion& sub : region.subRegions) {
        json.begin('{');
        json.key("x");
        json.number(sub.x);
        json.key("y");
        json.number(sub.y);
        json.key("subIndex");
        json.number(sub.subIndex);
        json.key("pixelCount");
        json.number(sub.pixelCount);
        json.end('}');
    }
    json.end(']');
    json.key("fillCount");
    json.number(region.fillCount);
    json.key("outlineCount");
    json.number(region.outlineCount);
    json.key("records");
    json.begin('[');
    for (const KelvoData& record : data.records) {
        writeRecord(json, record);
    }
    json.end(']');
    json.key("colours");
    json.begin('[');
    for (const uint32_t colour : data.colours) {
        json.number(colour);
    }
    json.end(']');
    json.end('}');
}

} // namespace

std::string kelvoWebDecodeJson(const KelvoWebDecoded& decoded) {
    JsonWriter json;
    json.begin('{');
    json.key("width");
    json.number(decoded.picture.width);
    json.key("height");
    json.number(decoded.picture.height);
    json.key("coded");
    json.boolean(decoded.coded);
    json.key("regions");
    json.begin('[');
    for (const auto& [key, data] : decoded.data) {
        const auto region = decoded.regions.find(key);
        writeRegion(json, key, data,
                    region == decoded.regions.end() ? KelvoIdRegion() : region->second);
    }
    json.end(']');
    json.end('}');
    return json.text;
}
