#include "kelvorecordjson.h"

#include "kelvoshapejson.h"
#include "kelvotextobj.h"
#include "kelvotextshapes.h"

#include <QByteArray>
#include <QJsonArray>

namespace {

QByteArray bytes(const std::vector<uint8_t>& payload) {
    return QByteArray(reinterpret_cast<const char*>(payload.data()),
                      static_cast<qsizetype>(payload.size()));
}

void addShapes(const std::vector<uint8_t>& payload, QJsonObject& json) {
    QJsonArray shapes;
    const int unreadable =
        kelvoVisitShapeObjects(payload, [&shapes](const KelvoComicEllipseObj& obj) {
            shapes.append(KelvoShapeJson::toJson(obj));
        });
    json.insert(QStringLiteral("shapes"), shapes);
    if (unreadable > 0) {
        json.insert(QStringLiteral("unreadableBlocks"), unreadable);
    }
}

} // namespace

QJsonObject KelvoRecordJson::toJson(const KelvoData& record) {
    QJsonObject json;
    json.insert(QStringLiteral("type"), static_cast<qint64>(record.type));
    json.insert(QStringLiteral("subIndex"), record.subIndex);
    json.insert(QStringLiteral("payload"), QString::fromLatin1(bytes(record.payload).toHex()));
    switch (record.type) {
    case TypeText:
    case TypeDictEntry:
        json.insert(QStringLiteral("text"), QString::fromLatin1(bytes(record.payload)));
        break;
    case TypeShapedText:
        addShapes(record.payload, json);
        break;
    case TypeImage:
        json.insert(QStringLiteral("size"), static_cast<qint64>(record.payload.size()));
        break;
    default:
        break;
    }
    return json;
}
