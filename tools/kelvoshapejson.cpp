#include "kelvoshapejson.h"

#include "kelvocomicellipseshape.h"
#include "kelvoellipseshape.h"

#include <QColor>
#include <QJsonArray>

#include <memory>

namespace {

const QStringList kShapeKeys = {QStringLiteral("kind"),
                                QStringLiteral("x"),
                                QStringLiteral("y"),
                                QStringLiteral("labelX"),
                                QStringLiteral("labelY"),
                                QStringLiteral("rect"),
                                QStringLiteral("text"),
                                QStringLiteral("font"),
                                QStringLiteral("alignment"),
                                QStringLiteral("textColour"),
                                QStringLiteral("outlineColour"),
                                QStringLiteral("backgroundColour"),
                                QStringLiteral("filled"),
                                QStringLiteral("outlineWidth"),
                                QStringLiteral("peak"),
                                QStringLiteral("angles"),
                                QStringLiteral("circles")};
const QStringList kFontKeys = {QStringLiteral("family"), QStringLiteral("pointSize"),
                               QStringLiteral("weight"), QStringLiteral("italic")};

constexpr int kMaxAngle = 100'000;
constexpr int kMaxFontWeight = 99;
constexpr int kMaxByte = 255;

KelvoRgb rgb(const QColor& colour) {
    return KelvoRgb{colour.red(), colour.green(), colour.blue()};
}

// The optional fields of one JSON object, read into existing values.
struct Fields {
    const KelvoJsonReader& reader;
    QJsonObject object;
    QString objectPath;

    bool has(const char* key) const { return object.contains(QLatin1String(key)); }
    QJsonValue at(const char* key) const { return object.value(QLatin1String(key)); }
    QString path(const char* key) const {
        return KelvoJsonReader::member(objectPath, QLatin1String(key));
    }

    void integer(const char* key, int32_t& out, int min, int max) const {
        if (has(key)) {
            out = reader.integer(at(key), path(key), min, max);
        }
    }
    void coordinate(const char* key, int32_t& out) const {
        integer(key, out, -KelvoJsonReader::kMaxCoordinate, KelvoJsonReader::kMaxCoordinate);
    }
    void colour(const char* key, KelvoRgb& out) const {
        if (has(key)) {
            out = rgb(reader.colour(at(key), path(key)));
        }
    }
    // Fills `out` from an array of coordinates of the same length.
    void coordinates(const QJsonValue& value, const QString& path,
                     std::initializer_list<int32_t*> out) const {
        const QJsonArray array = reader.array(value, path, static_cast<qsizetype>(out.size()));
        qsizetype i = 0;
        for (int32_t* target : out) {
            *target =
                reader.integer(array[i], KelvoJsonReader::element(path, i),
                               -KelvoJsonReader::kMaxCoordinate, KelvoJsonReader::kMaxCoordinate);
            ++i;
        }
    }
    // A field that only objects of `kind` may have.
    bool kindField(const char* key, uint8_t kind, uint8_t ownKind) const {
        if (!has(key)) {
            return false;
        }
        if (kind != ownKind) {
            reader.fail(path(key),
                        QStringLiteral("only shapes of kind %1 have this field").arg(ownKind));
        }
        return true;
    }
};

void readFont(const Fields& in, KelvoFont& font) {
    if (!in.has("font")) {
        return;
    }
    const QString path = in.path("font");
    const Fields fontIn{in.reader, in.reader.object(in.at("font"), path, kFontKeys), path};
    if (fontIn.has("family")) {
        font.family = in.reader.string(fontIn.at("family"), fontIn.path("family")).toStdString();
    }
    fontIn.integer("pointSize", font.pointSize, 1, kMaxByte);
    fontIn.integer("weight", font.weight, 0, kMaxFontWeight);
    if (fontIn.has("italic")) {
        font.italic = in.reader.boolean(fontIn.at("italic"), fontIn.path("italic"));
    }
}

} // namespace

KelvoComicEllipseObj KelvoShapeJson::object(const KelvoJsonReader& reader, const QJsonValue& value,
                                            const QString& path) {
    const Fields in{reader, reader.object(value, path, kShapeKeys), path};
    if (!in.has("kind")) {
        reader.fail(path, QStringLiteral("missing key \"kind\""));
    }
    KelvoComicEllipseObj obj;
    int32_t kind = 0;
    in.integer("kind", kind, KindSimpleRect, KindThinkBubble);
    obj.kind = static_cast<uint8_t>(kind);
    obj.font.family = "Helvetica";
    obj.font.pointSize = 12;
    obj.alignment = 2;
    obj.backgroundColour = KelvoRgb{255, 255, 255};
    obj.backgroundFilled = true;
    obj.right = 149;
    obj.bottom = 69;

    in.coordinate("x", obj.x);
    in.coordinate("y", obj.y);
    in.coordinate("labelX", obj.labelX);
    in.coordinate("labelY", obj.labelY);
    if (in.has("rect")) {
        in.coordinates(in.at("rect"), in.path("rect"),
                       {&obj.left, &obj.top, &obj.right, &obj.bottom});
    }
    if (in.has("text")) {
        obj.text = reader.string(in.at("text"), in.path("text")).toStdU16String();
    }
    readFont(in, obj.font);
    in.integer("alignment", obj.alignment, 1, 3);
    in.colour("textColour", obj.textColour);
    in.colour("outlineColour", obj.outlineColour);
    in.colour("backgroundColour", obj.backgroundColour);
    if (in.has("filled")) {
        obj.backgroundFilled = reader.boolean(in.at("filled"), in.path("filled"));
    }
    int32_t outlineWidth = obj.outlineWidth;
    in.integer("outlineWidth", outlineWidth, 0, kMaxByte);
    obj.outlineWidth = static_cast<uint8_t>(outlineWidth);

    if (in.kindField("peak", obj.kind, KindSpeechBubble)) {
        in.coordinates(in.at("peak"), in.path("peak"), {&obj.peakX, &obj.peakY});
    }
    if (in.kindField("angles", obj.kind, KindSpeechBubble)) {
        const QString anglesPath = in.path("angles");
        const QJsonArray angles = reader.array(in.at("angles"), anglesPath, 2);
        obj.angle1 = reader.integer(angles[0], KelvoJsonReader::element(anglesPath, 0), -kMaxAngle,
                                    kMaxAngle);
        obj.angle2 = reader.integer(angles[1], KelvoJsonReader::element(anglesPath, 1), -kMaxAngle,
                                    kMaxAngle);
    }
    if (in.kindField("circles", obj.kind, KindThinkBubble)) {
        const QString circlesPath = in.path("circles");
        const QJsonArray circles = reader.array(in.at("circles"), circlesPath);
        if (circles.size() > static_cast<qsizetype>(KelvoComicEllipseShape::kMaxCircles)) {
            reader.fail(
                circlesPath,
                QStringLiteral("at most %1 circles").arg(KelvoComicEllipseShape::kMaxCircles));
        }
        for (qsizetype i = 0; i < circles.size(); ++i) {
            KelvoThinkBubbleCircle circle;
            in.coordinates(circles[i], KelvoJsonReader::element(circlesPath, i),
                           {&circle.x, &circle.y, &circle.width, &circle.height});
            obj.circles.push_back(circle);
        }
    }
    return obj;
}

std::vector<uint8_t> KelvoShapeJson::block(const KelvoJsonReader& reader, const QJsonValue& value,
                                           const QString& path) {
    KelvoComicEllipseObj obj = object(reader, value, path);
    if (obj.kind < KindSpeechBubble) {
        KelvoEllipseShape shape;
        shape.objects.push_back(std::make_unique<KelvoEllipseObj>(obj));
        shape.serialize();
        return shape.bytes;
    }
    KelvoComicEllipseShape shape;
    shape.comicObjects.push_back(std::make_unique<KelvoComicEllipseObj>(std::move(obj)));
    shape.serialize();
    return shape.bytes;
}
