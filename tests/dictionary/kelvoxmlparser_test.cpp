// Lookup and search through KelvoXmlParser over dictionary files in a temporary KELVO_DIR,
// read both from the parsed-file cache and afresh.
#include "kelvodictionarycache.h"
#include "kelvodictreference.h"
#include "kelvosaxreader.h"
#include "kelvotestdir.h"
#include "kelvoxmlparser.h"

#include <QFile>
#include <QtTest>

using Reading = KelvoXmlParser::Reading;
Q_DECLARE_METATYPE(KelvoXmlParser::Reading)

namespace {

const QByteArray MainDictionary =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<kelvoDictionary>\n\n"
    "<DictItem id=\"1\">house\n"
    "<en><en_P>house</en_P><en_S>home</en_S><en_S>building</en_S></en>\n"
    "<de><de_P>Haus</de_P></de>\n"
    "<xx><xx_P>not a listed language</xx_P></xx>\n"
    "</DictItem>\n\n"
    "<DictItem id=\"2\">dog\n"
    "<en><en_P>dog</en_P></en>\n"
    "<de><de_P>Hund</de_P></de>\n"
    "</DictItem>\n\n"
    "<DictItem id=\"12\">tree\n"
    "<en><en_P>tree</en_P></en>\n"
    "<fr><fr_P>arbre</fr_P></fr>\n"
    "</DictItem>\n\n"
    "<DictItem>cat\n"
    "<en><en_P>cat</en_P></en>\n"
    "<de><de_P>Katze</de_P></de>\n"
    "</DictItem>\n\n"
    "</kelvoDictionary>\n";

const QByteArray PrivateDictionary = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                     "<kelvoDictionary>\n\n"
                                     "<DictItem id=\"2\">bird\n"
                                     "<en><en_P>bird</en_P></en>\n"
                                     "</DictItem>\n\n"
                                     "<DictItem id=\"40\">dog\n"
                                     "<en><en_P>hound</en_P></en>\n"
                                     "</DictItem>\n\n"
                                     "<DictItem id=\"41\">mouse\n"
                                     "<en><en_P>mouse</en_P></en>\n"
                                     "<de><de_P>Maus</de_P></de>\n"
                                     "</DictItem>\n\n"
                                     "</kelvoDictionary>\n";

const QString MainName = KelvoXmlParser::MainDictionary;
const QString PrivateName = KelvoXmlParser::PrivateDictionary;

QString dictPath(const QString& name) {
    return QStringLiteral("dictionary/") + name;
}

// en, fr, es, de at indices 0..3.
void useLanguages() {
    KelvoTestDir::setLanguages(
        {QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("es"), QStringLiteral("de")});
}

// "index:primary|secondary,secondary;..." for compact expectations.
QString describe(const TheS_DictItem& item) {
    QStringList parts;
    for (auto it = item.translations.constBegin(); it != item.translations.constEnd(); ++it) {
        QString part = QString::number(it.key()) + QLatin1Char(':') + it->primary;
        if (!it->secondaries.isEmpty())
            part += QLatin1Char('|') + it->secondaries.join(QLatin1Char(','));
        parts.append(part);
    }
    return parts.join(QLatin1Char(';'));
}

void addForBothReadings(const char* name, const QString& reference, bool found,
                        const QString& codedWord, const QString& translations) {
    for (const Reading reading : {Reading::Cached, Reading::Fresh}) {
        const QByteArray row =
            QByteArray(name) + (reading == Reading::Cached ? " (cached)" : " (fresh)");
        QTest::newRow(row.constData())
            << reading << reference << found << codedWord << translations;
    }
}

// Sets the file's modification time to base + seconds so that a rewrite is seen as a change
// independently of the file system's time resolution.
void touch(const QString& path, const QDateTime& base, int seconds) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(base.addSecs(seconds), QFileDevice::FileModificationTime));
}

} // namespace

class KelvoXmlParserTest : public QObject {
    Q_OBJECT

private slots:
    void referenceParts_data();
    void referenceParts();
    void lookup_data();
    void lookup();
    void search_data();
    void search();
    void rejectedMainDictionaryFallsThrough_data();
    void rejectedMainDictionaryFallsThrough();
    void dictionariesInCurrentFolderWithoutKelvoDir();
    void changedFileIsReadAgain();
    void cacheGivesWhatAFreshReadGives();
};

void KelvoXmlParserTest::referenceParts_data() {
    QTest::addColumn<QString>("reference");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("codedWord");
    QTest::addColumn<QString>("term");

    QTest::newRow("id, word and term") << "<_ID 12><dog>Hund" << 12 << "dog"
                                       << "Hund";
    QTest::newRow("word and term") << "<dog>Hund" << -1 << "dog"
                                   << "Hund";
    QTest::newRow("term with spaces") << "<big dog>großer Hund" << -1 << "big dog"
                                      << "großer Hund";
    QTest::newRow("id that is not a number") << "<_ID x><dog>Hund" << 0 << "dog"
                                             << "Hund";
    QTest::newRow("id only") << "<_ID 7>Hund" << 7 << "_ID 7"
                             << "Hund";
    QTest::newRow("no brackets") << "plain" << -1 << "plain"
                                 << "plain";
    QTest::newRow("empty term") << "<dog>" << -1 << "dog"
                                << "";
    QTest::newRow("unclosed word") << "<dog" << -1 << "dog"
                                   << "<dog";
    QTest::newRow("empty") << "" << -1 << ""
                           << "";
}

void KelvoXmlParserTest::referenceParts() {
    QFETCH(QString, reference);
    const KelvoDictReference parsed = KelvoDictReference::parse(reference);
    QTEST(parsed.id, "id");
    QTEST(parsed.codedWord, "codedWord");
    QTEST(parsed.term, "term");
}

void KelvoXmlParserTest::lookup_data() {
    QTest::addColumn<Reading>("reading");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("codedWord");
    QTest::addColumn<QString>("translations");

    addForBothReadings("by word; unlisted language skipped", "<house>Haus", true, "house",
                       "0:house|home,building;3:Haus");
    addForBothReadings("by id", "<_ID 12><tree>arbre", true, "tree", "0:tree;1:arbre");
    addForBothReadings("id decides, word not compared", "<_ID 12><other>x", true, "other",
                       "0:tree;1:arbre");
    addForBothReadings("unknown id with a known word", "<_ID 99><house>Haus", false, "", "");
    addForBothReadings("main id hides private id", "<_ID 2><dog>Hund", true, "dog", "0:dog;3:Hund");
    addForBothReadings("main word hides private word", "<dog>Hund", true, "dog", "0:dog;3:Hund");
    addForBothReadings("private by word", "<mouse>Maus", true, "mouse", "0:mouse;3:Maus");
    addForBothReadings("private by id", "<_ID 41><mouse>Maus", true, "mouse", "0:mouse;3:Maus");
    addForBothReadings("item without id by word", "<cat>Katze", true, "cat", "0:cat;3:Katze");
    addForBothReadings("item without id has no id 0", "<_ID 0><cat>Katze", false, "", "");
    addForBothReadings("unknown word", "<unicorn>x", false, "", "");
    addForBothReadings("empty coded word", "<_ID 1><>x", false, "", "");
}

void KelvoXmlParserTest::lookup() {
    QFETCH(Reading, reading);
    QFETCH(QString, reference);

    KelvoTestDir dir;
    QVERIFY(dir.isValid());
    useLanguages();
    dir.write(dictPath(MainName), MainDictionary);
    dir.write(dictPath(PrivateName), PrivateDictionary);
    KelvoTestDir::writeFuzzSeed("fuzz_dictionary", QStringLiteral("main.xml"), MainDictionary);
    KelvoTestDir::writeFuzzSeed("fuzz_dictionary", QStringLiteral("private.xml"),
                                PrivateDictionary);

    const KelvoXmlParser parser(reading);
    QString term;
    TheS_DictItem item;
    const bool found = parser.lookup(reference, term, item);
    QTEST(found, "found");
    QTEST(item.codedWord, "codedWord");
    QTEST(describe(item), "translations");
    QCOMPARE(term, KelvoDictReference::parse(reference).term);
}

void KelvoXmlParserTest::search_data() {
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("term");
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("codedWord");
    QTest::addColumn<int>("id");

    QTest::newRow("capitals find a capitalised primary")
        << MainName << "HAUS" << 3 << true << "house" << 1;
    QTest::newRow("secondary term") << MainName << "Home" << 0 << true << "house" << 1;
    QTest::newRow("not among another language") << MainName << "haus" << 0 << false << "" << -1;
    QTest::newRow("later item") << MainName << "ARBRE" << 1 << true << "tree" << 12;
    QTest::newRow("item without id reports none")
        << MainName << "katze" << 3 << true << "cat" << -1;
    QTest::newRow("coded word is not a term") << MainName << "dog" << 3 << false << "" << -1;
    QTest::newRow("private dictionary") << PrivateName << "maus" << 3 << true << "mouse" << 41;
    QTest::newRow("language index past the list") << MainName << "house" << 4 << false << "" << -1;
    QTest::newRow("negative language index") << MainName << "house" << -1 << false << "" << -1;
    QTest::newRow("empty term") << MainName << "" << 0 << false << "" << -1;
    QTest::newRow("missing file") << "absent.xml"
                                  << "house" << 0 << false << "" << -1;
}

void KelvoXmlParserTest::search() {
    QFETCH(QString, fileName);
    QFETCH(QString, term);
    QFETCH(int, language);
    QFETCH(bool, found);
    QFETCH(QString, codedWord);
    QFETCH(int, id);

    KelvoTestDir dir;
    QVERIFY(dir.isValid());
    useLanguages();
    dir.write(dictPath(MainName), MainDictionary);
    dir.write(dictPath(PrivateName), PrivateDictionary);

    for (const Reading reading : {Reading::Cached, Reading::Fresh}) {
        const KelvoXmlParser parser(reading);
        QString foundWord = QStringLiteral("untouched");
        int foundId = -7;
        QCOMPARE(parser.search(fileName, term, language, foundWord, foundId), found);
        QCOMPARE(foundWord, found ? codedWord : QStringLiteral("untouched"));
        QCOMPARE(foundId, found ? id : -7);
    }
}

void KelvoXmlParserTest::rejectedMainDictionaryFallsThrough_data() {
    QTest::addColumn<QByteArray>("mainDictionary"); // null = no file

    const QByteArray validStart =
        MainDictionary.left(MainDictionary.indexOf("<DictItem id=\"12\""));
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("broken after the item") << validStart + "<DictItem id=\"3\">";
    QTest::newRow("text after the root") << MainDictionary + "trailing";
    QTest::newRow("nested too deep")
        << validStart + QByteArray("<x>").repeated(KelvoSaxReader::MaxNestingDepth) +
               QByteArray("</x>").repeated(KelvoSaxReader::MaxNestingDepth) +
               "</kelvoDictionary>\n";
    QTest::newRow("too large") << validStart + QByteArray(int(KelvoSaxReader::MaxFileSize), ' ') +
                                      "</kelvoDictionary>\n";
    QTest::newRow("entity declarations")
        << QByteArray("<!DOCTYPE d [<!ENTITY e \"x\">]>") + MainDictionary.mid(39);
    QTest::newRow("invalid UTF-8")
        << validStart + "<DictItem id=\"5\">\xff\xfe</DictItem></kelvoDictionary>";
    QTest::newRow("unsupported encoding")
        << QByteArray("<?xml version=\"1.0\" encoding=\"bogus\"?>") + MainDictionary.mid(39);
    QTest::newRow("not XML") << QByteArray("\x89PNG\r\n\x1a\n", 8);
}

void KelvoXmlParserTest::rejectedMainDictionaryFallsThrough() {
    QFETCH(QByteArray, mainDictionary);

    KelvoTestDir dir;
    QVERIFY(dir.isValid());
    useLanguages();
    if (!mainDictionary.isNull())
        dir.write(dictPath(MainName), mainDictionary);
    dir.write(dictPath(PrivateName), PrivateDictionary);

    for (const Reading reading : {Reading::Cached, Reading::Fresh}) {
        const KelvoXmlParser parser(reading);
        QString term;
        TheS_DictItem item;
        // The main dictionary's dog would hide the private one if the file counted.
        QVERIFY(parser.lookup(QStringLiteral("<dog>hound"), term, item));
        QCOMPARE(describe(item), QStringLiteral("0:hound"));
        QString word;
        int id = -1;
        QVERIFY(!parser.search(MainName, QStringLiteral("haus"), 3, word, id));
    }
}

void KelvoXmlParserTest::dictionariesInCurrentFolderWithoutKelvoDir() {
    KelvoTestDir dir;
    QVERIFY(dir.isValid());
    useLanguages();
    dir.write(MainName, MainDictionary);
    dir.write(PrivateName, PrivateDictionary);
    dir.write(dictPath(MainName), "<d/>"); // not consulted without KELVO_DIR
    qunsetenv("KELVO_DIR");
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.root()));

    const KelvoXmlParser parser;
    QString term;
    TheS_DictItem item;
    const bool foundMain = parser.lookup(QStringLiteral("<house>Haus"), term, item);
    const bool foundPrivate = parser.lookup(QStringLiteral("<mouse>Maus"), term, item);
    QDir::setCurrent(previous);
    QVERIFY(foundMain);
    QVERIFY(foundPrivate);
}

void KelvoXmlParserTest::changedFileIsReadAgain() {
    KelvoTestDir dir;
    QVERIFY(dir.isValid());
    useLanguages();
    const QString path = dir.path(dictPath(MainName));
    dir.write(dictPath(MainName), MainDictionary);
    const QDateTime base = QFileInfo(path).lastModified();
    const KelvoXmlParser parser;
    QString term;
    TheS_DictItem item;

    QVERIFY(parser.lookup(QStringLiteral("<dog>Hund"), term, item));
    QCOMPARE(describe(item), QStringLiteral("0:dog;3:Hund"));

    // Same size, later time.
    QByteArray changed = MainDictionary;
    changed.replace("<de_P>Hund</de_P>", "<de_P>Welp</de_P>");
    QCOMPARE(changed.size(), MainDictionary.size());
    dir.write(dictPath(MainName), changed);
    touch(path, base, 10);
    QVERIFY(parser.lookup(QStringLiteral("<dog>Hund"), term, item));
    QCOMPARE(describe(item), QStringLiteral("0:dog;3:Welp"));

    // Other size, same time as before.
    changed.replace("<de_P>Welp</de_P>", "<de_P>Köter</de_P><de_S>Hund</de_S>");
    dir.write(dictPath(MainName), changed);
    touch(path, base, 10);
    QVERIFY(parser.lookup(QStringLiteral("<dog>Hund"), term, item));
    QCOMPARE(describe(item), QStringLiteral("0:dog;3:Köter|Hund"));
    QString word;
    int id = 0;
    QVERIFY(parser.search(MainName, QStringLiteral("köter"), 3, word, id));
    QCOMPARE(word, QStringLiteral("dog"));

    // Removed: nothing is served from memory.
    QVERIFY(QFile::remove(path));
    QVERIFY(!parser.lookup(QStringLiteral("<house>Haus"), term, item));
}

// A document full of irregular structure, where the first match, the element that character
// data belongs to and the end of an item are easy to get wrong. Every coded word, id and term
// it contains is looked up and searched for both ways.
void KelvoXmlParserTest::cacheGivesWhatAFreshReadGives() {
    const QByteArray irregular =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<d>\n"
        "<DictItem id=\"5\">alpha\n<en><en_P>one</en_P><en_S>uno</en_S></en>\n"
        "<de><de_P>eins</de_P></de><de><de_P>zwei</de_P></de>\n</DictItem>\n\n"
        "<DictItem id=\"5\">beta\n<en><en_P>second five</en_P></en>\n</DictItem>\n"
        "<DictItem name=\"x\" id=\"6\">gamma\n<en>loose<en_P>g</en_P>\n</en></DictItem>\n"
        "<DictItem id=\"20\">lone\n</DictItem>after\n"
        "<DictItem id=\"7\">delta<!-- split -->epsilon\n<fr><fr_P>d</fr_P><![CDATA[raw]]></fr>"
        "<DictItem id=\"8\">zeta\n<en><en_P>inner</en_P></en></DictItem>\n"
        "<en><en_P>after inner</en_P></en></DictItem>\n"
        "<en><en_P>outside any item</en_P></en>\n"
        "<DictItem id=\"x9\">eta\n<en><en_S>only secondary</en_S></en><es_x>t</es_x>\n"
        "<es><es_P>\n</es_P><es_S></es_S><es_P> </es_P></es></DictItem>\n"
        "<DictItem>alpha\n<en><en_P>shadowed</en_P></en></DictItem>\n"
        "<DictItem id=\"10\"><en><en_P>no word</en_P></en></DictItem>\n"
        "</d>\n";
    KelvoTestDir dir;
    QVERIFY(dir.isValid());
    useLanguages();
    dir.write(dictPath(MainName), irregular);
    dir.write(dictPath(PrivateName), PrivateDictionary);
    KelvoTestDir::writeFuzzSeed("fuzz_dictionary", QStringLiteral("irregular.xml"), irregular);

    QStringList references;
    const QStringList words{"alpha", "beta", "gamma", "lone", "after", "delta", "epsilon",
                            "zeta",  "eta",  "\n",    "",     "mouse", "dog",   "unknown"};
    for (const QString& word : words)
        references.append(QLatin1Char('<') + word + QLatin1String(">t"));
    for (int id = -1; id <= 21; ++id)
        references.append(QStringLiteral("<_ID %1><w>t").arg(id));
    const QStringList terms{"ONE",
                            "uno",
                            "eins",
                            "zwei",
                            "second five",
                            "loose",
                            "g",
                            "d",
                            "raw",
                            "inner",
                            "after inner",
                            "outside any item",
                            "only secondary",
                            "t",
                            " ",
                            "\n",
                            "shadowed",
                            "no word",
                            "hound"};

    const KelvoXmlParser cached(Reading::Cached);
    const KelvoXmlParser fresh(Reading::Fresh);
    for (const QString& reference : references) {
        QString cachedTerm, freshTerm;
        TheS_DictItem cachedItem, freshItem;
        const bool cachedFound = cached.lookup(reference, cachedTerm, cachedItem);
        QCOMPARE(cachedFound, fresh.lookup(reference, freshTerm, freshItem));
        QCOMPARE(cachedItem.codedWord, freshItem.codedWord);
        QCOMPARE(describe(cachedItem), describe(freshItem));
    }
    for (const QString& term : terms) {
        for (int language = 0; language < 4; ++language) {
            QString cachedWord, freshWord;
            int cachedId = -2, freshId = -2;
            QCOMPARE(cached.search(MainName, term, language, cachedWord, cachedId),
                     fresh.search(MainName, term, language, freshWord, freshId));
            QCOMPARE(cachedWord, freshWord);
            QCOMPARE(cachedId, freshId);
        }
    }

    // Some results spelled out, so that both readings going wrong alike cannot pass.
    const QList<QPair<QString, QString>> lookups{
        {"<_ID 5><w>t", "0:one|uno;3:zwei"}, // first item with the id; a repeated language
        {"<beta>t", "0:second five"},
        {"<gamma>t", "0:g"},             // text directly in a language element is no term
        {"<lone>t", ""},                 // found, without translations
        {"<after>t", "0:inner;1:raw"},   // text after an item's end belongs to that item
        {"<delta>t", "0:inner;1:raw"},   // the first part of split text is the word
        {"<epsilon>t", "0:inner;1:raw"}, // ...and so is the last; the inner item ends it
        {"<_ID 8><w>t", "0:inner"},
        {"<eta>t", "0:|only secondary;2: "}, // "\n" skipped, " " kept
    };
    for (const auto& [reference, translations] : lookups) {
        QString term;
        TheS_DictItem item;
        QVERIFY2(cached.lookup(reference, term, item), qPrintable(reference));
        QCOMPARE(describe(item), translations);
    }
    QString term;
    TheS_DictItem item;
    QVERIFY(!cached.lookup(QStringLiteral("<_ID 6><gamma>t"), term, item)); // first attribute
    QString word;
    int id = 0;
    QVERIFY(cached.search(MainName, QStringLiteral("Shadowed"), 0, word, id));
    QCOMPARE(word, QStringLiteral("alpha"));
    QCOMPARE(id, -1);
    QVERIFY(cached.search(MainName, QStringLiteral("outside any item"), 0, word, id));
    QCOMPARE(word, QStringLiteral("zeta"));
    QCOMPARE(id, 8);
    QVERIFY(cached.search(MainName, QStringLiteral("no word"), 0, word, id));
    QCOMPARE(word, QString());
    QCOMPARE(id, 10);
}

QTEST_GUILESS_MAIN(KelvoXmlParserTest)
#include "kelvoxmlparser_test.moc"
