// The private-dictionary writer: what appending writes, byte for byte, and how saving fails; and
// the delivered main dictionary, read through the readers and written back through the writer.
#include "kelvoconfig.h"
#include "kelvotestdir.h"
#include "kelvoxmldictwriter.h"
#include "kelvoxmlparser.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

namespace {

const QByteArray Declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
const QByteArray EmptyDictionary = Declaration + "<kelvoDictionary>\n\n</kelvoDictionary>\n";
const QString Folder = QStringLiteral("dictionary");
const QString MainPath = QStringLiteral("dictionary/kelvoDict.xml");
const QString PrivatePath = QStringLiteral("dictionary/kelvoDictPriv.xml");

QByteArray dictionaryWith(const QByteArray& items) {
    return Declaration + "<kelvoDictionary>\n\n" + items + "</kelvoDictionary>\n";
}

// A stored item without translations, with an id attribute when one is given.
QByteArray item(const char* id = nullptr) {
    const QByteArray attribute = id ? QByteArray(" id=\"") + id + '"' : QByteArray();
    return "<DictItem" + attribute + ">a\n</DictItem>\n\n";
}

// Appends an item `word` with the English term `word` and the next id.
bool appendW(KelvoXmlDictWriter& writer, const QString& word = QStringLiteral("w")) {
    return writer.appendItem(word, {{0, {word, {}}}}, -1);
}

struct DeliveredItem {
    int id = -1;
    QString codedWord;
};

// A file of the delivered data.
QByteArray delivered(const QString& relative) {
    return KelvoTestDir::readFile(qEnvironmentVariable("KELVO_SOURCE_DATA") + relative);
}

// The items of a dictionary, found independently of the readers under test.
QList<DeliveredItem> itemsOf(const QByteArray& document) {
    QList<DeliveredItem> items;
    QXmlStreamReader reader(document);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement ||
            reader.name() != QLatin1String("DictItem"))
            continue;
        DeliveredItem item;
        item.id = reader.attributes().value(QLatin1String("id")).toInt();
        if (reader.readNext() == QXmlStreamReader::Characters)
            item.codedWord = reader.text().toString().chopped(1);
        items.append(item);
    }
    return reader.hasError() ? QList<DeliveredItem>() : items;
}

} // namespace

// Every test starts with languages en, fr, es, de at indices 0..3 and an empty private
// dictionary.
class KelvoXmlDictWriterTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_dir = std::make_unique<KelvoTestDir>();
        KelvoTestDir::setLanguages();
        m_dir->write(PrivatePath, EmptyDictionary);
        KelvoTestDir::writeFuzzSeed("fuzz_dictionary", QStringLiteral("empty.xml"),
                                    EmptyDictionary);
    }

    void cleanup() { m_dir.reset(); }

    void appendedId_data() {
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
    }

    // Languages in list order with their secondary terms; indices that name no language are left
    // out. Nothing is written before saving.
    void appendedId() {
        QFETCH(QByteArray, items);
        QFETCH(int, id);
        QFETCH(QByteArray, written);

        m_dir->write(PrivatePath, dictionaryWith(items));
        {
            KelvoXmlDictWriter writer;
            QVERIFY(writer.isLoaded());
            const QMap<int, TheS_DictEntries> house{{3, {"Haus", {}}},
                                                    {9, {"not a language", {}}},
                                                    {0, {"house", {"home", "dwelling"}}},
                                                    {-1, {"not a language either", {}}}};
            QVERIFY(writer.appendItem(QStringLiteral("house"), house, id));
            QCOMPARE(m_dir->read(PrivatePath), dictionaryWith(items));
            QVERIFY(writer.save());
        }
        const QByteArray expected = dictionaryWith(
            items + "<DictItem" + written +
            ">house\n<en><en_P>house</en_P><en_S>home</en_S><en_S>dwelling</en_S></en>\n"
            "<de><de_P>Haus</de_P></de>\n</DictItem>\n\n");
        QCOMPARE(m_dir->read(PrivatePath), expected);
        KelvoTestDir::writeFuzzSeed("fuzz_dictionary", QStringLiteral("appended.xml"), expected);
    }

    void textsAreKeptIntact() {
        // "<" and ">" cannot be part of a coded word (references use them as brackets), but of
        // terms.
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
            QMap<int, TheS_DictEntries> translations{{0, {english, {withControls}}},
                                                     {1, {french, {}}}};
            QVERIFY(writer.appendItem(word, translations, -2));
            QVERIFY(writer.save());
        }

        QVERIFY(reader.lookup(reference, term, item));
        const QMap<int, TheS_DictEntries> kept{{0, {english, {QStringLiteral("az")}}},
                                               {1, {french, {}}}};
        QCOMPARE(item.translations, kept);
    }

    void unusableDictionaryIsReported_data() {
        QTest::addColumn<QByteArray>("content"); // null = no file

        QTest::newRow("missing") << QByteArray();
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("malformed") << QByteArray("<kelvoDictionary>\n\n<DictItem>");
        // Not read at all: the test file is sparse.
        QTest::newRow("over the size limit") << QByteArray("oversized");
    }

    // The writer names the file and the reason and never writes the file back.
    void unusableDictionaryIsReported() {
        QFETCH(QByteArray, content);
        const QString path = m_dir->path(PrivatePath);
        if (content.isNull())
            QVERIFY(QFile::remove(path));
        else if (content == "oversized")
            m_dir->writeOversized(PrivatePath);
        else
            m_dir->write(PrivatePath, content);
        const qint64 size = QFileInfo(path).size();
        const QDateTime modified = QFileInfo(path).lastModified();

        KelvoXmlDictWriter writer;
        QVERIFY(!writer.isLoaded());
        QCOMPARE(writer.filePath(), path);
        QVERIFY(writer.problem().startsWith(path + QStringLiteral(": ")));
        QVERIFY(!appendW(writer));
        QVERIFY(!writer.save());
        const QFileInfo after(path);
        QCOMPARE(after.exists(), !content.isNull());
        QCOMPARE(after.size(), size);
        QCOMPARE(after.lastModified(), modified);
    }

    // The author's dictionary keeps growing past a few MiB, and both readings find what was added.
    void largeDictionaryGrows() {
        int items = 0;
        m_dir->write(PrivatePath, KelvoTestDir::largeDictionary(6 * 1024 * 1024, items));
        {
            KelvoXmlDictWriter writer;
            QVERIFY2(writer.isLoaded(), qPrintable(writer.problem()));
            QVERIFY(writer.problem().isEmpty());
            QVERIFY(appendW(writer));
            QVERIFY(writer.save());
        }
        for (const auto reading :
             {KelvoXmlParser::Reading::Cached, KelvoXmlParser::Reading::Fresh}) {
            QString term;
            TheS_DictItem found;
            const KelvoXmlParser reader(reading);
            QVERIFY(reader.lookup(QStringLiteral("<_ID %1><w>w").arg(items + 1), term, found));
            QCOMPARE(found.translations.value(0).primary, QStringLiteral("w"));
        }
    }

    void saveOverFolderFails() {
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

    // Saving keeps the link and the file's permissions. libxml2's global state is released when
    // the last writer goes, not under a living one.
    void saveKeepsPermissionsAndLinks() {
        const QString realPath = QStringLiteral("dictionary/real.xml");
        QVERIFY(QFile::rename(m_dir->path(PrivatePath), m_dir->path(realPath)));
        QVERIFY(QFile::link(QStringLiteral("real.xml"), m_dir->path(PrivatePath)));
        const QFile::Permissions permissions =
            QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
        QVERIFY(QFile::setPermissions(m_dir->path(realPath), permissions));

        auto first = std::make_unique<KelvoXmlDictWriter>();
        KelvoXmlDictWriter second;
        first.reset();
        QVERIFY(appendW(second, QStringLiteral("é")));
        QVERIFY(second.save());
        KelvoXmlDictWriter third;
        QVERIFY(third.isLoaded());

        QVERIFY(QFileInfo(m_dir->path(PrivatePath)).isSymLink());
        const QFileInfo real(m_dir->path(realPath));
        QCOMPARE(real.permissions() & ~(QFile::ReadUser | QFile::WriteUser), permissions);
        QVERIFY(m_dir->read(realPath).contains("<en_P>é</en_P>"));
    }

    // Without KELVO_DIR the writer and the readers meet at one file: a new one in dictionary/,
    // or the one in the current folder once there is one.
    void pathWithoutKelvoDir() {
        QVERIFY(m_dir->enterWithoutKelvoDir());
        for (const QString& path : {PrivatePath, QStringLiteral("kelvoDictPriv.xml")}) {
            if (path != PrivatePath)
                m_dir->write(path, EmptyDictionary);
            {
                KelvoXmlDictWriter writer;
                QCOMPARE(writer.filePath(), path);
                QVERIFY(appendW(writer));
                QVERIFY(writer.save());
            }
            QVERIFY(m_dir->read(path).contains("<DictItem id=\"1\">w\n"));
            QString term;
            TheS_DictItem found;
            QVERIFY(KelvoXmlParser().lookup(QStringLiteral("<_ID 1><w>w"), term, found));
        }
    }

    // Every delivered item is unique and resolves by id and by word alike, in all delivered
    // languages, with its coded word as the English term. The writer saves the main dictionary
    // unchanged, and the items appended in order to the delivered empty private dictionary give the
    // main dictionary byte for byte.
    void deliveredDictionary() {
        const QByteArray mainDictionary = delivered(MainPath);
        KelvoTestDir::resetProcessState(); // the delivered language list, not the test's
        m_dir->write(MainPath, mainDictionary);
        m_dir->write(PrivatePath, delivered(PrivatePath));
        m_dir->write(QStringLiteral("kelvoLanguages_en.xml"),
                     delivered(QStringLiteral("kelvoLanguages_en.xml")));
        const QList<DeliveredItem> items = itemsOf(mainDictionary);
        QVERIFY2(items.size() >= 300, qPrintable(QString::number(items.size())));
        {
            const KelvoXmlDictWriter main(KelvoXmlParser::MainDictionary);
            QVERIFY(main.isLoaded());
            QVERIFY(main.save());
            KelvoXmlDictWriter writer;
            QVERIFY(writer.isLoaded());
            QCOMPARE(KelvoConfig::languages().size(), 6);
            QSet<int> ids;
            QSet<QString> words;
            for (const DeliveredItem& source : items) {
                const QString label =
                    QStringLiteral("id %1 (%2)").arg(source.id).arg(source.codedWord);
                QVERIFY2(!ids.contains(source.id) && !words.contains(source.codedWord),
                         qPrintable(label + QStringLiteral(" is not unique")));
                ids.insert(source.id);
                words.insert(source.codedWord);

                QString term;
                TheS_DictItem item, byWord;
                // The reference a picture stores for the item.
                const QString reference = QStringLiteral("<_ID %1><%2>t").arg(source.id);
                QVERIFY2(writer.lookup(reference.arg(source.codedWord), term, item),
                         qPrintable(label));
                QVERIFY2(writer.lookup(QLatin1Char('<') + source.codedWord + QLatin1String(">t"),
                                       term, byWord) &&
                             byWord == item,
                         qPrintable(label));
                QCOMPARE(item.translations.keys(), (QList<int>{0, 1, 2, 3, 4, 5}));
                for (const TheS_DictEntries& entries : std::as_const(item.translations)) {
                    QVERIFY2(!entries.primary.isEmpty() &&
                                 entries.primary.trimmed() == entries.primary,
                             qPrintable(label));
                }
                QVERIFY2(
                    item.translations.value(0).primary == source.codedWord,
                    qPrintable(label + QStringLiteral(": coded word is not the English term")));
                QVERIFY(writer.appendItem(item.codedWord, item.translations, source.id));
            }
            QVERIFY(writer.save());
        }
        // Compared line by line, so that a failure shows where the files part.
        QCOMPARE(m_dir->read(MainPath).split('\n'), mainDictionary.split('\n'));
        QCOMPARE(m_dir->read(PrivatePath).split('\n'), mainDictionary.split('\n'));
    }

private:
    std::unique_ptr<KelvoTestDir> m_dir;
};

QTEST_GUILESS_MAIN(KelvoXmlDictWriterTest)
#include "kelvoxmldictwriter_test.moc"
