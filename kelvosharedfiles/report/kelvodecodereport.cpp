#include "kelvodecodereport.h"

#include "kelvojsontext.h"
#include "kelvotextobj.h"
#include "kelvotextshapes.h"

#include <algorithm>

namespace {

KelvoJson colourName(const KelvoRgb& rgb) {
    static const char kHex[] = "0123456789abcdef";
    std::string name = "#";
    for (const int32_t v : {rgb.red, rgb.green, rgb.blue}) {
        const int byte = std::clamp(v, 0, 255);
        name += kHex[byte >> 4];
        name += kHex[byte & 0xF];
    }
    return KelvoJson::latin1(name);
}

KelvoJson shapeJson(const KelvoComicEllipseObj& obj) {
    KelvoJson font = KelvoJson::object();
    font.set("family", KelvoJson::latin1(obj.font.family))
        .set("pointSize", KelvoJson::integer(obj.font.pointSize))
        .set("weight", KelvoJson::integer(obj.font.weight))
        .set("italic", KelvoJson::boolean(obj.font.italic));
    KelvoJson json = KelvoJson::object();
    json.set("kind", KelvoJson::integer(obj.kind))
        .set("x", KelvoJson::integer(obj.x))
        .set("y", KelvoJson::integer(obj.y))
        .set("labelX", KelvoJson::integer(obj.labelX))
        .set("labelY", KelvoJson::integer(obj.labelY))
        .set("rect", KelvoJson::integers({obj.left, obj.top, obj.right, obj.bottom}))
        .set("text", KelvoJson::string(obj.text))
        .set("font", std::move(font))
        .set("alignment", KelvoJson::integer(obj.alignment))
        .set("textColour", colourName(obj.textColour))
        .set("outlineColour", colourName(obj.outlineColour))
        .set("backgroundColour", colourName(obj.backgroundColour))
        .set("filled", KelvoJson::boolean(obj.backgroundFilled))
        .set("outlineWidth", KelvoJson::integer(obj.outlineWidth));
    if (obj.kind == KindSpeechBubble) {
        json.set("peak", KelvoJson::integers({obj.peakX, obj.peakY}))
            .set("angles", KelvoJson::integers({obj.angle1, obj.angle2}));
    } else if (obj.kind == KindThinkBubble) {
        KelvoJson circles = KelvoJson::array();
        for (const KelvoThinkBubbleCircle& c : obj.circles) {
            circles.append(KelvoJson::integers({c.x, c.y, c.width, c.height}));
        }
        json.set("circles", std::move(circles));
    }
    return json;
}

KelvoJson recordJson(const KelvoData& record) {
    static const char kHex[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(record.payload.size() * 2);
    for (const uint8_t b : record.payload) {
        hex += kHex[b >> 4];
        hex += kHex[b & 0xF];
    }
    KelvoJson json = KelvoJson::object();
    json.set("type", KelvoJson::integer(record.type))
        .set("subIndex", KelvoJson::integer(record.subIndex))
        .set("payload", KelvoJson::latin1(hex));
    switch (record.type) {
    case TypeText:
    case TypeDictEntry:
        json.set("text", KelvoJson::latin1(record.payload));
        break;
    case TypeShapedText: {
        KelvoJson shapes = KelvoJson::array();
        const int unreadable =
            kelvoVisitShapeObjects(record.payload, [&shapes](const KelvoComicEllipseObj& obj) {
                shapes.append(shapeJson(obj));
            });
        json.set("shapes", std::move(shapes));
        if (unreadable > 0) {
            json.set("unreadableBlocks", KelvoJson::integer(unreadable));
        }
        break;
    }
    case TypeImage:
        json.set("size", KelvoJson::integer(int64_t(record.payload.size())));
        break;
    default:
        break;
    }
    return json;
}

KelvoJson regionJson(uint32_t key, const KelvoDataObjs& data, const KelvoIdRegion& region) {
    KelvoJson startPoints = KelvoJson::array();
    for (const KelvoIdSubRegion& sub : region.subRegions) {
        KelvoJson point = KelvoJson::object();
        point.set("x", KelvoJson::integer(sub.x))
            .set("y", KelvoJson::integer(sub.y))
            .set("subIndex", KelvoJson::integer(sub.subIndex))
            .set("pixelCount", KelvoJson::integer(sub.pixelCount));
        startPoints.append(std::move(point));
    }
    KelvoJson records = KelvoJson::array();
    for (const KelvoData& record : data.records) {
        records.append(recordJson(record));
    }
    KelvoJson colours = KelvoJson::array();
    for (const uint32_t colour : data.colours) {
        colours.append(KelvoJson::integer(colour));
    }
    KelvoJson json = KelvoJson::object();
    json.set("key", KelvoJson::integer(key))
        .set("level", KelvoJson::integer(data.packingLevel))
        .set("startPoints", std::move(startPoints))
        .set("fillCount", KelvoJson::integer(region.fillCount))
        .set("outlineCount", KelvoJson::integer(region.outlineCount))
        .set("records", std::move(records))
        .set("colours", std::move(colours));
    return json;
}

} // namespace

std::string kelvoDecodeReport(const KelvoDecodedPicture& picture) {
    KelvoJson regions = KelvoJson::array();
    for (const auto& [key, data] : picture.data) {
        const auto region = picture.regions.find(key);
        regions.append(regionJson(
            key, data, region == picture.regions.end() ? KelvoIdRegion() : region->second));
    }
    KelvoJson json = KelvoJson::object();
    json.set("width", KelvoJson::integer(picture.width))
        .set("height", KelvoJson::integer(picture.height))
        .set("coded", KelvoJson::boolean(picture.coded))
        .set("regions", std::move(regions));
    return json.toText();
}
