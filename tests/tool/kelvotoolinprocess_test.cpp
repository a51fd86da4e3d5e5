// kelvo-tool in process: its annotation reader on valid and faulty files, its report writer
// against Qt's JSON, which the reports were printed with before, and the commands a test runs
// many times: capacity against encode over region sizes, dict over dictionaries in a temporary
// KELVO_DIR.
#include "kelvoannotations.h"
#include "kelvojsontext.h"
#include "kelvopackinglevels.h"
#include "kelvotestdir.h"
#include "kelvotool.h"
#include "kelvotoolerror.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTest>
#include <QTextStream>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QByteArray Languages = "<?xml version=\"1.0\"?>\n<kelvoLanguages>\n"
                             "<language>English<tag>en</tag></language>\n"
                             "<language>German<tag>de</tag></language>\n"
                             "<language>French<tag>fr</tag></language>\n</kelvoLanguages>\n";
const QByteArray Main =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kelvoDictionary>\n\n"
    "<DictItem id=\"7\">house\n<fr><fr_P>maison</fr_P></fr>\n"
    "<xx><xx_P>hidden</xx_P></xx>\n<en><en_P>house</en_P><en_S>home</en_S><en_S>Home</en_S>"
    "</en>\n</DictItem>\n\n"
    "<DictItem>hut\n<en><en_P>hut</en_P></en>\n<de><de_P>Hütte \"klein\"</de_P></de>\n"
    "</DictItem>\n\n"
    "<DictItem id=\"9\">flat\n<en><en_P>HOME</en_P></en>\n</DictItem>\n\n"
    "</kelvoDictionary>\n";
const QByteArray Private = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kelvoDictionary>\n\n"
                           "<DictItem id=\"7\">shadowed\n<en><en_P>x</en_P></en>\n</DictItem>\n\n"
                           "<DictItem id=\"40\">cabin\n<en><en_P>home</en_P></en>\n</DictItem>\n\n"
                           "</kelvoDictionary>\n";

struct KelvoToolResult {
    int code = -1;
    QString out;
    QString err;
};

KelvoToolResult runKelvoTool(const QStringList& arguments) {
    KelvoToolResult result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.code = KelvoTool::run(arguments, out, err);
    out.flush();
    err.flush();
    return result;
}

// Printable characters in no order, which compression hardly shortens.
QString noise(int length) {
    QRandomGenerator random(7);
    QString text;
    for (int i = 0; i < length; ++i) {
        text += QLatin1Char(char('!' + random.bounded(94)));
    }
    return text;
}

const char* const kValid = R"({
  "clearMarks": false, "firstKey": 3,
  "regions": [
    {"polygons": [[[1, 1], [30, 1], [30, 30], [1, 30]]],
     "texts": ["one", "two"],
     "images": [{"file": "plain.png", "polygon": [[0, 0], [5, 0], [5, 5]]}],
     "shapedTexts": [{"kind": 4, "text": "hm", "circles": [[1, 2, 3, 4]]}],
     "records": [{"type": 3, "payload": "00ff10"}],
     "colours": [16777215, 0],
     "dictEntry": {"id": -1, "word": "sun", "term": "Sonne"}},
    {"polygons": []}
  ]})";

} // namespace

// Every test starts in a folder with a plain picture, a file that is none, a language list and
// both dictionaries.
class KelvoToolInProcessTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_dir = std::make_unique<KelvoTestDir>();
        QImage picture(120, 90, QImage::Format_RGB32);
        picture.fill(qRgb(90, 140, 200));
        QVERIFY(picture.save(path(u"plain.png"_s)));
        m_dir->write(u"garbage.png"_s, "no picture");
        m_dir->write(u"kelvoLanguages_en.xml"_s, Languages);
        m_dir->write(u"dictionary/kelvoDict.xml"_s, Main);
        m_dir->write(u"dictionary/kelvoDictPriv.xml"_s, Private);
    }

    void cleanup() { m_dir.reset(); }

    // Over region sizes and texts, capacity says a region fits exactly when encode codes it, and
    // exactly when its bytes are within its room; the text one character longer than the
    // longest that fits is refused by both.
    void fitEqualsEncoding_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<bool>("colours");
        for (int side : {6, 10, 17, 30, 60}) {
            QTest::addRow("%dx%d", side, side) << side << false;
        }
        QTest::newRow("30x30 with colours") << 30 << true;
    }

    void fitEqualsEncoding() {
        QFETCH(int, side);
        QFETCH(bool, colours);
        int fitting = 0;
        int refused = 4 * side * side; // more than the densest level holds
        QVERIFY(!agreedFit(side, colours, refused));
        while (refused - fitting > 1) {
            const int middle = (fitting + refused) / 2;
            (agreedFit(side, colours, middle) ? fitting : refused) = middle;
        }
        QVERIFY(agreedFit(side, colours, fitting / 2));
    }

    // A small region with a long text is coded at a level that shows; a roomy one is not.
    void visibleLevels() {
        for (const auto& [side, visible] : {std::pair(10, true), std::pair(60, false)}) {
            const QJsonObject entry = capacity(side, false, 150).first;
            QVERIFY(entry[u"fits"_s].toBool());
            QCOMPARE(entry[u"visible"_s].toBool(), visible);
            QCOMPARE(entry[u"level"_s].toInt() >= kFirstVisibleLevel, visible);
        }
    }

    // Each region gets its own entry; a region without interior is named with the encoder's
    // reason while the others keep their figures.
    void regionWithoutInterior() {
        writeFile(u"["
                  u"{\"polygons\": [[[2, 2], [40, 2], [40, 40], [2, 40]]], \"texts\": [\"a\"]},"
                  u"{\"polygons\": [[[50, 5], [100, 5], [100, 6], [50, 6]]], \"texts\": [\"b\"]}"
                  u"]"_s);
        const KelvoToolResult result = runKelvoTool(arguments(u"capacity"_s));
        QCOMPARE(result.code, 1);
        const QJsonArray entries = QJsonDocument::fromJson(result.out.toUtf8()).array();
        QCOMPARE(entries.size(), 2);
        QVERIFY(entries[0][u"fits"_s].toBool());
        QCOMPARE(entries[0][u"level"_s].toInt(), 1);
        QCOMPARE(entries[1][u"region"_s].toInt(), 1);
        QVERIFY(!entries[1][u"fits"_s].toBool());
        QVERIFY(entries[1][u"problem"_s].toString().startsWith(u"no interior"_s));
    }

    void commands_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err"); // with "%1" for KELVO_DIR

        const QString house =
            "{\"id\": 7, \"word\": \"house\", \"translations\": {\"en\": {\"primary\": \"house\", "
            "\"secondary\": [\"home\", \"Home\"]}, \"fr\": {\"primary\": \"maison\", "
            "\"secondary\": []}}}\n";
        QTest::newRow("lookup by id: list order, unlisted language left out")
            << QStringList{"dict", "lookup", "7"} << 0 << house << "";
        QTest::newRow("digits are an id")
            << QStringList{"dict", "lookup", "007"} << 0 << house << "";
        QTest::newRow("lookup by word, item without id, quoting")
            << QStringList{"dict", "lookup", "hut"} << 0
            << "{\"id\": null, \"word\": \"hut\", \"translations\": {\"en\": {\"primary\": "
               "\"hut\", \"secondary\": []}, \"de\": {\"primary\": \"Hütte \\\"klein\\\"\", "
               "\"secondary\": []}}}\n"
            << "";
        QTest::newRow("private dictionary after the main one")
            << QStringList{"dict", "lookup", "40"} << 0
            << "{\"id\": 40, \"word\": \"cabin\", \"translations\": {\"en\": {\"primary\": "
               "\"home\", \"secondary\": []}}}\n"
            << "";
        QTest::newRow("not found") << QStringList{"dict", "lookup", "castle"} << 1 << ""
                                   << "kelvo-tool: not found\n";
        QTest::newRow("search: every item once, file order, main first")
            << QStringList{"dict", "search", "hOmE", "--lang", "en"} << 0
            << "[{\"id\": 7, \"word\": \"house\", \"term\": \"home\"}, {\"id\": 9, \"word\": "
               "\"flat\", \"term\": \"HOME\"}, {\"id\": 40, \"word\": \"cabin\", \"term\": "
               "\"home\"}]\n"
            << "";
        QTest::newRow("search without match")
            << QStringList{"dict", "search", "home", "--lang", "de"} << 0 << "[]\n"
            << "";
        QTest::newRow("unknown language tag")
            << QStringList{"dict", "search", "home", "--lang", "xx"} << 2 << ""
            << "kelvo-tool: %1kelvoLanguages_en.xml: unknown language tag \"xx\"\n";
        QTest::newRow("search needs --lang")
            << QStringList{"dict", "search", "home"} << 2 << ""
            << "kelvo-tool: Usage: kelvo-tool dict lookup ID|WORD | dict search TERM --lang TAG\n";
    }

    void commands() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, err);
        const KelvoToolResult result = runKelvoTool(arguments);
        QTEST(result.code, "code");
        QTEST(result.out, "out");
        QCOMPARE(result.err, err.contains(QLatin1String("%1")) ? err.arg(m_dir->root()) : err);
    }

    void oversizedDictionary() {
        const QString oversized =
            m_dir->writeOversized(QStringLiteral("dictionary/kelvoDictPriv.xml"));
        const KelvoToolResult result = runKelvoTool({"dict", "lookup", "castle"});
        QCOMPARE(result.code, 2);
        QCOMPARE(result.err, QStringLiteral("kelvo-tool: %1: larger than the limit of 256 MiB; not "
                                            "loaded\n")
                                 .arg(oversized));

        QVERIFY(QFile::remove(m_dir->path(QStringLiteral("kelvoLanguages_en.xml"))));
        KelvoTestDir::resetProcessState();
        const KelvoToolResult noLanguages = runKelvoTool({"dict", "lookup", "7"});
        QCOMPARE(noLanguages.code, 2);
        QVERIFY(noLanguages.err.startsWith(
            QStringLiteral("kelvo-tool: %1kelvoLanguages_en.xml: ").arg(m_dir->root())));
    }

    // The settings as given or left out. What a region holds is checked where it reaches the
    // picture and comes back (KelvoToolTest::everyRecordType).
    void validFile() {
        KelvoTestDir::writeFuzzSeed("fuzz_annotations", u"valid.json"_s, kValid);
        const KelvoAnnotations notes = parse(kValid);
        QCOMPARE(notes.clearMarks, std::optional<bool>(false));
        QCOMPARE(notes.firstKey, std::optional<uint32_t>(3));
        QCOMPARE(notes.regions.size(), std::size_t(2));
        QCOMPARE(notes.regions.at(1).images[0].image.size(), QSize(120, 90));
        QVERIFY(notes.regions.at(2).polygons.empty());
        const KelvoAnnotations defaults = parse(R"({"regions": []})");
        QVERIFY(!defaults.clearMarks && !defaults.firstKey && defaults.regions.empty());
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
              u".images[0].file: FOLDERno.png is not a picture file"_s);
        field("garbage picture",
              R"("images": [{"file": "garbage.png", "polygon": [[0, 0], [1, 0], [1, 1]]}])",
              u".images[0].file: cannot read picture FOLDERgarbage.png: "_s);
        field("image without polygon", R"("images": [{"file": "plain.png"}])",
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
        message.replace(u"FOLDER"_s, m_dir->root());
        try {
            parse(json);
            QFAIL("no error");
        } catch (const KelvoToolError& error) {
            QVERIFY2(error.message().startsWith(message), qPrintable(error.message()));
            QVERIFY(!error.message().contains(u'\n'));
        }
    }

    // Awkward strings, nesting, empty containers, key order and integers give Qt's bytes.
    void reportAsQtWritesIt_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << u"Kelvo"_s;
        QTest::newRow("escapes") << u"\"\\/\b\f\n\r\t\x01\x1f\x7f"_s;
        QTest::newRow("nul") << QString(QChar(0));
        QTest::newRow("latin-1 and beyond") << u"äöü ß € 漢"_s;
        QTest::newRow("pair") << QString::fromUtf16(u"a\U0001F600b");
        QTest::newRow("lone surrogates") << QString::fromUtf16(u"\xd83d x \xde00 \xdbff");
    }

    void reportAsQtWritesIt() {
        QFETCH(QString, text);
        KelvoJson empty = KelvoJson::object();
        empty.set("array", KelvoJson::array()).set("object", KelvoJson::object());
        KelvoJson list = KelvoJson::integers({-1, 0, 4294967295});
        list.append(KelvoJson::boolean(true)).append(std::move(empty));
        KelvoJson ours = KelvoJson::object();
        ours.set("text", KelvoJson::string(text.toStdU16String()))
            .set("b", std::move(list))
            .set("a", KelvoJson::boolean(false));

        const QJsonObject qt{{u"text"_s, text},
                             {u"b"_s, QJsonArray{qint64(-1), 0, qint64(4294967295), true,
                                                 QJsonObject{{u"array"_s, QJsonArray()},
                                                             {u"object"_s, QJsonObject()}}}},
                             {u"a"_s, false}};
        QCOMPARE(QByteArray::fromStdString(ours.toText()), QJsonDocument(qt).toJson());
    }

private:
    QString path(const QString& name) const { return m_dir->path(name); }

    KelvoAnnotations parse(const QByteArray& json) const {
        return KelvoAnnotationReader::parse(json, u"a.json"_s, QDir(m_dir->root()));
    }

    void writeFile(const QString& regions) {
        m_dir->write(u"notes.json"_s, u"{\"regions\": %1}"_s.arg(regions).toUtf8());
    }

    QStringList arguments(const QString& command) const {
        QStringList list{command, path(u"plain.png"_s)};
        if (command == u"encode"_s) {
            list << path(u"coded.png"_s);
        }
        return list << path(u"notes.json"_s);
    }

    // The entry of a square region at (20, 20) with `length` characters, and the exit status.
    std::pair<QJsonObject, int> capacity(int side, bool colours, int length) {
        const QJsonArray square{QJsonArray{20, 20}, QJsonArray{20 + side, 20},
                                QJsonArray{20 + side, 20 + side}, QJsonArray{20, 20 + side}};
        QJsonObject region{{u"polygons"_s, QJsonArray{QJsonValue(square)}},
                           {u"texts"_s, QJsonArray{noise(length)}}};
        if (colours) {
            region.insert(u"colours"_s, QJsonArray{0x102030, 0xfafad2, 0x00ff00});
        }
        writeFile(QString::fromUtf8(QJsonDocument(QJsonArray{region}).toJson()));
        const KelvoToolResult result = runKelvoTool(arguments(u"capacity"_s));
        const QJsonArray entries = QJsonDocument::fromJson(result.out.toUtf8()).array();
        return {entries.size() == 1 ? entries[0].toObject() : QJsonObject(), result.code};
    }

    // Whether the region fits, after checking that capacity, its figures and encode agree.
    bool agreedFit(int side, bool colours, int length) {
        // Named, not bound as a structured binding: C++17 lambdas cannot capture those.
        const auto figures = capacity(side, colours, length);
        const QJsonObject& entry = figures.first;
        const int code = figures.second;
        const bool fits = entry[u"fits"_s].toBool();
        const bool withinRoom = entry[u"bytes"_s].toInteger() <= entry[u"room"_s].toInteger();
        const int encoded = runKelvoTool(arguments(u"encode"_s)).code;
        const QByteArray where = u"%1 characters: %2"_s.arg(length).arg(code).toUtf8();
        [&] {
            QVERIFY2(code == (fits ? 0 : 1), where);
            QVERIFY2(encoded == (fits ? 0 : 2), where);
            QVERIFY2(withinRoom == fits, where);
            QVERIFY2(fits == (entry[u"level"_s].toInt() > 0), where);
        }();
        return fits;
    }

    std::unique_ptr<KelvoTestDir> m_dir;
};

QTEST_GUILESS_MAIN(KelvoToolInProcessTest)
#include "kelvotoolinprocess_test.moc"
