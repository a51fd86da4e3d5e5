// `kelvo-tool dict` in process, over dictionaries in a temporary KELVO_DIR, the delivered data
// and a dictionary of 20 MB.
#include "kelvosaxreader.h"
#include "kelvotestdir.h"
#include "kelvotoolinprocess.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <memory>

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

} // namespace

class KelvoDictCommandTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_dir.reset(); }
    void commands_data();
    void commands();
    void oversizedDictionary();
    void deliveredData();
    void twentyMegabytes();

private:
    std::unique_ptr<KelvoTestDir> m_dir;
};

void KelvoDictCommandTest::init() {
    m_dir = std::make_unique<KelvoTestDir>();
    m_dir->write(QStringLiteral("kelvoLanguages_en.xml"), Languages);
    m_dir->write(QStringLiteral("dictionary/kelvoDict.xml"), Main);
    m_dir->write(QStringLiteral("dictionary/kelvoDictPriv.xml"), Private);
}

void KelvoDictCommandTest::commands_data() {
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
    QTest::newRow("digits are an id") << QStringList{"dict", "lookup", "007"} << 0 << house << "";
    QTest::newRow("lookup by word, item without id, quoting")
        << QStringList{"dict", "lookup", "hut"} << 0
        << "{\"id\": null, \"word\": \"hut\", \"translations\": {\"en\": {\"primary\": \"hut\", "
           "\"secondary\": []}, \"de\": {\"primary\": \"Hütte \\\"klein\\\"\", "
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

void KelvoDictCommandTest::commands() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, err);
    const KelvoToolResult result = runKelvoTool(arguments);
    QTEST(result.code, "code");
    QTEST(result.out, "out");
    QCOMPARE(result.err, err.contains(QLatin1String("%1")) ? err.arg(m_dir->root()) : err);
}

void KelvoDictCommandTest::oversizedDictionary() {
    QFile file(m_dir->path(QStringLiteral("dictionary/kelvoDictPriv.xml")));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.resize(KelvoSaxReader::MaxFileSize + 1));
    file.close();
    const KelvoToolResult result = runKelvoTool({"dict", "lookup", "castle"});
    QCOMPARE(result.code, 2);
    QCOMPARE(result.err, QStringLiteral("kelvo-tool: %1: larger than the limit of 256 MiB; not "
                                        "loaded\n")
                             .arg(file.fileName()));

    QVERIFY(QFile::remove(m_dir->path(QStringLiteral("kelvoLanguages_en.xml"))));
    KelvoTestDir::resetProcessState();
    const KelvoToolResult noLanguages = runKelvoTool({"dict", "lookup", "7"});
    QCOMPARE(noLanguages.code, 2);
    QVERIFY(noLanguages.err.startsWith(
        QStringLiteral("kelvo-tool: %1kelvoLanguages_en.xml: ").arg(m_dir->root())));
}

void KelvoDictCommandTest::deliveredData() {
    const QString delivered = qEnvironmentVariable("KELVO_SOURCE_DATA");
    QVERIFY(QDir(delivered).exists());
    qputenv("KELVO_DIR", QFile::encodeName(delivered));
    KelvoTestDir::resetProcessState();
    const KelvoToolResult house = runKelvoTool({"dict", "lookup", "222"});
    QCOMPARE(house.code, 0);
    const QJsonObject item = QJsonDocument::fromJson(house.out.toUtf8()).object();
    QCOMPARE(item.value("word").toString(), "house");
    QCOMPARE(item.value("translations").toObject().value("de").toObject().value("primary"), "Haus");
    const KelvoToolResult search = runKelvoTool({"dict", "search", "HAUS", "--lang", "de"});
    QCOMPARE(search.code, 0);
    QVERIFY(QJsonDocument::fromJson(search.out.toUtf8())
                .array()
                .contains(QJsonObject{{"id", 222}, {"word", "house"}, {"term", "Haus"}}));
}

void KelvoDictCommandTest::twentyMegabytes() {
    int items = 0;
    m_dir->write(QStringLiteral("dictionary/kelvoDict.xml"),
                 KelvoTestDir::largeDictionary(20 * 1000 * 1000, items));
    const QString last = QString::number(items);
    const KelvoToolResult lookup = runKelvoTool({"dict", "lookup", last});
    QCOMPARE(lookup.code, 0);
    QCOMPARE(lookup.out, QStringLiteral("{\"id\": %1, \"word\": \"word%1\", \"translations\": "
                                        "{\"en\": {\"primary\": \"term%1\", \"secondary\": "
                                        "[\"Shared\"]}, \"de\": {\"primary\": \"Begriff%1\", "
                                        "\"secondary\": []}}}\n")
                             .arg(last));
    QCOMPARE(runKelvoTool({"dict", "lookup", QStringLiteral("word") + last}).out, lookup.out);

    const KelvoToolResult search = runKelvoTool({"dict", "search", "shared", "--lang", "en"});
    QCOMPARE(search.code, 0);
    const QJsonArray all = QJsonDocument::fromJson(search.out.toUtf8()).array();
    QCOMPARE(all.size(), items);
    QCOMPARE(all.last().toObject().value("id").toInt(), items);
}

QTEST_GUILESS_MAIN(KelvoDictCommandTest)
#include "kelvodictcommand_test.moc"
