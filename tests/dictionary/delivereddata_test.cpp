// The delivered configuration, language and dictionary files, read through the real readers
// and written back through the private-dictionary writer.
#include "kelvoconfig.h"
#include "kelvotestdir.h"
#include "kelvoxmlconfigfileparser.h"
#include "kelvoxmldictwriter.h"
#include "kelvoxmllanguagefileparser.h"
#include "kelvoxmlparser.h"

#include <QFile>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

constexpr int DeliveredLanguages = 6;

struct DeliveredItem {
    int id = -1;
    QString codedWord;
};

// The delivered source data folder, ending in "/".
QString sourceData() {
    return qEnvironmentVariable("KELVO_SOURCE_DATA");
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

QStringList tagsAndNames() {
    QStringList result;
    for (const TheS_Language& language : KelvoConfig::languages())
        result.append(language.tag + QLatin1Char('=') + language.name);
    return result;
}

} // namespace

class DeliveredDataTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void configurationAndLanguages();
    void germanLanguageNames();
    void everyItemResolvesInEveryLanguage();
    void writerSavesTheMainDictionaryUnchanged();
    void appendingToThePrivateDictionaryRebuildsTheMainOne();

private:
    QByteArray m_mainDictionary;
};

void DeliveredDataTest::init() {
    QVERIFY2(sourceData().endsWith(QLatin1Char('/')), "KELVO_SOURCE_DATA must name data/ with a /");
    KelvoTestDir::resetProcessState();
    qputenv("KELVO_DIR", QFile::encodeName(sourceData()));
    m_mainDictionary = readFile(sourceData() + QStringLiteral("dictionary/kelvoDict.xml"));
    QVERIFY(!m_mainDictionary.isEmpty());
}

void DeliveredDataTest::cleanup() {
    qunsetenv("KELVO_DIR");
    KelvoTestDir::resetProcessState();
}

void DeliveredDataTest::configurationAndLanguages() {
    const KelvoXmlConfigFileParser config;
    const KelvoXmlLanguageFileParser languages;
    QCOMPARE(KelvoConfig::uiLanguage(), QStringLiteral("en"));
    QCOMPARE(tagsAndNames(), (QStringList{"en=English", "fr=French", "es=Spanish", "de=German",
                                          "it=Italian", "nl=Dutch"}));
    KelvoTestDir::writeFuzzSeed("fuzz_config", QStringLiteral("delivered_config.xml"),
                                readFile(sourceData() + QStringLiteral("kelvoConfig.xml")));
}

void DeliveredDataTest::germanLanguageNames() {
    KelvoConfig::setUiLanguage(QStringLiteral("de"));
    const KelvoXmlLanguageFileParser languages;
    QCOMPARE(tagsAndNames(), (QStringList{"en=Englisch", "fr=Französisch", "es=Spanisch",
                                          "de=Deutsch", "it=Italienisch", "nl=Niederländisch"}));
}

void DeliveredDataTest::everyItemResolvesInEveryLanguage() {
    const QList<DeliveredItem> items = itemsOf(m_mainDictionary);
    QVERIFY2(items.size() >= 300, qPrintable(QString::number(items.size())));
    const KelvoXmlParser parser;
    QCOMPARE(KelvoConfig::languages().size(), DeliveredLanguages);

    QSet<int> ids;
    QSet<QString> words;
    for (const DeliveredItem& delivered : items) {
        const QString label =
            QStringLiteral("id %1 (%2)").arg(delivered.id).arg(delivered.codedWord);
        QVERIFY2(!ids.contains(delivered.id) && !words.contains(delivered.codedWord),
                 qPrintable(label + QStringLiteral(" is not unique")));
        ids.insert(delivered.id);
        words.insert(delivered.codedWord);

        QString term;
        TheS_DictItem byId, byWord;
        QVERIFY2(parser.lookup(
                     QStringLiteral("<_ID %1><%2>t").arg(delivered.id).arg(delivered.codedWord),
                     term, byId),
                 qPrintable(label));
        QVERIFY2(parser.lookup(QLatin1Char('<') + delivered.codedWord + QLatin1String(">t"), term,
                               byWord),
                 qPrintable(label));
        QVERIFY2(byId == byWord, qPrintable(label));
        QCOMPARE(byId.translations.keys(), (QList<int>{0, 1, 2, 3, 4, 5}));
        for (const TheS_DictEntries& entries : std::as_const(byId.translations)) {
            QVERIFY2(!entries.primary.isEmpty() && entries.primary.trimmed() == entries.primary,
                     qPrintable(label));
        }
        QVERIFY2(byId.translations.value(0).primary == delivered.codedWord,
                 qPrintable(label + QStringLiteral(": coded word is not the English term")));
    }
}

void DeliveredDataTest::writerSavesTheMainDictionaryUnchanged() {
    KelvoTestDir dir;
    QVERIFY(dir.isValid());
    dir.write(QStringLiteral("dictionary/kelvoDict.xml"), m_mainDictionary);
    {
        const KelvoXmlDictWriter writer(QStringLiteral("kelvoDict.xml"));
        QVERIFY(writer.isLoaded());
        QVERIFY(writer.save());
    }
    QVERIFY(dir.read(QStringLiteral("dictionary/kelvoDict.xml")) == m_mainDictionary);
}

// Every delivered item, appended in order to the delivered empty private dictionary, gives the
// delivered main dictionary byte for byte.
void DeliveredDataTest::appendingToThePrivateDictionaryRebuildsTheMainOne() {
    KelvoTestDir dir;
    QVERIFY(dir.isValid());
    dir.write(QStringLiteral("dictionary/kelvoDict.xml"), m_mainDictionary);
    dir.write(QStringLiteral("dictionary/kelvoDictPriv.xml"),
              readFile(sourceData() + QStringLiteral("dictionary/kelvoDictPriv.xml")));
    KelvoConfig::setUiLanguage(QStringLiteral("en"));
    dir.write(QStringLiteral("kelvoLanguages_en.xml"),
              readFile(sourceData() + QStringLiteral("kelvoLanguages_en.xml")));
    {
        KelvoXmlDictWriter writer;
        QVERIFY(writer.isLoaded());
        for (const DeliveredItem& delivered : itemsOf(m_mainDictionary)) {
            QString term;
            TheS_DictItem item;
            QVERIFY(writer.lookup(
                QStringLiteral("<_ID %1><%2>t").arg(delivered.id).arg(delivered.codedWord), term,
                item));
            QVERIFY(writer.appendItem(item.codedWord, item.translations, delivered.id));
        }
        QVERIFY(writer.save());
    }
    const QByteArray rebuilt = dir.read(QStringLiteral("dictionary/kelvoDictPriv.xml"));
    if (rebuilt != m_mainDictionary) {
        const qsizetype at = std::mismatch(rebuilt.begin(), rebuilt.end(), m_mainDictionary.begin(),
                                           m_mainDictionary.end())
                                 .first -
                             rebuilt.begin();
        QFAIL(qPrintable(QStringLiteral("differs at byte %1: delivered \"%2\", written \"%3\"")
                             .arg(at)
                             .arg(QString::fromUtf8(m_mainDictionary.mid(at, 60)))
                             .arg(QString::fromUtf8(rebuilt.mid(at, 60)))));
    }
}

QTEST_GUILESS_MAIN(DeliveredDataTest)
#include "delivereddata_test.moc"
