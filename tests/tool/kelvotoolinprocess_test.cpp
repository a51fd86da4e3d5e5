// kelvo-tool in process: its annotation reader on valid and faulty files, its report writer
// against Qt's JSON, which the reports were printed with before, and the commands a test runs
// many times: capacity against encode over region sizes, dict over dictionaries in a temporary
// KELVO_DIR.
#include "kelvoannotations.h"
#include "kelvojsontext.h"
#include "kelvonoisetext.h"
#include "kelvopackinglevels.h"
#include "kelvotestdir.h"
#include "kelvotool.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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

// Every test starts in a folder with a plain picture, a language list and both dictionaries.
class KelvoToolInProcessTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_dir = std::make_unique<KelvoTestDir>();
        QImage picture(120, 90, QImage::Format_RGB32);
        picture.fill(qRgb(90, 140, 200));
        QVERIFY(picture.save(path(u"plain.png"_s)));
        m_dir->write(u"kelvoLanguages_en.xml"_s, Languages);
        m_dir->write(u"dictionary/kelvoDict.xml"_s, Main);
        m_dir->write(u"dictionary/kelvoDictPriv.xml"_s, Private);
    }

    void cleanup() { m_dir.reset(); }

    // Over region sizes and texts, capacity says a region fits exactly when encode codes it, and
    // exactly when its bytes are within its room; the text one character longer than the
    // longest that fits is refused by both. Small regions near their limit are coded at levels
    // that show, roomy ones with short texts are not.
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
        // An item only the private dictionary has: kelvo_installed_tree.
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
        QTest::newRow("oversized private dictionary")
            << QStringList{"dict", "lookup", "castle"} << 2 << ""
            << "kelvo-tool: %1dictionary/kelvoDictPriv.xml: larger than the limit of 256 MiB; not "
               "loaded\n";
        QTest::newRow("no language list")
            << QStringList{"dict", "lookup", "7"} << 2 << ""
            << "kelvo-tool: %1kelvoLanguages_en.xml: no language list (missing, unreadable or not "
               "well-formed)\n";
    }

    // The last two rows' names say what is done to the folder first.
    void commands() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, err);
        const QLatin1String damage(QTest::currentDataTag());
        if (damage == "oversized private dictionary"_L1)
            m_dir->writeOversized(u"dictionary/kelvoDictPriv.xml"_s);
        if (damage == "no language list"_L1)
            QVERIFY(QFile::remove(path(u"kelvoLanguages_en.xml"_s)));
        const KelvoToolResult result = runKelvoTool(arguments);
        QTEST(result.code, "code");
        QTEST(result.out, "out");
        QCOMPARE(result.err, err.contains(QLatin1String("%1")) ? err.arg(m_dir->root()) : err);
    }

    // The settings as given or left out. What a region holds is checked where it reaches the
    // picture and comes back (KelvoToolTest::everyRecordType).
    void validFile() {
        KelvoTestDir::writeFuzzSeed("fuzz_annotations", u"valid.json"_s, kValid);
        const KelvoAnnotations notes = parse(kValid);
        QCOMPARE(notes.clearMarks, std::optional<bool>(false));
        QCOMPARE(notes.firstKey, std::optional<uint32_t>(3));
        const KelvoAnnotations defaults = parse(R"({"regions": []})");
        QVERIFY(!defaults.clearMarks && !defaults.firstKey && defaults.regions.empty());
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
                           {u"texts"_s, QJsonArray{kelvoNoiseText(length, 7)}}};
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
            QVERIFY2(entry[u"visible"_s].toBool() ==
                         (entry[u"level"_s].toInt() >= kFirstVisibleLevel),
                     where);
        }();
        return fits;
    }

    std::unique_ptr<KelvoTestDir> m_dir;
};

QTEST_GUILESS_MAIN(KelvoToolInProcessTest)
#include "kelvotoolinprocess_test.moc"
