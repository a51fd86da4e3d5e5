#include "kelvocomicellipseshape.h"
#include "kelvogenerator.h"
#include "kelvoimglsbsdecoder.h"
#include "kelvoqtimage.h"
#include "kelvoreadablepixels.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

QPolygon rect(int left, int top, int right, int bottom) {
    return QPolygon(
        {QPoint(left, top), QPoint(right, top), QPoint(right, bottom), QPoint(left, bottom)});
}

// A photo-like picture: every low bit is noise, so stray marks would be found if they counted.
QImage noise(int width, int height, quint32 seed = 3) {
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
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

std::vector<uint8_t> speechBubble() {
    KelvoComicEllipseShape shape;
    auto obj = std::make_unique<KelvoComicEllipseObj>();
    obj->kind = KindSpeechBubble;
    obj->text = u"Hi";
    obj->right = 80;
    obj->bottom = 30;
    obj->peakX = 10;
    obj->peakY = 50;
    shape.comicObjects.push_back(std::move(obj));
    shape.serialize();
    return shape.bytes;
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

struct Decoded {
    KelvoIndexedImage ids;
    std::map<uint32_t, KelvoDataObjs> data;
};

Decoded decode(const QImage& image) {
    const KelvoReadablePixels pixels(image);
    KelvoImgLSBsDecoder decoder(pixels.buffer());
    Decoded decoded;
    KelvoArgbImage marks;
    decoder.decode(decoded.ids, decoded.data, marks);
    return decoded;
}

std::vector<uint32_t> types(const KelvoDataObjs& objs) {
    std::vector<uint32_t> result;
    for (const KelvoData& record : objs.records) {
        result.push_back(record.type);
    }
    return result;
}

} // namespace

class KelvoGeneratorTest : public QObject {
    Q_OBJECT

private slots:
    // Records come in the order texts, snippets, shaped texts, raw records, dictionary entry,
    // all with the region's fill colour and sub-index 0.
    void recordOrder() {
        KelvoGeneratorRegion region;
        region.texts = {QStringLiteral("one"), QStringLiteral("two")};
        region.images = {{checkerSnippet(), rect(2, 2, 21, 13)}};
        region.shapedTexts = {speechBubble()};
        KelvoData raw;
        raw.type = 3;
        raw.payload = {1, 2, 3};
        region.records = {raw};
        region.dictEntry = KelvoDictEntryRef{222, QStringLiteral("house"), QStringLiteral("Haus")};
        const KelvoDataObjs objs = KelvoGenerator::buildRecords(9, region);
        QCOMPARE(types(objs), (std::vector<uint32_t>{0, 0, 2, 1, 3, 6}));
        for (const KelvoData& record : objs.records) {
            QCOMPARE(record.red, 9);
            QCOMPARE(record.green, 255);
            QCOMPARE(record.blue, 0);
            QCOMPARE(record.subIndex, uint8_t(0));
        }
        QCOMPARE(objs.records[1].payload, bytes("two"));
        QCOMPARE(objs.records[3].payload, speechBubble());
        QCOMPARE(objs.records[4].payload, raw.payload);
        QCOMPARE(objs.records[5].payload, bytes("<_ID 222><house>Haus"));
        // Red, blue and the white that replaced everything outside the outline.
        QCOMPARE(objs.colours.size(), std::size_t(3));
        QCOMPARE(objs.packingLevel, 0);
    }

    void dictionaryEntries_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("with id") << 0 << QStringLiteral("sun") << QByteArray("<_ID 0><sun>Sonne");
        QTest::newRow("without id") << -1 << QStringLiteral("sun") << QByteArray("<sun>Sonne");
        QTest::newRow("empty word") << 4 << QString() << QByteArray();
    }

    void dictionaryEntries() {
        QFETCH(int, id);
        QFETCH(QString, word);
        QFETCH(QByteArray, payload);
        KelvoGeneratorRegion region;
        region.dictEntry = KelvoDictEntryRef{id, word, QStringLiteral("Sonne")};
        const KelvoDataObjs objs = KelvoGenerator::buildRecords(1, region);
        if (payload.isEmpty()) {
            QVERIFY(objs.records.empty());
            return;
        }
        QCOMPARE(objs.records.size(), std::size_t(1));
        QCOMPARE(objs.records[0].payload, std::vector<uint8_t>(payload.begin(), payload.end()));
    }

    void textsAreLatin1() {
        KelvoGeneratorRegion region;
        region.texts = {QString::fromUtf8("caf\u00e9 \u20ac")};
        const KelvoDataObjs objs = KelvoGenerator::buildRecords(1, region);
        QCOMPARE(objs.records[0].payload, (std::vector<uint8_t>{'c', 'a', 'f', 0xe9, ' ', '?'}));
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
        QCOMPARE(types(objs), (std::vector<uint32_t>{2, 2}));
        QCOMPARE(objs.colours.size(), std::size_t(2));
        QVERIFY(std::count(objs.colours.begin(), objs.colours.end(), 0x5a5a5au) == 1);
        region.colours = {0x010203u, 0x040506u};
        objs = KelvoGenerator::buildRecords(1, region);
        QCOMPARE(objs.colours, region.colours);
    }

    // Every record type survives generation and decoding; keys start at firstKey, regions
    // without data get none, and the picture changes only inside the regions.
    void roundTrip() {
        const QImage source = noise(120, 90);
        KelvoRegionMap regions;
        regions[1].polygons = {rect(5, 5, 50, 40)};
        regions[1].texts = {QStringLiteral("Hello")};
        regions[1].shapedTexts = {speechBubble()};
        regions[2].polygons = {rect(60, 5, 110, 40)}; // no data
        regions[3].polygons = {rect(10, 50, 40, 80), rect(60, 50, 100, 85)};
        regions[3].images = {{checkerSnippet(), rect(2, 2, 21, 13)}};
        regions[3].dictEntry =
            KelvoDictEntryRef{-1, QStringLiteral("tree"), QStringLiteral("tree")};

        QImage output;
        int calls = 0;
        QVERIFY(KelvoGenerator::generate(source, output, regions, true, 4, [&] { ++calls; }));
        QCOMPARE(calls, 3 + 2);
        QVERIFY(KelvoGenerator::isCoded(output));
        QVERIFY(!KelvoGenerator::isCoded(source));

        const Decoded decoded = decode(output);
        QCOMPARE(decoded.data.size(), std::size_t(2));
        const KelvoDataObjs& first = decoded.data.at(4);
        const KelvoDataObjs expectFirst = KelvoGenerator::buildRecords(1, regions[1]);
        QCOMPARE(types(first), types(expectFirst));
        for (std::size_t i = 0; i < first.records.size(); ++i) {
            QCOMPARE(first.records[i].payload, expectFirst.records[i].payload);
        }
        const KelvoDataObjs& second = decoded.data.at(5);
        const KelvoDataObjs expectSecond = KelvoGenerator::buildRecords(3, regions[3]);
        QCOMPARE(types(second), (std::vector<uint32_t>{2, 6}));
        QCOMPARE(second.records[0].payload, expectSecond.records[0].payload);
        QCOMPARE(second.colours, expectSecond.colours);

        // Outside every region only blue bit 0 may change (the marks were cleared).
        for (int y = 0; y < source.height(); ++y) {
            for (int x = 0; x < source.width(); ++x) {
                if (decoded.ids.at(x, y) == 0 && !QRect(0, 0, 112, 90).contains(x, y)) {
                    QCOMPARE(output.pixel(x, y) | 1u, source.pixel(x, y) | 1u);
                }
            }
        }
    }

    // Regions added to a coded picture keep the old ones readable.
    void addToCodedPicture() {
        KelvoRegionMap first;
        first[1].polygons = {rect(5, 5, 40, 40)};
        first[1].texts = {QStringLiteral("old")};
        QImage coded;
        QVERIFY(KelvoGenerator::generate(noise(100, 60), coded, first, true, 0));
        KelvoRegionMap second;
        second[1].polygons = {rect(55, 5, 95, 40)};
        second[1].texts = {QStringLiteral("new")};
        QImage twice;
        QVERIFY(KelvoGenerator::generate(coded, twice, second, false, 1));
        const Decoded decoded = decode(twice);
        QCOMPARE(decoded.data.size(), std::size_t(2));
        QCOMPARE(decoded.data.at(0).records[0].payload, bytes("old"));
        QCOMPARE(decoded.data.at(1).records[0].payload, bytes("new"));
    }

    void failures_data() {
        QTest::addColumn<QImage>("source");
        QTest::addColumn<int>("number");
        QTest::addColumn<QPolygon>("polygon");
        QTest::addColumn<int>("textLength");
        QTest::addColumn<uint>("firstKey");
        QTest::addColumn<int>("faultyRegion");
        QTest::addColumn<QString>("reason");
        const QImage picture = noise(64, 48);
        const QPolygon box = rect(4, 4, 40, 40);
        const int none = KelvoGeneratorError::kNoRegion;
        QTest::newRow("8-bit picture") << picture.convertToFormat(QImage::Format_Indexed8) << 1
                                       << box << 4 << 0u << none << "24 bits";
        QTest::newRow("region number 255") << picture << 255 << box << 4 << 0u << 255 << "0 to 254";
        QTest::newRow("negative number") << picture << -1 << box << 4 << 0u << -1 << "0 to 254";
        QTest::newRow("key 64") << picture << 1 << box << 4 << 64u << none << "64 keys";
        QTest::newRow("too much data")
            << picture << 2 << rect(4, 4, 12, 12) << 600 << 0u << 2 << "too small";
        QTest::newRow("no interior")
            << picture << 3 << rect(4, 4, 40, 5) << 4 << 0u << 3 << "no interior";
        QTest::newRow("on the edge")
            << picture << 3 << rect(-5, -5, 63, 47) << 4 << 0u << 3 << "no interior";
        QTest::newRow("stream limit") << picture << 4 << box << 5'000'000 << 0u << 4 << "more data";
    }

    // Failures name the region at fault and leave the output alone.
    void failures() {
        QFETCH(QImage, source);
        QFETCH(int, number);
        QFETCH(QPolygon, polygon);
        QFETCH(int, textLength);
        QFETCH(uint, firstKey);
        QFETCH(int, faultyRegion);
        QFETCH(QString, reason);
        KelvoRegionMap regions;
        regions[number].polygons = {polygon};
        QString text(textLength, QLatin1Char('x'));
        QRandomGenerator random(1);
        for (QChar& c : text) {
            c = QLatin1Char(char('a' + random.bounded(26)));
        }
        regions[number].texts = {text};
        QImage output(1, 1, QImage::Format_RGB32);
        KelvoGeneratorError error;
        QVERIFY(!KelvoGenerator::generate(source, output, regions, true, firstKey, {}, &error));
        QCOMPARE(error.region, faultyRegion);
        QVERIFY2(error.reason.contains(reason), qPrintable(error.reason));
        QCOMPARE(output.size(), QSize(1, 1));
    }

    // A region drawn over part of an earlier one takes those pixels; both stay readable.
    void laterRegionOnTop() {
        KelvoRegionMap regions;
        regions[1].polygons = {rect(4, 4, 30, 30)};
        regions[1].texts = {QStringLiteral("a")};
        regions[2].polygons = {rect(10, 10, 40, 40)};
        regions[2].texts = {QStringLiteral("b")};
        QImage output;
        QVERIFY(KelvoGenerator::generate(noise(50, 50), output, regions, true, 0));
        const Decoded decoded = decode(output);
        QCOMPARE(decoded.data.size(), std::size_t(2));
        QCOMPARE(decoded.data.at(1).records[0].payload, bytes("b"));
        QVERIFY(decoded.ids.at(20, 20) == decoded.ids.at(35, 35));
    }

    // A region inside another makes a hole in it; both stay readable.
    void regionInsideAnother() {
        KelvoRegionMap regions;
        regions[1].polygons = {rect(4, 4, 45, 45)};
        regions[1].texts = {QStringLiteral("outer")};
        regions[2].polygons = {rect(15, 15, 30, 30)};
        regions[2].texts = {QStringLiteral("inner")};
        QImage output;
        QVERIFY(KelvoGenerator::generate(noise(50, 50), output, regions, true, 0));
        const Decoded decoded = decode(output);
        QCOMPARE(decoded.data.size(), std::size_t(2));
        QCOMPARE(decoded.data.at(0).records[0].payload, bytes("outer"));
        QCOMPARE(decoded.data.at(1).records[0].payload, bytes("inner"));
        QVERIFY(decoded.ids.at(20, 20) != decoded.ids.at(8, 8));
    }

    void eraseAllAndOne() {
        KelvoRegionMap regions;
        regions[1].polygons = {rect(5, 5, 40, 40)};
        regions[1].texts = {QStringLiteral("left")};
        regions[2].polygons = {rect(55, 5, 95, 40)};
        regions[2].texts = {QStringLiteral("right")};
        QImage coded;
        QVERIFY(KelvoGenerator::generate(noise(100, 50), coded, regions, true, 0));

        QImage all = coded;
        QVERIFY(KelvoGenerator::eraseAll(all));
        QVERIFY(!KelvoGenerator::isCoded(all));

        const Decoded before = decode(coded);
        const int rightIndex = before.ids.at(70, 20);
        QVERIFY(rightIndex >= 2);
        QImage one = coded;
        QVERIFY(KelvoGenerator::eraseRegion(one, before.ids, rightIndex));
        const Decoded after = decode(one);
        QCOMPARE(after.data.size(), std::size_t(1));
        QCOMPARE(after.data.begin()->second.records[0].payload, bytes("left"));

        QImage untouched = coded;
        QVERIFY(!KelvoGenerator::eraseRegion(untouched, before.ids, 0));
        QVERIFY(!KelvoGenerator::eraseRegion(untouched, KelvoIndexedImage(), rightIndex));
        QCOMPARE(untouched, coded);
    }
};

QTEST_GUILESS_MAIN(KelvoGeneratorTest)
#include "kelvogenerator_test.moc"
