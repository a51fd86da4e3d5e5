#include "kelvoannotations.h"
#include "kelvotoolerror.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

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
        QVERIFY(snippet.save(m_dir.filePath(u"snip.png"_s)));
        QFile garbage(m_dir.filePath(u"garbage.png"_s));
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("no picture");
    }

    void validFile() {
        writeSeed(kValid);
        const KelvoAnnotations notes = parse(kValid);
        QCOMPARE(notes.clearMarks, std::optional<bool>(false));
        QCOMPARE(notes.firstKey, std::optional<uint32_t>(3));
        QCOMPARE(notes.regions.size(), std::size_t(2));
        const KelvoGeneratorRegion& region = notes.regions.at(1);
        QCOMPARE(region.polygons.size(), std::size_t(1));
        QCOMPARE(region.polygons[0].point(2), QPoint(30, 30));
        QCOMPARE(region.texts, (std::vector<QString>{u"one"_s, u"two"_s}));
        QCOMPARE(region.images.size(), std::size_t(1));
        QCOMPARE(region.images[0].image.size(), QSize(8, 8));
        QCOMPARE(region.shapedTexts.size(), std::size_t(1));
        QCOMPARE(region.records.size(), std::size_t(1));
        QCOMPARE(region.records[0].type, 3u);
        QCOMPARE(region.records[0].payload, (std::vector<uint8_t>{0x00, 0xff, 0x10}));
        QCOMPARE(region.colours, (std::vector<uint32_t>{0xffffff, 0}));
        QVERIFY(region.dictEntry);
        QCOMPARE(region.dictEntry->id, -1);
        QCOMPARE(region.dictEntry->term, u"Sonne"_s);
        QVERIFY(notes.regions.at(2).polygons.empty());

        const KelvoAnnotations defaults = parse(R"({"regions": []})");
        QVERIFY(!defaults.clearMarks);
        QVERIFY(!defaults.firstKey);
        QVERIFY(defaults.regions.empty());
    }

    // Each fault is reported on one line with the file and the JSON path of the value at fault.
    void faults_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const QByteArray& json, const QString& message) {
            QTest::newRow(name) << json << u"a.json: "_s + message;
        };
        // A fault in the fields of an otherwise empty first region.
        const auto field = [&](const char* name, const char* fields, const QString& message) {
            row(name, QByteArray(R"({"regions": [{"polygons": [], )") + fields + "}]}",
                u"regions[0]"_s + message);
        };
        const auto file = [&](const char* name) { return m_dir.filePath(QLatin1String(name)); };
        row("syntax", R"({"regions": [)", u"invalid JSON at offset"_s);
        row("not an object", R"([1, 2])", u"the document is not a JSON object"_s);
        row("no regions", R"({})", u"missing key \"regions\""_s);
        row("unknown top key", R"({"regions": [], "colour": 1})", u"colour: unknown key"_s);
        row("clearMarks type", R"({"regions": [], "clearMarks": 1})",
            u"clearMarks: expected true or false"_s);
        row("firstKey range", R"({"regions": [], "firstKey": 64})",
            u"firstKey: expected a whole number from 0 to 63"_s);
        row("firstKey fraction", R"({"regions": [], "firstKey": 1.5})",
            u"firstKey: expected a whole"_s);
        row("regions type", R"({"regions": {}})", u"regions: expected an array"_s);
        row("region type", R"({"regions": [3]})", u"regions[0]: expected an object"_s);
        row("no polygons", R"({"regions": [{"texts": []}]})",
            u"regions[0]: missing key \"polygons\""_s);
        field("unknown region key", R"("text": "x")", u".text: unknown key"_s);
        row("short polygon", R"({"regions": [{"polygons": [[[1, 1], [2, 2]]]}]})",
            u"regions[0].polygons[0]: a polygon needs at least three points"_s);
        row("point size", R"({"regions": [{"polygons": [[[1, 1], [2, 2, 3], [4, 4]]]}]})",
            u"regions[0].polygons[0][1]: expected an array of 2 elements"_s);
        row("coordinate", R"({"regions": [{"polygons": [[[1, 1], [2, "2"], [4, 4]]]}]})",
            u"regions[0].polygons[0][1][1]: expected a whole number"_s);
        row("huge coordinate", R"({"regions": [{"polygons": [[[1, 1], [2, 1e12], [4, 4]]]}]})",
            u"regions[0].polygons[0][1][1]: expected a whole number"_s);
        field("text type", R"("texts": [1])", u".texts[0]: expected a string"_s);
        field("missing picture",
              R"("images": [{"file": "no.png", "polygon": [[0, 0], [1, 0], [1, 1]]}])",
              u".images[0].file: %1 is not a picture file"_s.arg(file("no.png")));
        field("folder as picture",
              R"("images": [{"file": ".", "polygon": [[0, 0], [1, 0], [1, 1]]}])",
              u".images[0].file: %1 is not a picture file"_s.arg(file(".")));
        field("garbage picture",
              R"("images": [{"file": "garbage.png", "polygon": [[0, 0], [1, 0], [1, 1]]}])",
              u".images[0].file: cannot read picture %1: "_s.arg(file("garbage.png")));
        field("image without polygon", R"("images": [{"file": "snip.png"}])",
              u".images[0]: an image needs \"file\" and \"polygon\""_s);
        field("record type", R"("records": [{"type": 16}])",
              u".records[0].type: expected a whole number from 0 to 15"_s);
        field("record payload", R"("records": [{"type": 1, "payload": "abc"}])",
              u".records[0].payload: expected pairs of hexadecimal digits"_s);
        field("colour range", R"("colours": [16777216])",
              u".colours[0]: expected a whole number from 0 to 16777215"_s);
        field("dictionary word", R"("dictEntry": {"id": 1, "term": "x"})",
              u".dictEntry: missing key \"word\""_s);
        field("dictionary id", R"("dictEntry": {"id": -2, "word": "a", "term": "x"})",
              u".dictEntry.id: expected a whole number from -1"_s);
        field("shape kind", R"("shapedTexts": [{"kind": 0}])",
              u".shapedTexts[0].kind: expected a whole number from 1 to 4"_s);
        field("shape without kind", R"("shapedTexts": [{"text": "x"}])",
              u".shapedTexts[0]: missing key \"kind\""_s);
        field("shape colour", R"("shapedTexts": [{"kind": 1, "textColour": "red"}])",
              u".shapedTexts[0].textColour: expected a colour \"#rrggbb\""_s);
        field("font key", R"("shapedTexts": [{"kind": 1, "font": {"size": 3}}])",
              u".shapedTexts[0].font.size: unknown key"_s);
        field("peak on a rectangle", R"("shapedTexts": [{"kind": 1, "peak": [1, 2]}])",
              u".shapedTexts[0].peak: only shapes of kind 3 have this field"_s);
        field("circles on a speech bubble", R"("shapedTexts": [{"kind": 3, "circles": []}])",
              u".shapedTexts[0].circles: only shapes of kind 4 have this field"_s);
        field("circle size", R"("shapedTexts": [{"kind": 4, "circles": [[1, 2, 3]]}])",
              u".shapedTexts[0].circles[0]: expected an array of 4 elements"_s);
        field("outline width", R"("shapedTexts": [{"kind": 2, "outlineWidth": 256}])",
              u".shapedTexts[0].outlineWidth: expected a whole number from 0 to 255"_s);
    }

    void faults() {
        QFETCH(QByteArray, json);
        QFETCH(QString, message);
        try {
            parse(json);
            QFAIL("no error");
        } catch (const KelvoToolError& error) {
            QVERIFY2(error.message().startsWith(message), qPrintable(error.message()));
            QVERIFY(!error.message().contains(u'\n'));
        }
    }

    void unreadableFile() {
        try {
            KelvoAnnotationReader::read(m_dir.filePath(u"missing.json"_s));
            QFAIL("no error");
        } catch (const KelvoToolError& error) {
            QVERIFY(error.message().contains(u"missing.json"_s));
        }
    }

private:
    KelvoAnnotations parse(const QByteArray& json) const {
        return KelvoAnnotationReader::parse(json, u"a.json"_s, QDir(m_dir.path()));
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(KelvoAnnotationsTest)
#include "kelvoannotations_test.moc"
