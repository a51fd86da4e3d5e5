#include "plugintestdata.h"

#include "kelvogenerator.h"
#include "viewertestdata.h"

#include <QBuffer>
#include <QDebug>

namespace PluginTestData {

QImage codedPicture(QSize size, const std::vector<TextRegion>& texts, QRect dictionaryRegion,
                    QRect imageRegion) {
    KelvoRegionMap regions;
    int number = 1;
    for (const TextRegion& region : texts) {
        regions[number].polygons = {QPolygon(region.rect)};
        regions[number].texts = {region.text};
        ++number;
    }
    if (dictionaryRegion.isValid()) {
        regions[number].polygons = {QPolygon(dictionaryRegion)};
        regions[number].dictEntry =
            KelvoDictEntryRef{7, QStringLiteral("house"), QStringLiteral("house")};
        ++number;
    }
    if (imageRegion.isValid()) {
        QImage snippet(imageRegion.size(), QImage::Format_RGB32);
        snippet.fill(qRgb(200, 30, 30));
        regions[number].polygons = {QPolygon(imageRegion)};
        regions[number].images = {{snippet, QPolygon(QRect(QPoint(), imageRegion.size()))}};
    }
    QImage coded;
    KelvoGeneratorError error;
    if (!KelvoGenerator::generate(ViewerTestData::picture(size), coded, regions, true, 0, {},
                                  &error))
        qWarning() << error.message();
    return coded;
}

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace PluginTestData
