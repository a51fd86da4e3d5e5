// The delivered configuration, language and dictionary files, read through the real readers
// and written back through the private-dictionary writer.
#include "kelvoconfig.h"
#include "kelvotestdir.h"
#include "kelvoxmlconfigfileparser.h"
#include "kelvoxmldictwriter.h"
#include "kelvoxmllanguagefileparser.h"
#include "kelvoxmlparser.h"

#include <QFile>
#include <QLocale>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QString MainPath = QStringLiteral("dictionary/kelvoDict.xml");
const QString PrivatePath = QStringLiteral("dictionary/kelvoDictPriv.xml");

struct DeliveredItem {
    int id = -1;
    QString codedWord;
};

// The delivered source data folder, ending in "/".
QString sourceData() {
    return qEnvironmentVariable("KELVO_SOURCE_DATA");
}

QByteArray delivered(const QString& relative) {
    return KelvoTestDir::readFile(sourceData() + relative);
}

// "<_ID id><codedWord>t", the reference a picture stores for the item.
QString referenceTo(const DeliveredItem& item) {
    return QStringLiteral("<_ID %1><%2>t").arg(item.id).arg(item.codedWord);
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

class DeliveredDataTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void languages_data();
    void languages();
    void mainDictionary();

private:
    QByteArray m_mainDictionary;
};

void DeliveredDataTest::init() {
    QVERIFY2(sourceData().endsWith(QLatin1Char('/')), "KELVO_SOURCE_DATA must name data/ with a /");
    KelvoTestDir::resetProcessState();
    qputenv("KELVO_DIR", QFile::encodeName(sourceData()));
    m_mainDictionary = delivered(MainPath);
    QVERIFY(!m_mainDictionary.isEmpty());
}

void DeliveredDataTest::cleanup() {
    qunsetenv("KELVO_DIR");
    KelvoTestDir::resetProcessState();
}

void DeliveredDataTest::languages_data() {
    // Empty: as the delivered configuration sets it, which names none and leaves the choice to
    // the locale (C here).
    QTest::addColumn<QString>("uiLanguage");
    QTest::addColumn<QStringList>("languages");

    QTest::newRow("configured") << QString()
                                << QStringList{"en=English", "fr=French",  "es=Spanish",
                                               "de=German",  "it=Italian", "nl=Dutch"};
    QTest::newRow("de") << QString("de")
                        << QStringList{"en=Englisch", "fr=Französisch", "es=Spanisch",
                                       "de=Deutsch",  "it=Italienisch", "nl=Niederländisch"};
    QTest::newRow("fr") << QString("fr")
                        << QStringList{"en=Anglais",  "fr=Français", "es=Espagnol",
                                       "de=Allemand", "it=Italien",  "nl=Néerlandais"};
    QTest::newRow("es") << QString("es")
                        << QStringList{"en=Inglés", "fr=Francés",  "es=Español",
                                       "de=Alemán", "it=Italiano", "nl=Neerlandés"};
    QTest::newRow("it") << QString("it") << QStringList{"en=Inglese", "fr=Francese", "es=Spagnolo",
                                                        "de=Tedesco", "it=Italiano", "nl=Olandese"};
    QTest::newRow("nl") << QString("nl")
                        << QStringList{"en=Engels", "fr=Frans",     "es=Spaans",
                                       "de=Duits",  "it=Italiaans", "nl=Nederlands"};
}

void DeliveredDataTest::languages() {
    QFETCH(QString, uiLanguage);
    QLocale::setDefault(QLocale::c());
    const KelvoXmlConfigFileParser config;
    QCOMPARE(KelvoConfig::uiLanguage(), QStringLiteral("en"));
    if (!uiLanguage.isEmpty())
        KelvoConfig::setUiLanguage(uiLanguage);
    const KelvoXmlLanguageFileParser languages;
    QTEST(KelvoTestDir::languagePairs(), "languages");
    KelvoTestDir::writeFuzzSeed("fuzz_config", QStringLiteral("delivered_config.xml"),
                                delivered(QStringLiteral("kelvoConfig.xml")));
}

// Every delivered item is unique and resolves by id and by word alike, in all delivered
// languages, with its coded word as the English term. The writer saves the main dictionary
// unchanged, and the items appended in order to the delivered empty private dictionary give the
// main dictionary byte for byte.
void DeliveredDataTest::mainDictionary() {
    KelvoTestDir dir;
    dir.write(MainPath, m_mainDictionary);
    dir.write(PrivatePath, delivered(PrivatePath));
    dir.write(QStringLiteral("kelvoLanguages_en.xml"),
              delivered(QStringLiteral("kelvoLanguages_en.xml")));
    const QList<DeliveredItem> items = itemsOf(m_mainDictionary);
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
            const QString label = QStringLiteral("id %1 (%2)").arg(source.id).arg(source.codedWord);
            QVERIFY2(!ids.contains(source.id) && !words.contains(source.codedWord),
                     qPrintable(label + QStringLiteral(" is not unique")));
            ids.insert(source.id);
            words.insert(source.codedWord);

            QString term;
            TheS_DictItem item, byWord;
            QVERIFY2(writer.lookup(referenceTo(source), term, item), qPrintable(label));
            QVERIFY2(writer.lookup(QLatin1Char('<') + source.codedWord + QLatin1String(">t"), term,
                                   byWord) &&
                         byWord == item,
                     qPrintable(label));
            QCOMPARE(item.translations.keys(), (QList<int>{0, 1, 2, 3, 4, 5}));
            for (const TheS_DictEntries& entries : std::as_const(item.translations)) {
                QVERIFY2(!entries.primary.isEmpty() && entries.primary.trimmed() == entries.primary,
                         qPrintable(label));
            }
            QVERIFY2(item.translations.value(0).primary == source.codedWord,
                     qPrintable(label + QStringLiteral(": coded word is not the English term")));
            QVERIFY(writer.appendItem(item.codedWord, item.translations, source.id));
        }
        QVERIFY(writer.save());
    }
    // Compared line by line, so that a failure shows where the files part.
    QCOMPARE(dir.read(MainPath).split('\n'), m_mainDictionary.split('\n'));
    QCOMPARE(dir.read(PrivatePath).split('\n'), m_mainDictionary.split('\n'));
}

QTEST_GUILESS_MAIN(DeliveredDataTest)
#include "delivereddata_test.moc"
