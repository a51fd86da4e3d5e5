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
const QString Folder = QStringLiteral("dictionary");
const QString PrivatePath = QStringLiteral("dictionary/kelvoDictPriv.xml");

QByteArray dictionaryWith(const QByteArray& items) {
    return Declaration + "<kelvoDictionary>\n\n" + items + "</kelvoDictionary>\n";
}

// A stored item without translations, with an id attribute when one is given.
QByteArray item(const char* id = nullptr) {
    const QByteArray attribute = id ? QByteArray(" id=\"") + id + '"' : QByteArray();
    return "<DictItem" + attribute + ">a\n</DictItem>\n\n";
}

QMap<int, TheS_DictEntries> englishOnly(const QString& term) {
    return {{0, {term, {}}}};
}

// Appends an item "w" with the English term "w" and the next id.
bool appendW(KelvoXmlDictWriter& writer) {
    return writer.appendItem(QStringLiteral("w"), englishOnly(QStringLiteral("w")), -1);
}

} // namespace

// Every test starts with languages en, fr, es, de at indices 0..3 and an empty private
// dictionary.
class KelvoXmlDictWriterTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_dir.reset(); }
    void appendedId_data();
    void appendedId();
    void appendedLayout();
    void textsAreKeptIntact();
    void unusableDictionaryIsReported_data();
    void unusableDictionaryIsReported();
    void oversizedDictionaryIsNotLoaded();
    void largeDictionaryGrows();
    void saveOverFolderFails();
    void saveWithoutTemporaryFileKeepsOldFile();
    void saveKeepsPermissionsAndLinks();
    void pathWithoutKelvoDir();
    void writersShareTheLibrary();

private:
    std::unique_ptr<KelvoTestDir> m_dir;
};

void KelvoXmlDictWriterTest::init() {
    m_dir = std::make_unique<KelvoTestDir>();
    KelvoTestDir::setLanguages();
    m_dir->write(PrivatePath, EmptyDictionary);
}

void KelvoXmlDictWriterTest::appendedId_data() {
    QTest::addColumn<QByteArray>("items");
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("written"); // the new item's id attribute

    QTest::newRow("-1 after 41") << item("41") << -1 << QByteArray(" id=\"42\"");
    QTest::newRow("-1 without items") << QByteArray() << -1 << QByteArray(" id=\"1\"");
    QTest::newRow("-1 skips an item without id")
        << item("41") + item() << -1 << QByteArray(" id=\"42\"");
    QTest::newRow("-1 after a non-numeric id") << item("x") << -1 << QByteArray(" id=\"1\"");
    QTest::newRow("-1 takes the nearest, not the largest")
        << item("90") + item("3") << -1 << QByteArray(" id=\"4\"");
    QTest::newRow("-1 after the largest id")
        << item("2147483647") << -1 << QByteArray(" id=\"2147483648\"");
    QTest::newRow("given") << item("41") << 7 << QByteArray(" id=\"7\"");
    QTest::newRow("given 0") << item("41") << 0 << QByteArray(" id=\"0\"");
    QTest::newRow("-2 writes no id") << item("41") << -2 << QByteArray();
}

void KelvoXmlDictWriterTest::appendedId() {
    QFETCH(QByteArray, items);
    QFETCH(int, id);
    QFETCH(QByteArray, written);

    m_dir->write(PrivatePath, dictionaryWith(items));
    {
        KelvoXmlDictWriter writer;
        QVERIFY(writer.isLoaded());
        QVERIFY(writer.appendItem(QStringLiteral("w"), englishOnly(QStringLiteral("w")), id));
        QVERIFY(writer.save());
    }
    QCOMPARE(m_dir->read(PrivatePath),
             dictionaryWith(items + "<DictItem" + written +
                            ">w\n<en><en_P>w</en_P></en>\n</DictItem>\n\n"));
}

void KelvoXmlDictWriterTest::appendedLayout() {
    KelvoTestDir::writeFuzzSeed("fuzz_dictionary", QStringLiteral("empty.xml"), EmptyDictionary);
    KelvoXmlDictWriter writer;
    const QMap<int, TheS_DictEntries> house{{3, {"Haus", {}}},
                                            {9, {"not a language", {}}},
                                            {0, {"house", {"home", "dwelling"}}},
                                            {-1, {"not a language either", {}}}};
    QVERIFY(writer.appendItem(QStringLiteral("house"), house, 5));
    QVERIFY(writer.appendItem(QStringLiteral("tree"), englishOnly(QStringLiteral("tree")), -1));
    QCOMPARE(m_dir->read(PrivatePath), EmptyDictionary); // nothing written before saving
    QVERIFY(writer.save());

    const QByteArray expected =
        dictionaryWith("<DictItem id=\"5\">house\n"
                       "<en><en_P>house</en_P><en_S>home</en_S><en_S>dwelling</en_S></en>\n"
                       "<de><de_P>Haus</de_P></de>\n"
                       "</DictItem>\n\n"
                       "<DictItem id=\"6\">tree\n<en><en_P>tree</en_P></en>\n</DictItem>\n\n");
    QCOMPARE(m_dir->read(PrivatePath), expected);
    KelvoTestDir::writeFuzzSeed("fuzz_dictionary", QStringLiteral("appended.xml"), expected);
}

void KelvoXmlDictWriterTest::textsAreKeptIntact() {
    // "<" and ">" cannot be part of a coded word (references use them as brackets), but of terms.
    const QString word = QStringLiteral("salt & pepper \"x\"");
    const QString reference = QLatin1Char('<') + word + QLatin1String(">t");
    const QString english = QStringLiteral("salt & pepper <mild>");
    const QString french = QStringLiteral("sel & poivre — doux 🌶");
    const QString withControls = QStringLiteral("a\x01z\x1f") + QChar(0xFFFE);

    const KelvoXmlParser reader; // reads the file before and after the append
    QString term;
    TheS_DictItem item;
    QVERIFY(!reader.lookup(reference, term, item));
    {
        KelvoXmlDictWriter writer;
        QMap<int, TheS_DictEntries> translations{{0, {english, {withControls}}}, {1, {french, {}}}};
        QVERIFY(writer.appendItem(word, translations, -2));
        QVERIFY(writer.save());
    }

    QVERIFY(reader.lookup(reference, term, item));
    const QMap<int, TheS_DictEntries> kept{{0, {english, {QStringLiteral("az")}}},
                                           {1, {french, {}}}};
    QCOMPARE(item.translations, kept);
}

void KelvoXmlDictWriterTest::unusableDictionaryIsReported_data() {
    QTest::addColumn<QByteArray>("content"); // null = no file

    QTest::newRow("missing") << QByteArray();
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("malformed") << QByteArray("<kelvoDictionary>\n\n<DictItem>");
}

void KelvoXmlDictWriterTest::unusableDictionaryIsReported() {
    QFETCH(QByteArray, content);
    if (content.isNull())
        QVERIFY(QFile::remove(m_dir->path(PrivatePath)));
    else
        m_dir->write(PrivatePath, content);

    KelvoXmlDictWriter writer;
    QVERIFY(!writer.isLoaded());
    QCOMPARE(writer.filePath(), m_dir->path(PrivatePath));
    QVERIFY(writer.problem().startsWith(m_dir->path(PrivatePath) + QStringLiteral(": ")));
    QVERIFY(!appendW(writer));
    QVERIFY(!writer.save());
    QCOMPARE(QFile::exists(m_dir->path(PrivatePath)), !content.isNull());
    QCOMPARE(m_dir->read(PrivatePath), content.isNull() ? QByteArray() : content);
}

// Over the limit the file is not read (the test file is sparse), so it is never written back.
void KelvoXmlDictWriterTest::oversizedDictionaryIsNotLoaded() {
    const QString path = m_dir->writeOversized(PrivatePath);
    const QDateTime modified = QFileInfo(path).lastModified();

    KelvoXmlDictWriter writer;
    QVERIFY(!writer.isLoaded());
    QCOMPARE(writer.problem(),
             path + QStringLiteral(": larger than the limit of 256 MiB; not loaded"));
    QVERIFY(!appendW(writer));
    QVERIFY(!writer.save());
    QCOMPARE(QFileInfo(path).size(), KelvoSaxReader::MaxFileSize + 1);
    QCOMPARE(QFileInfo(path).lastModified(), modified);
}

// The author's dictionary keeps growing past a few MiB, and the readers find what was added.
void KelvoXmlDictWriterTest::largeDictionaryGrows() {
    int items = 0;
    m_dir->write(PrivatePath, KelvoTestDir::largeDictionary(6 * 1024 * 1024, items));
    {
        KelvoXmlDictWriter writer;
        QVERIFY2(writer.isLoaded(), qPrintable(writer.problem()));
        QVERIFY(writer.problem().isEmpty());
        QVERIFY(appendW(writer));
        QVERIFY(writer.save());
    }
    QString term;
    TheS_DictItem found;
    QVERIFY(KelvoXmlParser().lookup(QStringLiteral("<_ID %1><w>w").arg(items + 1), term, found));
    QCOMPARE(found.translations.value(0).primary, QStringLiteral("w"));
}

void KelvoXmlDictWriterTest::saveOverFolderFails() {
    KelvoXmlDictWriter writer;
    QVERIFY(appendW(writer));

    // The target has become a folder with content: it cannot be replaced.
    QVERIFY(QFile::remove(m_dir->path(PrivatePath)));
    QVERIFY(QDir().mkpath(m_dir->path(PrivatePath + QStringLiteral("/keep"))));
    QVERIFY(!writer.save());
    QVERIFY(QFileInfo(m_dir->path(PrivatePath + QStringLiteral("/keep"))).isDir());
    // No temporary file is left behind.
    QCOMPARE(QDir(m_dir->path(Folder)).entryList(QDir::Files | QDir::Hidden), QStringList());
}

// The dictionary is a link; after loading it is pointed into a "folder" that is a file, where
// no temporary file can be made, whoever runs the test.
void KelvoXmlDictWriterTest::saveWithoutTemporaryFileKeepsOldFile() {
    const QString realPath = QStringLiteral("dictionary/real.xml");
    QVERIFY(QFile::rename(m_dir->path(PrivatePath), m_dir->path(realPath)));
    QVERIFY(QFile::link(QStringLiteral("real.xml"), m_dir->path(PrivatePath)));
    KelvoXmlDictWriter writer;
    QVERIFY(appendW(writer));

    m_dir->write(QStringLiteral("dictionary/plain"), "not a folder");
    QVERIFY(QFile::remove(m_dir->path(PrivatePath)));
    QVERIFY(QFile::link(QStringLiteral("plain/real.xml"), m_dir->path(PrivatePath)));
    QVERIFY(!writer.save());
    QCOMPARE(m_dir->read(realPath), EmptyDictionary);
    QCOMPARE(QDir(m_dir->path(Folder)).entryList(QDir::Files | QDir::Hidden),
             QStringList({"plain", "real.xml"}));
}

void KelvoXmlDictWriterTest::saveKeepsPermissionsAndLinks() {
    const QString realPath = QStringLiteral("dictionary/real.xml");
    QVERIFY(QFile::rename(m_dir->path(PrivatePath), m_dir->path(realPath)));
    QVERIFY(QFile::link(QStringLiteral("real.xml"), m_dir->path(PrivatePath)));
    const QFile::Permissions permissions =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    QVERIFY(QFile::setPermissions(m_dir->path(realPath), permissions));

    KelvoXmlDictWriter writer;
    QVERIFY(appendW(writer));
    QVERIFY(writer.save());

    QVERIFY(QFileInfo(m_dir->path(PrivatePath)).isSymLink());
    const QFileInfo real(m_dir->path(realPath));
    QCOMPARE(real.permissions() & ~(QFile::ReadUser | QFile::WriteUser), permissions);
    QVERIFY(m_dir->read(realPath).contains("<en_P>w</en_P>"));
}

void KelvoXmlDictWriterTest::pathWithoutKelvoDir() {
    QVERIFY(m_dir->enterWithoutKelvoDir());
    {
        KelvoXmlDictWriter writer;
        QCOMPARE(writer.filePath(), PrivatePath);
        QVERIFY(appendW(writer));
        QVERIFY(writer.save());
    }
    QVERIFY(m_dir->read(PrivatePath).contains("<DictItem id=\"1\">w\n"));
}

// libxml2's global state is released when the last writer goes, not under a living one.
void KelvoXmlDictWriterTest::writersShareTheLibrary() {
    auto first = std::make_unique<KelvoXmlDictWriter>();
    KelvoXmlDictWriter second;
    first.reset();
    QVERIFY(second.appendItem(QStringLiteral("é"), englishOnly(QStringLiteral("é")), -1));
    QVERIFY(second.save());
    KelvoXmlDictWriter third;
    QVERIFY(third.isLoaded());
    QVERIFY(m_dir->read(PrivatePath).contains("<en_P>é</en_P>"));
}

QTEST_GUILESS_MAIN(KelvoXmlDictWriterTest)
#include "kelvoxmldictwriter_test.moc"
