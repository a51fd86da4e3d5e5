// The private-dictionary writer: what appending writes, byte for byte, and how saving fails.
#include "kelvosaxreader.h"
#include "kelvotestdir.h"
#include "kelvoxmldictwriter.h"
#include "kelvoxmlparser.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <memory>

namespace {

const QByteArray Declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
const QByteArray EmptyDictionary = Declaration + "<kelvoDictionary>\n\n</kelvoDictionary>\n";
const QString PrivatePath = QStringLiteral("dictionary/kelvoDictPriv.xml");

QByteArray dictionaryWith(const QByteArray& items) {
    return Declaration + "<kelvoDictionary>\n\n" + items + "</kelvoDictionary>\n";
}

void useLanguages() {
    KelvoTestDir::setLanguages(
        {QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("es"), QStringLiteral("de")});
}

QMap<int, TheS_DictEntries> englishOnly(const QString& term) {
    return {{0, {term, {}}}};
}

} // namespace

class KelvoXmlDictWriterTest : public QObject {
    Q_OBJECT

private slots:
    void appendedId_data();
    void appendedId();
    void appendedLayout();
    void textsAreKeptIntact();
    void unusableDictionaryIsReported_data();
    void unusableDictionaryIsReported();
    void saveOverFolderFails();
    void saveIntoReadOnlyFolderKeepsOldFile();
    void saveKeepsPermissionsAndLinks();
    void pathWithoutKelvoDir();
    void writersShareTheLibrary();
};

void KelvoXmlDictWriterTest::appendedId_data() {
    QTest::addColumn<QByteArray>("items");
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("startTag");

    const QByteArray item41 = "<DictItem id=\"41\">a\n</DictItem>\n\n";
    QTest::newRow("-1 after 41") << item41 << -1 << QByteArray("<DictItem id=\"42\">");
    QTest::newRow("-1 without items") << QByteArray() << -1 << QByteArray("<DictItem id=\"1\">");
    QTest::newRow("-1 skips an item without id") << item41 + "<DictItem>b\n</DictItem>\n\n"
                                                 << -1 << QByteArray("<DictItem id=\"42\">");
    QTest::newRow("-1 after a non-numeric id")
        << QByteArray("<DictItem id=\"x\">b\n</DictItem>\n\n") << -1
        << QByteArray("<DictItem id=\"1\">");
    QTest::newRow("-1 takes the nearest, not the largest")
        << QByteArray("<DictItem id=\"90\">a\n</DictItem>\n\n<DictItem id=\"3\">b\n</DictItem>\n\n")
        << -1 << QByteArray("<DictItem id=\"4\">");
    QTest::newRow("-1 after the largest id")
        << QByteArray("<DictItem id=\"2147483647\">a\n</DictItem>\n\n") << -1
        << QByteArray("<DictItem id=\"2147483648\">");
    QTest::newRow("given") << item41 << 7 << QByteArray("<DictItem id=\"7\">");
    QTest::newRow("given 0") << item41 << 0 << QByteArray("<DictItem id=\"0\">");
    QTest::newRow("-2 writes no id") << item41 << -2 << QByteArray("<DictItem>");
}

void KelvoXmlDictWriterTest::appendedId() {
    QFETCH(QByteArray, items);
    QFETCH(int, id);
    QFETCH(QByteArray, startTag);

    KelvoTestDir dir;
    QVERIFY(dir.isValid());
    useLanguages();
    dir.write(PrivatePath, dictionaryWith(items));
    {
        KelvoXmlDictWriter writer;
        QVERIFY(writer.isLoaded());
        QVERIFY(writer.appendItem(QStringLiteral("w"), englishOnly(QStringLiteral("w")), id));
        QVERIFY(writer.save());
    }
    QCOMPARE(dir.read(PrivatePath),
             dictionaryWith(items + startTag + "w\n<en><en_P>w</en_P></en>\n</DictItem>\n\n"));
}

void KelvoXmlDictWriterTest::appendedLayout() {
    KelvoTestDir dir;
    QVERIFY(dir.isValid());
    useLanguages();
    dir.write(PrivatePath, EmptyDictionary);
    KelvoTestDir::writeFuzzSeed("fuzz_dictionary", QStringLiteral("empty.xml"), EmptyDictionary);

    KelvoXmlDictWriter writer;
    QMap<int, TheS_DictEntries> house;
    house.insert(3, {QStringLiteral("Haus"), {}});
    house.insert(9, {QStringLiteral("not a language"), {}});
    house.insert(0,
                 {QStringLiteral("house"), {QStringLiteral("home"), QStringLiteral("dwelling")}});
    house.insert(-1, {QStringLiteral("not a language either"), {}});
    QVERIFY(writer.appendItem(QStringLiteral("house"), house, 5));
    QVERIFY(writer.appendItem(QStringLiteral("tree"), englishOnly(QStringLiteral("tree")), -1));
    QCOMPARE(dir.read(PrivatePath), EmptyDictionary); // nothing written before saving
    QVERIFY(writer.save());

    const QByteArray expected =
        dictionaryWith("<DictItem id=\"5\">house\n"
                       "<en><en_P>house</en_P><en_S>home</en_S><en_S>dwelling</en_S></en>\n"
                       "<de><de_P>Haus</de_P></de>\n"
                       "</DictItem>\n\n"
                       "<DictItem id=\"6\">tree\n<en><en_P>tree</en_P></en>\n</DictItem>\n\n");
    QCOMPARE(dir.read(PrivatePath), expected);
    KelvoTestDir::writeFuzzSeed("fuzz_dictionary", QStringLiteral("appended.xml"), expected);
}

void KelvoXmlDictWriterTest::textsAreKeptIntact() {
    KelvoTestDir dir;
    QVERIFY(dir.isValid());
    useLanguages();
    dir.write(PrivatePath, EmptyDictionary);
    // "<" and ">" cannot be part of a coded word (references use them as brackets), but of terms.
    const QString word = QStringLiteral("salt & pepper \"x\"");
    const QString english = QStringLiteral("salt & pepper <mild>");
    const QString french = QStringLiteral("sel & poivre — doux 🌶");
    const QString withControls = QStringLiteral("a\x01z\x1f") + QChar(0xFFFE);

    const KelvoXmlParser reader; // reads the file before and after the append
    QString term;
    TheS_DictItem item;
    QVERIFY(!reader.lookup(QLatin1Char('<') + word + QLatin1String(">t"), term, item));
    {
        KelvoXmlDictWriter writer;
        QMap<int, TheS_DictEntries> translations{{0, {english, {withControls}}}, {1, {french, {}}}};
        QVERIFY(writer.appendItem(word, translations, -2));
        QVERIFY(writer.save());
    }

    QVERIFY(reader.lookup(QLatin1Char('<') + word + QLatin1String(">t"), term, item));
    QCOMPARE(item.translations.value(0).primary, english);
    QCOMPARE(item.translations.value(0).secondaries, QStringList{QStringLiteral("az")});
    QCOMPARE(item.translations.value(1).primary, french);
    QString foundWord;
    int id = 0;
    QVERIFY(reader.search(KelvoXmlParser::PrivateDictionary,
                          QStringLiteral("SEL & POIVRE — DOUX 🌶"), 1, foundWord, id));
    QCOMPARE(foundWord, word);
    QCOMPARE(id, -1);
}

void KelvoXmlDictWriterTest::unusableDictionaryIsReported_data() {
    QTest::addColumn<QByteArray>("content"); // null = no file

    QTest::newRow("missing") << QByteArray();
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("malformed") << QByteArray("<kelvoDictionary>\n\n<DictItem>");
    QTest::newRow("too large") << EmptyDictionary +
                                      QByteArray(int(KelvoSaxReader::MaxFileSize), '\n');
}

void KelvoXmlDictWriterTest::unusableDictionaryIsReported() {
    QFETCH(QByteArray, content);

    KelvoTestDir dir;
    QVERIFY(dir.isValid());
    useLanguages();
    if (!content.isNull())
        dir.write(PrivatePath, content);

    KelvoXmlDictWriter writer;
    QVERIFY(!writer.isLoaded());
    QCOMPARE(writer.filePath(), dir.path(PrivatePath));
    QVERIFY(!writer.appendItem(QStringLiteral("w"), englishOnly(QStringLiteral("w")), -1));
    QVERIFY(!writer.save());
    QCOMPARE(QFile::exists(dir.path(PrivatePath)), !content.isNull());
    if (!content.isNull())
        QCOMPARE(dir.read(PrivatePath), content);
}

void KelvoXmlDictWriterTest::saveOverFolderFails() {
    KelvoTestDir dir;
    QVERIFY(dir.isValid());
    useLanguages();
    dir.write(PrivatePath, EmptyDictionary);
    KelvoXmlDictWriter writer;
    QVERIFY(writer.appendItem(QStringLiteral("w"), englishOnly(QStringLiteral("w")), -1));

    // The target has become a folder with content: it cannot be replaced.
    QVERIFY(QFile::remove(dir.path(PrivatePath)));
    QVERIFY(QDir().mkpath(dir.path(PrivatePath + QStringLiteral("/keep"))));
    QVERIFY(!writer.save());
    QVERIFY(QFileInfo(dir.path(PrivatePath + QStringLiteral("/keep"))).isDir());
    // No temporary file is left behind.
    QCOMPARE(QDir(dir.path(QStringLiteral("dictionary"))).entryList(QDir::Files | QDir::Hidden),
             QStringList());
}

void KelvoXmlDictWriterTest::saveIntoReadOnlyFolderKeepsOldFile() {
    KelvoTestDir dir;
    QVERIFY(dir.isValid());
    useLanguages();
    dir.write(PrivatePath, EmptyDictionary);
    KelvoXmlDictWriter writer;
    QVERIFY(writer.appendItem(QStringLiteral("w"), englishOnly(QStringLiteral("w")), -1));

    const QString folder = dir.path(QStringLiteral("dictionary"));
    const auto writable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    QFile probe(folder + QStringLiteral("/probe"));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QFile::setPermissions(folder, writable);
        QSKIP("file permissions do not bind this user");
    }
    const bool saved = writer.save();
    QFile::setPermissions(folder, writable);
    QVERIFY(!saved);
    QCOMPARE(dir.read(PrivatePath), EmptyDictionary);
}

void KelvoXmlDictWriterTest::saveKeepsPermissionsAndLinks() {
    KelvoTestDir dir;
    QVERIFY(dir.isValid());
    useLanguages();
    dir.write(QStringLiteral("dictionary/real.xml"), EmptyDictionary);
    QVERIFY(QFile::link(QStringLiteral("real.xml"), dir.path(PrivatePath)));
    const QFile::Permissions permissions =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    QVERIFY(QFile::setPermissions(dir.path(QStringLiteral("dictionary/real.xml")), permissions));

    KelvoXmlDictWriter writer;
    QVERIFY(writer.appendItem(QStringLiteral("w"), englishOnly(QStringLiteral("w")), -1));
    QVERIFY(writer.save());

    QVERIFY(QFileInfo(dir.path(PrivatePath)).isSymLink());
    const QFileInfo real(dir.path(QStringLiteral("dictionary/real.xml")));
    QCOMPARE(real.permissions() & ~(QFile::ReadUser | QFile::WriteUser), permissions);
    QVERIFY(dir.read(QStringLiteral("dictionary/real.xml")).contains("<en_P>w</en_P>"));
}

void KelvoXmlDictWriterTest::pathWithoutKelvoDir() {
    KelvoTestDir dir;
    QVERIFY(dir.isValid());
    useLanguages();
    dir.write(PrivatePath, EmptyDictionary);
    qunsetenv("KELVO_DIR");
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.root()));
    {
        KelvoXmlDictWriter writer;
        QCOMPARE(writer.filePath(), PrivatePath);
        QVERIFY(writer.appendItem(QStringLiteral("w"), englishOnly(QStringLiteral("w")), -1));
        QVERIFY(writer.save());
    }
    QDir::setCurrent(previous);
    QVERIFY(dir.read(PrivatePath).contains("<DictItem id=\"1\">w\n"));
}

// libxml2's global state is released when the last writer goes, not under a living one.
void KelvoXmlDictWriterTest::writersShareTheLibrary() {
    KelvoTestDir dir;
    QVERIFY(dir.isValid());
    useLanguages();
    dir.write(PrivatePath, EmptyDictionary);
    auto first = std::make_unique<KelvoXmlDictWriter>();
    KelvoXmlDictWriter second;
    first.reset();
    QVERIFY(second.appendItem(QStringLiteral("é"), englishOnly(QStringLiteral("é")), -1));
    QVERIFY(second.save());
    KelvoXmlDictWriter third;
    QVERIFY(third.isLoaded());
    QVERIFY(dir.read(PrivatePath).contains("<en_P>é</en_P>"));
}

QTEST_GUILESS_MAIN(KelvoXmlDictWriterTest)
#include "kelvoxmldictwriter_test.moc"
