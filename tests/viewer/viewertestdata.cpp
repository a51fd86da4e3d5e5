#include "viewertestdata.h"

#include "kelvocomicellipseshape.h"
#include "kelvogenerator.h"

#include <QDataStream>
#include <QPainter>

#include <algorithm>

namespace ViewerTestData {

QImage idImage(QSize size, const std::vector<Region>& regions) {
    QList<QRgb> palette{qRgb(255, 255, 255), qRgb(0, 255, 210)};
    for (const Region& region : regions) {
        palette << qRgb(255, 0, int(region.key)) << qRgb(0, 0, int(region.key));
    }
    QImage image(size, QImage::Format_Indexed8);
    image.setColorTable(palette);
    image.fill(0);
    uint fill = 2;
    for (const Region& region : regions) {
        const QRect& r = region.rect;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            uchar* line = image.scanLine(y) + r.left();
            std::fill(line, line + r.width(), uchar(fill + 1));
            if (y != r.top() && y != r.bottom()) {
                std::fill(line + 1, line + r.width() - 1, uchar(fill));
            }
        }
        fill += 2;
    }
    return image;
}

QImage picture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
        }
    }
    return image;
}

QImage codedPicture(QSize size, const std::vector<std::pair<QRect, QString>>& texts,
                    QRect dictionaryRegion, QRect imageRegion) {
    KelvoRegionMap regions;
    int number = 1;
    for (const auto& [rect, text] : texts) {
        regions[number].polygons = {QPolygon(rect)};
        regions[number++].texts = {text};
    }
    if (dictionaryRegion.isValid()) {
        regions[number].polygons = {QPolygon(dictionaryRegion)};
        regions[number++].dictEntry =
            KelvoDictEntryRef{7, QStringLiteral("house"), QStringLiteral("house")};
    }
    if (imageRegion.isValid()) {
        QImage snippet(imageRegion.size(), QImage::Format_RGB32);
        snippet.fill(qRgb(250, 20, 20));
        QPainter(&snippet).fillRect(0, 0, snippet.width() / 2, snippet.height(), qRgb(20, 20, 250));
        regions[number].polygons = {QPolygon(imageRegion)};
        regions[number].images = {{snippet, QPolygon(QRect(QPoint(), imageRegion.size()))}};
    }
    QImage coded;
    KelvoGeneratorError error;
    if (!KelvoGenerator::generate(picture(size), coded, regions, true, 0, {}, &error)) {
        qWarning() << error.message();
    }
    return coded;
}

KelvoData record(uint32_t type, const std::vector<uint8_t>& payload) {
    KelvoData record;
    record.type = type;
    record.payload = payload;
    return record;
}

KelvoData textRecord(const QString& text, uint32_t type) {
    const QByteArray bytes = text.toLatin1();
    return record(type, std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

KelvoData shapedRecord(const std::vector<KelvoComicEllipseObj>& objects) {
    KelvoData shaped = record(TypeShapedText, {});
    for (const KelvoComicEllipseObj& object : objects) {
        KelvoComicEllipseShape block;
        block.comicObjects.push_back(std::make_unique<KelvoComicEllipseObj>(object));
        block.serialize();
        shaped.payload.insert(shaped.payload.end(), block.bytes.begin(), block.bytes.end());
    }
    return shaped;
}

KelvoComicEllipseObj simpleShape(uint8_t kind, QPoint at, QSize body, const QString& text) {
    KelvoComicEllipseObj object;
    object.kind = kind;
    object.x = at.x();
    object.y = at.y();
    object.labelX = 4;
    object.labelY = 4;
    object.outlineWidth = 1;
    object.textColour = {0, 0, 160};
    object.outlineColour = {200, 0, 0};
    object.backgroundColour = {255, 255, 200};
    object.backgroundFilled = true;
    object.right = body.width() - 1;
    object.bottom = body.height() - 1;
    object.text = text.toStdU16String();
    return object;
}

KelvoComicEllipseObj speechBubble(QPoint at, QRect ellipse, QPoint peak, int angle1, int angle2) {
    KelvoComicEllipseObj object = simpleShape(KindSpeechBubble, at, {}, QStringLiteral("Hi!"));
    object.left = ellipse.left();
    object.top = ellipse.top();
    object.right = ellipse.right();
    object.bottom = ellipse.bottom();
    object.labelX = ellipse.center().x() - 10;
    object.labelY = ellipse.center().y() - 8;
    object.peakX = peak.x();
    object.peakY = peak.y();
    object.angle1 = angle1;
    object.angle2 = angle2;
    return object;
}

KelvoComicEllipseObj thinkBubble(QPoint at, QRect body,
                                 const std::vector<KelvoThinkBubbleCircle>& circles) {
    KelvoComicEllipseObj object = speechBubble(at, body, {}, 0, 0);
    object.kind = KindThinkBubble;
    object.peakX = object.peakY = 0;
    object.text = u"Hmm";
    object.circles = circles;
    return object;
}

void writeRegionObjectsSeed(const QString& name, const std::vector<KelvoData>& records,
                            const std::vector<uint32_t>& colours) {
    QByteArray seed;
    QDataStream out(&seed, QIODevice::WriteOnly); // big-endian
    const size_t count = std::min<size_t>(colours.size(), 255);
    out << quint8(count);
    for (size_t i = 0; i < count; ++i) {
        out << quint8(colours[i] >> 16) << quint8(colours[i] >> 8) << quint8(colours[i]);
    }
    for (const KelvoData& record : records) {
        out << quint32(record.payload.size())
            << quint8((record.subIndex & 0xF) << 4 | (record.type & 0xF));
        out.writeRawData(reinterpret_cast<const char*>(record.payload.data()),
                         int(record.payload.size()));
    }
    out << quint32(1) << quint8(0);
    KelvoTestDir::writeFuzzSeed("fuzz_regionobjects", name, seed);
}

Dictionary::Dictionary() {
    write(QStringLiteral("dictionary/kelvoDict.xml"),
          "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kelvoDictionary>\n"
          "<DictItem id=\"7\">house\n"
          "<en><en_P>house</en_P><en_S>home</en_S><en_S>building</en_S></en>\n"
          "<fr><fr_P>maison</fr_P></fr>\n"
          "<es><es_P>casa</es_P></es>\n"
          "<de><de_P>Haus</de_P></de>\n"
          "</DictItem>\n</kelvoDictionary>\n");
    setLanguages();
}

} // namespace ViewerTestData
