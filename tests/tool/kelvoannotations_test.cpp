#include "kelvoannotations.h"
#include "kelvotoolerror.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char* const kValid = R"({
  "clearMarks": false, "firstKey": 3,
  "regions": [
    {"polygons": [[[1, 1], [30, 1], [30, 30], [1, 30]]],
     "texts": ["one", "two"],
     "images": [{"file": "snip.png", "polygon": [[0, 0], [5, 0], [5, 5]]}],
     "shapedTexts": [{"kind": 4, "text": "hm", "circles": [[1, 2, 3, 4]]}],
     "records": [{"type": 3, "payload": "00ff10"}],
     "colours": [16777215, 0],
     "dictEntry": {"id": -1, "word": "sun", "term": "Sonne"}},
    {"polygons": []}
  ]})";

// Leaves a valid annotation file for the fuzzer to start from.
void writeSeed(const QByteArray& text) {
    QDir().mkpath(QStringLiteral(KELVO_FUZZ_SEED_DIR "/fuzz_annotations"));
    QFile seed(QStringLiteral(KELVO_FUZZ_SEED_DIR "/fuzz_annotations/valid.json"));
    if (seed.open(QIODevice::WriteOnly)) {
        seed.write(text);
    }
}

} // namespace

class KelvoAnnotationsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QImage snippet(8, 8, QImage::Format_RGB32);
        snippet.fill(Qt::red);
        QVERIFY(snippet.save(m_dir.filePath(QStringLiteral("snip.png"))));
        QFile garbage(m_dir.filePath(QStringLiteral("garbage.png")));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("no picture");
    }

    void validFile() {
        writeSeed(kValid);
        const KelvoAnnotations notes =
            KelvoAnnotationReader::parse(kValid, QStringLiteral("a.json"), QDir(m_dir.path()));
        QCOMPARE(notes.clearMarks, std::optional<bool>(false));
        QCOMPARE(notes.firstKey, std::optional<uint32_t>(3));
        QCOMPARE(notes.regions.size(), std::size_t(2));
        const KelvoGeneratorRegion& region = notes.regions.at(1);
        QCOMPARE(region.polygons.size(), std::size_t(1));
        QCOMPARE(region.polygons[0].point(2), QPoint(30, 30));
        QCOMPARE(region.texts,
                 (std::vector<QString>{QStringLiteral("one"), QStringLiteral("two")}));
        QCOMPARE(region.images.size(), std::size_t(1));
        QCOMPARE(region.images[0].image.size(), QSize(8, 8));
        QCOMPARE(region.shapedTexts.size(), std::size_t(1));
        QCOMPARE(region.records.size(), std::size_t(1));
        QCOMPARE(region.records[0].type, 3u);
        QCOMPARE(region.records[0].payload, (std::vector<uint8_t>{0x00, 0xff, 0x10}));
        QCOMPARE(region.colours, (std::vector<uint32_t>{0xffffff, 0}));
        QVERIFY(region.dictEntry);
        QCOMPARE(region.dictEntry->id, -1);
        QCOMPARE(region.dictEntry->term, QStringLiteral("Sonne"));
        QVERIFY(notes.regions.at(2).polygons.empty());
    }

    void defaults() {
        const KelvoAnnotations notes = KelvoAnnotationReader::parse(
            R"({"regions": []})", QStringLiteral("a.json"), QDir(m_dir.path()));
        QVERIFY(!notes.clearMarks);
        QVERIFY(!notes.firstKey);
        QVERIFY(notes.regions.empty());
    }

    // Each fault is reported with the file and the JSON path of the value at fault.
    void faults_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const char* json, const char* message) {
            QTest::newRow(name) << QByteArray(json) << QString::fromLatin1(message);
        };
        row("syntax", R"({"regions": [)", "a.json: invalid JSON at offset");
        row("not an object", R"([1, 2])", "a.json: the document is not a JSON object");
        row("no regions", R"({})", "a.json: missing key \"regions\"");
        row("unknown top key", R"({"regions": [], "colour": 1})", "a.json: colour: unknown key");
        row("clearMarks type", R"({"regions": [], "clearMarks": 1})",
            "a.json: clearMarks: expected true or false");
        row("firstKey range", R"({"regions": [], "firstKey": 64})",
            "a.json: firstKey: expected a whole number from 0 to 63");
        row("firstKey fraction", R"({"regions": [], "firstKey": 1.5})",
            "firstKey: expected a whole");
        row("regions type", R"({"regions": {}})", "a.json: regions: expected an array");
        row("region type", R"({"regions": [3]})", "a.json: regions[0]: expected an object");
        row("no polygons", R"({"regions": [{"texts": []}]})",
            "a.json: regions[0]: missing key \"polygons\"");
        row("unknown region key", R"({"regions": [{"polygons": [], "text": "x"}]})",
            "a.json: regions[0].text: unknown key");
        row("short polygon", R"({"regions": [{"polygons": [[[1, 1], [2, 2]]]}]})",
            "regions[0].polygons[0]: a polygon needs at least three points");
        row("point size", R"({"regions": [{"polygons": [[[1, 1], [2, 2, 3], [4, 4]]]}]})",
            "regions[0].polygons[0][1]: expected an array of 2 elements");
        row("coordinate", R"({"regions": [{"polygons": [[[1, 1], [2, "2"], [4, 4]]]}]})",
            "regions[0].polygons[0][1][1]: expected a whole number");
        row("huge coordinate", R"({"regions": [{"polygons": [[[1, 1], [2, 1e12], [4, 4]]]}]})",
            "regions[0].polygons[0][1][1]: expected a whole number");
        row("text type", R"({"regions": [{"polygons": [], "texts": [1]}]})",
            "regions[0].texts[0]: expected a string");
        row("missing picture",
            R"({"regions": [{"polygons": [], "images": [{"file": "no.png", "polygon": [[0, 0], [1, 0], [1, 1]]}]}]})",
            "regions[0].images[0].file: ");
        row("folder as picture",
            R"({"regions": [{"polygons": [], "images": [{"file": ".", "polygon": [[0, 0], [1, 0], [1, 1]]}]}]})",
            "is not a picture file");
        row("garbage picture",
            R"({"regions": [{"polygons": [], "images": [{"file": "garbage.png", "polygon": [[0, 0], [1, 0], [1, 1]]}]}]})",
            "regions[0].images[0].file: cannot read picture");
        row("image without polygon",
            R"({"regions": [{"polygons": [], "images": [{"file": "snip.png"}]}]})",
            "regions[0].images[0]: an image needs \"file\" and \"polygon\"");
        row("record type", R"({"regions": [{"polygons": [], "records": [{"type": 16}]}]})",
            "regions[0].records[0].type: expected a whole number from 0 to 15");
        row("record payload",
            R"({"regions": [{"polygons": [], "records": [{"type": 1, "payload": "abc"}]}]})",
            "regions[0].records[0].payload: expected pairs of hexadecimal digits");
        row("colour range", R"({"regions": [{"polygons": [], "colours": [16777216]}]})",
            "regions[0].colours[0]: expected a whole number from 0 to 16777215");
        row("dictionary word",
            R"({"regions": [{"polygons": [], "dictEntry": {"id": 1, "term": "x"}}]})",
            "regions[0].dictEntry: missing key \"word\"");
        row("dictionary id",
            R"({"regions": [{"polygons": [], "dictEntry": {"id": -2, "word": "a", "term": "x"}}]})",
            "regions[0].dictEntry.id: expected a whole number from -1");
        row("shape kind", R"({"regions": [{"polygons": [], "shapedTexts": [{"kind": 0}]}]})",
            "regions[0].shapedTexts[0].kind: expected a whole number from 1 to 4");
        row("shape without kind",
            R"({"regions": [{"polygons": [], "shapedTexts": [{"text": "x"}]}]})",
            "regions[0].shapedTexts[0]: missing key \"kind\"");
        row("shape colour",
            R"({"regions": [{"polygons": [], "shapedTexts": [{"kind": 1, "textColour": "red"}]}]})",
            "regions[0].shapedTexts[0].textColour: expected a colour \"#rrggbb\"");
        row("font key",
            R"({"regions": [{"polygons": [], "shapedTexts": [{"kind": 1, "font": {"size": 3}}]}]})",
            "regions[0].shapedTexts[0].font.size: unknown key");
        row("peak on a rectangle",
            R"({"regions": [{"polygons": [], "shapedTexts": [{"kind": 1, "peak": [1, 2]}]}]})",
            "regions[0].shapedTexts[0].peak: only shapes of kind 3 have this field");
        row("circles on a speech bubble",
            R"({"regions": [{"polygons": [], "shapedTexts": [{"kind": 3, "circles": []}]}]})",
            "regions[0].shapedTexts[0].circles: only shapes of kind 4 have this field");
        row("circle size",
            R"({"regions": [{"polygons": [], "shapedTexts": [{"kind": 4, "circles": [[1, 2, 3]]}]}]})",
            "regions[0].shapedTexts[0].circles[0]: expected an array of 4 elements");
        row("outline width",
            R"({"regions": [{"polygons": [], "shapedTexts": [{"kind": 2, "outlineWidth": 256}]}]})",
            "regions[0].shapedTexts[0].outlineWidth: expected a whole number from 0 to 255");
    }

    void faults() {
        QFETCH(QByteArray, json);
        QFETCH(QString, message);
        try {
            KelvoAnnotationReader::parse(json, QStringLiteral("a.json"), QDir(m_dir.path()));
            QFAIL("no error");
        } catch (const KelvoToolError& error) {
            QVERIFY2(error.message().startsWith(QStringLiteral("a.json: ")),
                     qPrintable(error.message()));
            QVERIFY2(error.message().contains(message), qPrintable(error.message()));
            QVERIFY(!error.message().contains(QLatin1Char('\n')));
        }
    }

    void unreadableFile() {
        try {
            KelvoAnnotationReader::read(m_dir.filePath(QStringLiteral("missing.json")));
            QFAIL("no error");
        } catch (const KelvoToolError& error) {
            QVERIFY(error.message().contains(QStringLiteral("missing.json")));
        }
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(KelvoAnnotationsTest)
#include "kelvoannotations_test.moc"
