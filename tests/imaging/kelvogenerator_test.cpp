#include "kelvogenerator.h"

#include "kelvocodedpicture.h"
#include "kelvoimglsbsdecoder.h"
#include "kelvoimgprocessor.h"
#include "kelvoreadablepixels.h"
#include "kelvoregionmask.h"

#include <QColorSpace>
#include <QRandomGenerator>
#include <QTest>

namespace {

using Payloads = std::vector<std::vector<uint8_t>>;

QPolygon rect(int left, int top, int right, int bottom) {
    return QPolygon(
        {QPoint(left, top), QPoint(right, top), QPoint(right, bottom), QPoint(left, bottom)});
}

// A photo-like picture: every low bit is noise, so stray marks would be found if they counted.
QImage noise(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(3);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            line[x] = random.generate() | 0xff000000u;
        }
    }
    return image;
}

std::vector<uint8_t> bytes(const char* text) {
    return std::vector<uint8_t>(text, text + qstrlen(text));
}

QImage checkerSnippet() {
    QImage snippet(24, 16, QImage::Format_RGB32);
    for (int y = 0; y < snippet.height(); ++y) {
        for (int x = 0; x < snippet.width(); ++x) {
            snippet.setPixel(x, y, (x / 4 + y / 4) % 2 ? qRgb(200, 30, 30) : qRgb(20, 20, 180));
        }
    }
    return snippet;
}

std::map<uint32_t, KelvoDataObjs> decode(const QImage& image) {
    const KelvoReadablePixels pixels(image);
    KelvoImgLSBsDecoder decoder(pixels.buffer());
    KelvoIndexedImage ids;
    std::map<uint32_t, KelvoDataObjs> data;
    KelvoArgbImage marks;
    decoder.decode(ids, data, marks);
    return data;
}

// One member of every record, in order.
template <typename T> std::vector<T> each(const KelvoDataObjs& objs, T KelvoData::*member) {
    std::vector<T> result;
    for (const KelvoData& record : objs.records) {
        result.push_back(record.*member);
    }
    return result;
}

// The interior pixels of `polygon` as the region mask paints them, in raster order.
std::vector<QPoint> interior(const QSize& size, const QPolygon& polygon) {
    QImage mask(size, QImage::Format_RGB32);
    mask.fill(Qt::white);
    kelvoPaintRegion(mask, {polygon}, 1);
    std::vector<QPoint> points;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if (mask.pixel(x, y) == kelvoMaskFillColour(1)) {
                points.emplace_back(x, y);
            }
        }
    }
    return points;
}

} // namespace

class KelvoGeneratorTest : public QObject {
    Q_OBJECT

private slots:
    // Records come in the order texts (coded as Latin-1), snippets, shaped texts, raw records,
    // dictionary entry (with an id tag when the entry has an id, none without a word). Every
    // record type reaches its region (records carry the region's fill colour) and survives
    // decoding; keys start at firstKey, regions without data get none, and the picture changes
    // only inside the regions. The coded picture keeps what the source carries beside its
    // pixels: colour space, resolution and texts.
    void roundTrip() {
        QImage source = noise(120, 90);
        source.setColorSpace(QColorSpace(QColorSpace::DisplayP3));
        source.setDotsPerMeterX(3000);
        source.setText(QStringLiteral("Author"), QStringLiteral("Kelvo test"));
        KelvoRegionMap regions;
        KelvoGeneratorRegion& full = regions[9];
        full.polygons = {rect(5, 5, 50, 40)};
        full.texts = {QStringLiteral("one"), QString::fromUtf8("caf\u00e9 \u20ac")};
        full.images = {{checkerSnippet(), rect(2, 2, 21, 13)}};
        full.shapedTexts = {{4, 0, 0, 1, 2}}; // passed through as it is
        KelvoData raw;
        raw.type = 3;
        raw.payload = {1, 2, 3};
        full.records = {raw};
        full.dictEntry = KelvoDictEntryRef{0, QStringLiteral("house"), QStringLiteral("Haus")};
        regions[10].polygons = {rect(60, 5, 110, 40)};
        regions[10].dictEntry = KelvoDictEntryRef{4, QString(), QStringLiteral("Sonne")};
        regions[11].polygons = {rect(10, 50, 40, 80), rect(60, 50, 100, 85)};
        regions[11].dictEntry =
            KelvoDictEntryRef{-1, QStringLiteral("sun"), QStringLiteral("Sonne")};

        const KelvoDataObjs built = KelvoGenerator::buildRecords(9, full);
        QCOMPARE(each(built, &KelvoData::type), (std::vector<uint32_t>{0, 0, 2, 1, 3, 6}));
        QCOMPARE(each(built, &KelvoData::payload),
                 (Payloads{bytes("one"),
                           {'c', 'a', 'f', 0xe9, ' ', '?'},
                           KelvoImgProcessor::prepare(full.images[0], 9).pixelIndices,
                           full.shapedTexts[0],
                           raw.payload,
                           bytes("<_ID 0><house>Haus")}));
        // Red, blue and the white that replaced everything outside the outline.
        QCOMPARE(built.colours.size(), std::size_t(3));
        QVERIFY(KelvoGenerator::buildRecords(10, regions[10]).records.empty());

        QImage output;
        QVERIFY(KelvoGenerator::generate(source, output, regions, true, 4));
        QVERIFY(!KelvoCodedPicture::isCoded(source));
        QCOMPARE(output.colorSpace(), source.colorSpace());
        QCOMPARE(output.dotsPerMeterX(), 3000);
        QCOMPARE(output.text(QStringLiteral("Author")), QStringLiteral("Kelvo test"));

        const std::map<uint32_t, KelvoDataObjs> decoded = decode(output);
        QCOMPARE(decoded.size(), std::size_t(2));
        QCOMPARE(each(decoded.at(4), &KelvoData::payload), each(built, &KelvoData::payload));
        QCOMPARE(decoded.at(4).colours, built.colours);
        QCOMPARE(each(decoded.at(5), &KelvoData::payload), Payloads{bytes("<sun>Sonne")});

        // Outside every region's mask only blue bit 0 may change (the marks were cleared).
        const QImage mask = kelvoPaintRegionMask(source.size(), regions);
        int outside = 0;
        for (int y = 0; y < source.height(); ++y) {
            for (int x = 0; x < source.width(); ++x) {
                if (mask.pixel(x, y) == qRgb(255, 255, 255)) {
                    ++outside;
                    QCOMPARE(output.pixel(x, y) | 1u, source.pixel(x, y) | 1u);
                }
            }
        }
        QVERIFY(outside > source.width() * source.height() / 3);
    }

    // Every snippet gives a record; the colour list is the last snippet's palette, unless a raw
    // list is given. Snippets that select nothing are left out.
    void snippetsAndColours() {
        QImage grey(10, 10, QImage::Format_RGB32);
        grey.fill(qRgb(90, 90, 90));
        KelvoGeneratorRegion region;
        region.images = {{checkerSnippet(), rect(2, 2, 21, 13)},
                         {grey, rect(1, 1, 8, 8)},
                         {grey, QPolygon({QPoint(1, 1), QPoint(8, 1), QPoint(4, 1)})},
                         {QImage(), rect(1, 1, 8, 8)}};
        KelvoDataObjs objs = KelvoGenerator::buildRecords(1, region);
        QCOMPARE(each(objs, &KelvoData::type), (std::vector<uint32_t>{2, 2}));
        QCOMPARE(objs.colours.size(), std::size_t(2));
        QVERIFY(std::count(objs.colours.begin(), objs.colours.end(), 0x5a5a5au) == 1);
        region.colours = {0x010203u, 0x040506u};
        objs = KelvoGenerator::buildRecords(1, region);
        QCOMPARE(objs.colours, region.colours);
    }

    // The generator's own refusals, and two of the encoder's: one that no region is to blame for,
    // and a polygon beyond the picture. The encoder's other refusals are checked in
    // Encoder.RefusalsSayWhyAndLeaveThePictureUnchanged and reach the region at fault in
    // KelvoToolTest::errors.
    void failures_data() {
        QTest::addColumn<QImage>("source");
        QTest::addColumn<int>("number");
        QTest::addColumn<QPolygon>("polygon");
        QTest::addColumn<uint>("firstKey");
        QTest::addColumn<int>("faultyRegion");
        QTest::addColumn<QString>("reason");
        const QImage picture = noise(64, 48);
        const int none = KelvoGeneratorError::kNoRegion;
        const QPolygon box = rect(4, 4, 40, 40);
        QTest::newRow("8-bit picture") << picture.convertToFormat(QImage::Format_Indexed8) << 1
                                       << box << 0u << none << "24 bits";
        QTest::newRow("region number 255") << picture << 255 << box << 0u << 255 << "0 to 254";
        QTest::newRow("negative number") << picture << -1 << box << 0u << -1 << "0 to 254";
        QTest::newRow("key 64") << picture << 1 << box << 64u << none << "64 keys";
        // Cut off by the picture's edges, the outline has no corner a reader could start from.
        QTest::newRow("on the edge")
            << picture << 3 << rect(-5, -5, 63, 47) << 0u << 3 << "no interior";
    }

    // Failures name the region at fault and leave the output alone.
    void failures() {
        QFETCH(QImage, source);
        QFETCH(int, number);
        QFETCH(QPolygon, polygon);
        QFETCH(uint, firstKey);
        QFETCH(int, faultyRegion);
        QFETCH(QString, reason);
        KelvoRegionMap regions;
        regions[number].polygons = {polygon};
        regions[number].texts = {QStringLiteral("text")};
        QImage output(1, 1, QImage::Format_RGB32);
        KelvoGeneratorError error;
        QVERIFY(!KelvoGenerator::generate(source, output, regions, true, firstKey, {}, &error));
        QCOMPARE(error.region, faultyRegion);
        QVERIFY2(error.reason.contains(reason), qPrintable(error.reason));
        QCOMPARE(output.size(), QSize(1, 1));
    }

    // A rectangle's mask has a 1-pixel outline on its corner coordinates and a solid interior.
    // Slanted edges are painted without antialiasing: every pixel has one of the mask colours,
    // and a later region is painted over an earlier one where they cross.
    void regionMasks() {
        KelvoRegionMap regions;
        regions[7].polygons = {rect(2, 3, 9, 8)};
        QImage mask = kelvoPaintRegionMask(QSize(12, 12), regions);
        QCOMPARE(mask.format(), QImage::Format_RGB32);
        for (int y = 0; y < mask.height(); ++y) {
            for (int x = 0; x < mask.width(); ++x) {
                const bool inside = x >= 2 && x <= 9 && y >= 3 && y <= 8;
                const bool interior = x > 2 && x < 9 && y > 3 && y < 8;
                const QRgb expected = interior ? qRgb(7, 255, 0)
                                      : inside ? qRgb(255, 7, 0)
                                               : qRgb(255, 255, 255);
                QCOMPARE(mask.pixel(x, y), expected);
            }
        }

        // Slanted and crossing regions.
        regions.clear();
        regions[1].polygons = {QPolygon({QPoint(3, 2), QPoint(30, 9), QPoint(12, 28)}),
                               QPolygon({QPoint(35, 30), QPoint(38, 4), QPoint(39, 33)})};
        regions[2].polygons = {QPolygon({QPoint(20, 20), QPoint(38, 36), QPoint(6, 38)})};
        mask = kelvoPaintRegionMask(QSize(40, 40), regions);
        const QList<QRgb> allowed = {qRgb(255, 255, 255), kelvoMaskFillColour(1),
                                     kelvoMaskOutlineColour(1), kelvoMaskFillColour(2),
                                     kelvoMaskOutlineColour(2)};
        int fill = 0;
        for (int y = 0; y < mask.height(); ++y) {
            for (int x = 0; x < mask.width(); ++x) {
                QVERIFY2(allowed.contains(mask.pixel(x, y)),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                fill += mask.pixel(x, y) == kelvoMaskFillColour(2);
            }
        }
        QVERIFY(fill > 50);
        QCOMPARE(mask.pixel(20, 25), kelvoMaskFillColour(2));
    }

    void selectedPixels_data() {
        QTest::addColumn<QImage>("snippet");
        QTest::addColumn<QPolygon>("polygon");
        QTest::addColumn<bool>("exactColours"); // at most 256 colours inside the outline
        // A 32-bit snippet of few colours shows exactly in KelvoViewerWidgetTest::codedPicture.
        QImage rgb32(32, 24, QImage::Format_RGB32);
        for (int y = 0; y < rgb32.height(); ++y) {
            for (int x = 0; x < rgb32.width(); ++x) {
                rgb32.setPixel(x, y, qRgb(x * 8, y * 10, (x + y) % 2 ? 40 : 200));
            }
        }
        const QPolygon triangle({QPoint(2, 2), QPoint(28, 4), QPoint(10, 20)});
        QTest::newRow("rgb32") << rgb32 << triangle << false;
        QTest::newRow("indexed") << rgb32.convertToFormat(QImage::Format_Indexed8) << triangle
                                 << true;
        // Nothing selected: no indices and no colour table (a null snippet and a flat polygon
        // are snippetsAndColours').
        QTest::newRow("outside") << rgb32
                                 << QPolygon({QPoint(50, 50), QPoint(70, 50), QPoint(60, 70)})
                                 << true;
    }

    // One index per interior pixel, in raster order, each naming the pixel's colour (exactly
    // when the snippet has few colours, nearly otherwise).
    void selectedPixels() {
        QFETCH(QImage, snippet);
        QFETCH(QPolygon, polygon);
        QFETCH(bool, exactColours);
        const KelvoImageObjs objs = KelvoImgProcessor::prepare({snippet, polygon}, 5);
        const std::vector<QPoint> points = interior(snippet.size(), polygon);
        QCOMPARE(objs.pixelIndices.size(), points.size());
        QCOMPARE(objs.colourTable.empty(), points.empty());
        QVERIFY(objs.colourTable.size() <= 256);
        QCOMPARE(objs.colour, kelvoMaskFillColour(5));
        for (std::size_t i = 0; i < points.size(); ++i) {
            QVERIFY(objs.pixelIndices[i] < objs.colourTable.size());
            const QRgb expected = snippet.pixel(points[i]) & 0xffffffu;
            const QRgb actual = objs.colourTable[objs.pixelIndices[i]];
            if (exactColours) {
                QCOMPARE(actual, expected);
            } else {
                QVERIFY(qAbs(qRed(actual) - qRed(expected)) < 64);
                QVERIFY(qAbs(qGreen(actual) - qGreen(expected)) < 64);
            }
        }
    }
};

QTEST_GUILESS_MAIN(KelvoGeneratorTest)
#include "kelvogenerator_test.moc"
