#include "kelvodecodereport.h"

#include "kelvorecordjson.h"

#include <QJsonArray>

namespace {

QJsonObject regionJson(uint32_t key, const KelvoDataObjs& data, const KelvoIdRegion& region) {
    QJsonArray startPoints;
    for (const KelvoIdSubRegion& sub : region.subRegions) {
        startPoints.append(QJsonObject{{QStringLiteral("x"), sub.x},
                                       {QStringLiteral("y"), sub.y},
                                       {QStringLiteral("subIndex"), sub.subIndex},
                                       {QStringLiteral("pixelCount"), sub.pixelCount}});
    }
    QJsonArray records;
    for (const KelvoData& record : data.records) {
        records.append(KelvoRecordJson::toJson(record));
    }
    QJsonArray colours;
    for (const uint32_t colour : data.colours) {
        colours.append(static_cast<qint64>(colour));
    }
    return QJsonObject{{QStringLiteral("key"), static_cast<qint64>(key)},
                       {QStringLiteral("level"), data.packingLevel},
                       {QStringLiteral("startPoints"), startPoints},
                       {QStringLiteral("fillCount"), region.fillCount},
                       {QStringLiteral("outlineCount"), region.outlineCount},
                       {QStringLiteral("records"), records},
                       {QStringLiteral("colours"), colours}};
}

} // namespace

QJsonObject KelvoDecodeReport::toJson(const KelvoDecodedPicture& picture) {
    QJsonArray regions;
    for (const auto& [key, data] : picture.data) {
        const auto region = picture.regions.find(key);
        regions.append(regionJson(
            key, data, region == picture.regions.end() ? KelvoIdRegion() : region->second));
    }
    return QJsonObject{{QStringLiteral("width"), picture.width},
                       {QStringLiteral("height"), picture.height},
                       {QStringLiteral("coded"), picture.coded},
                       {QStringLiteral("regions"), regions}};
}
