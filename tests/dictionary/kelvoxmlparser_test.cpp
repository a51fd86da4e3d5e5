// The configuration, the language list and the dictionaries read through the real parsers from
// a temporary KELVO_DIR, the current folder and the delivered data. Lookups and searches are
// answered both from the parsed-file cache and from a fresh read.
#include "kelvoconfig.h"
#include "kelvodictreference.h"
#include "kelvosaxreader.h"
#include "kelvotestdir.h"
#include "kelvoxmlconfigfileparser.h"
#include "kelvoxmllanguagefileparser.h"
#include "kelvoxmlparser.h"

#include <QFile>
#include <QLocale>
#include <QtTest>

#include <memory>

using Reading = KelvoXmlParser::Reading;

namespace {

const QByteArray MainDictionary =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kelvoDictionary>\n\n"
    "<DictItem id=\"1\">house\n<en><en_P>house</en_P><en_S>home</en_S><en_S>building</en_S></en>\n"
    "<de><de_P>Haus</de_P></de>\n<xx><xx_P>not a listed language</xx_P></xx>\n</DictItem>\n\n"
    "<DictItem id=\"2\">dog\n<en><en_P>dog</en_P></en>\n<de><de_P>Hund</de_P></de>\n</DictItem>\n\n"
    "<DictItem id=\"12\">tree\n<en><en_P>tree</en_P></en>\n<fr><fr_P>arbre</fr_P></fr>\n"
    "</DictItem>\n\n"
    "<DictItem>cat\n<en><en_P>cat</en_P></en>\n<de><de_P>Katze</de_P></de>\n</DictItem>\n\n"
    "<DictItem id=\"13\">building\n<xx><xx_P>xprim</xx_P><xx_S>xsec</xx_S></xx>\n"
    "<de><de_S>Gebaeude</de_S></de>\n</DictItem>\n\n"
    "</kelvoDictionary>\n";
const QByteArray PrivateDictionary =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kelvoDictionary>\n\n"
    "<DictItem id=\"2\">bird\n<en><en_P>bird</en_P></en>\n</DictItem>\n\n"
    "<DictItem id=\"40\">dog\n<en><en_P>hound</en_P></en>\n</DictItem>\n\n"
    "<DictItem id=\"41\">mouse\n<en><en_P>mouse</en_P></en>\n<de><de_P>Maus</de_P></de>\n"
    "</DictItem>\n\n"
    "</kelvoDictionary>\n";

const QString MainName = KelvoXmlParser::MainDictionary;
const QString PrivateName = KelvoXmlParser::PrivateDictionary;
const QString MainPath = QStringLiteral("dictionary/") + MainName;
const QString PrivatePath = QStringLiteral("dictionary/") + PrivateName;
const QString Disagreement = QStringLiteral("readings differ: ");
const QString HouseItem = QStringLiteral("house 0:house|home,building 3:Haus");

const QByteArray ConfigDe = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                            "<kelvoConfig>\n  <language>de</language>\n</kelvoConfig>\n";
const QByteArray LanguagesEn = "<languages><language>English<tag>en</tag></language>"
                               "<language>German<tag>de</tag></language></languages>";
const QByteArray LanguagesDe = "<languages><language>Englisch<tag>en</tag></language>"
                               "<language>Deutsch<tag>de</tag></language></languages>";
const QStringList EnglishNames{"en=English", "de=German"};
const QStringList GermanNames{"en=Englisch", "de=Deutsch"};

void loadConfigAndLanguages() {
    const KelvoXmlConfigFileParser config;
    const KelvoXmlLanguageFileParser languages;
}

// Asks a cached and a fresh parser the same. A lookup answers the coded word, then
// " index:primary|secondary,..." per language; a miss answers "none" followed by whatever it
// still left in the item (nothing, as it should). A search answers "codedWord id", or "none"
// when nothing is found and the outputs are untouched. When the readings disagree, the answer
// starts with Disagreement and shows both.
class Answers {
public:
    QString lookup(const QString& reference) const {
        return agreed(lookupIn(m_cached, reference), lookupIn(m_fresh, reference));
    }
    QString search(const QString& fileName, const QString& term, int language) const {
        return agreed(searchIn(m_cached, fileName, term, language),
                      searchIn(m_fresh, fileName, term, language));
    }

private:
    static QString lookupIn(const KelvoXmlParser& parser, const QString& reference) {
        QString term;
        TheS_DictItem item;
        QString answer = parser.lookup(reference, term, item)
                             ? item.codedWord
                             : QStringLiteral("none") + item.codedWord;
        for (auto it = item.translations.constBegin(); it != item.translations.constEnd(); ++it) {
            answer += QStringLiteral(" %1:").arg(it.key()) + it->primary;
            if (!it->secondaries.isEmpty())
                answer += QLatin1Char('|') + it->secondaries.join(QLatin1Char(','));
        }
        return term == KelvoDictReference::parse(reference).term ? answer
                                                                 : QStringLiteral("term not set");
    }
    static QString searchIn(const KelvoXmlParser& parser, const QString& fileName,
                            const QString& term, int language) {
        QString word = QStringLiteral("untouched");
        int id = -7;
        if (parser.search(fileName, term, language, word, id))
            return word + QLatin1Char(' ') + QString::number(id);
        return word == QLatin1String("untouched") && id == -7 ? QStringLiteral("none")
                                                              : QStringLiteral("none, set");
    }
    static QString agreed(const QString& cached, const QString& fresh) {
        return cached == fresh ? cached : Disagreement + cached + QLatin1String(" / ") + fresh;
    }

    KelvoXmlParser m_cached{Reading::Cached};
    KelvoXmlParser m_fresh{Reading::Fresh};
};

// Sets the file's modification time to base + seconds so that a rewrite is seen as a change
// independently of the file system's time resolution.
void touch(const QString& path, const QDateTime& base, int seconds) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(base.addSecs(seconds), QFileDevice::FileModificationTime));
}

} // namespace

// Every test starts with languages en, fr, es, de at indices 0..3 and both dictionaries above;
// the configuration and language tests make their own folders.
class KelvoXmlParserTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_dir = std::make_unique<KelvoTestDir>();
        KelvoTestDir::setLanguages();
        m_dir->write(MainPath, MainDictionary);
        m_dir->write(PrivatePath, PrivateDictionary);
    }

    void cleanup() { m_dir.reset(); }

    void uiLanguageChoosesLanguageFile_data() {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<QString>("uiLanguage");
        QTest::addColumn<QStringList>("languages");

        // A configuration naming "de" and none at all: KelvoTranslationsTest.
        QTest::newRow("element names in any case")
            << QByteArray("<CONFIG><Language>de</Language></CONFIG>") << "de" << GermanNames;
        QTest::newRow("malformed keeps en")
            << QByteArray("<c><language>de</language>") << "en" << EnglishNames;
        QTest::newRow("no language element")
            << QByteArray("<c><lang>de</lang></c>") << "en" << EnglishNames;
        QTest::newRow("text after a child of language is not taken")
            << QByteArray("<c><language>de<x/>fr</language></c>") << "de" << GermanNames;
        QTest::newRow("later language element wins")
            << QByteArray("<c><language>fr</language><language>de</language></c>") << "de"
            << GermanNames;
        QTest::newRow("unknown language gives an empty list")
            << QByteArray("<c><language>fr</language></c>") << "fr" << QStringList();
    }

    void uiLanguageChoosesLanguageFile() {
        QFETCH(QByteArray, config);

        KelvoTestDir dir;
        dir.write(QStringLiteral("kelvoConfig.xml"), config);
        dir.write(QStringLiteral("kelvoLanguages_en.xml"), LanguagesEn);
        dir.write(QStringLiteral("kelvoLanguages_de.xml"), LanguagesDe);
        KelvoTestDir::writeFuzzSeed("fuzz_config", QStringLiteral("languages_de.xml"), LanguagesDe);
        KelvoTestDir::writeFuzzSeed("fuzz_config", QStringLiteral("config_de.xml"), ConfigDe);

        loadConfigAndLanguages();
        QTEST(KelvoConfig::uiLanguage(), "uiLanguage");
        QTEST(KelvoTestDir::languagePairs(), "languages");
    }

    void languageFileRules_data() {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QStringList>("languages");

        const QByteArray english = "<l><language>English<tag>en</tag></language>";
        QTest::newRow("language without tag takes the previous tag")
            << english + "<language>Klingon</language></l>"
            << QStringList{"en=English", "en=Klingon"};
        QTest::newRow("capitals") << QByteArray("<L><LANGUAGE>Dutch<TAG>nl</TAG></LANGUAGE></L>")
                                  << QStringList{"nl=Dutch"};
        QTest::newRow("whitespace after the tag becomes the name")
            << QByteArray("<l><language>French<tag>fr</tag>\n</language></l>")
            << QStringList{"fr=\n"};
        QTest::newRow("tag before name")
            << QByteArray("<l><language><tag>es</tag></language></l>") << QStringList{"es="};
        QTest::newRow("malformed gives an empty list") << english << QStringList();
        QTest::newRow("too deep gives an empty list")
            << english + QByteArray("<x>").repeated(100) + QByteArray("</x>").repeated(100) + "</l>"
            << QStringList();
    }

    void languageFileRules() {
        QFETCH(QByteArray, document);

        KelvoTestDir dir;
        dir.write(QStringLiteral("kelvoLanguages_en.xml"), document);
        loadConfigAndLanguages();
        QTEST(KelvoTestDir::languagePairs(), "languages");
    }

    void secondParserDoesNotReread() {
        KelvoTestDir dir;
        dir.write(QStringLiteral("kelvoLanguages_en.xml"), LanguagesEn);
        loadConfigAndLanguages(); // no configuration file yet: the attempt still counts
        const KelvoXmlParser firstDictionaryUser;

        dir.write(QStringLiteral("kelvoConfig.xml"), ConfigDe);
        dir.write(QStringLiteral("kelvoLanguages_en.xml"),
                  "<l><language>Other<tag>xx</tag></language></l>");
        loadConfigAndLanguages();
        const KelvoXmlParser secondDictionaryUser;

        QCOMPARE(KelvoConfig::uiLanguage(), QStringLiteral("en"));
        QCOMPARE(KelvoTestDir::languagePairs(), EnglishNames);
    }

    // The delivered files: the configuration names no language and leaves the choice to the
    // locale (C here); each language file names the languages en, fr, es, de, it and nl in its
    // own language. A row named after a language tag chooses that interface language first.
    void deliveredLanguages_data() {
        QTest::addColumn<QString>("names");

        QTest::newRow("as configured") << "English|French|Spanish|German|Italian|Dutch";
        QTest::newRow("de") << "Englisch|Französisch|Spanisch|Deutsch|Italienisch|Niederländisch";
        QTest::newRow("fr") << "Anglais|Français|Espagnol|Allemand|Italien|Néerlandais";
        QTest::newRow("es") << "Inglés|Francés|Español|Alemán|Italiano|Neerlandés";
        QTest::newRow("it") << "Inglese|Francese|Spagnolo|Tedesco|Italiano|Olandese";
        QTest::newRow("nl") << "Engels|Frans|Spaans|Duits|Italiaans|Nederlands";
    }

    void deliveredLanguages() {
        QFETCH(QString, names);
        const QString data = qEnvironmentVariable("KELVO_SOURCE_DATA");
        QVERIFY2(data.endsWith(QLatin1Char('/')), "KELVO_SOURCE_DATA must name data/ with a /");
        qputenv("KELVO_DIR", QFile::encodeName(data));
        KelvoTestDir::resetProcessState();
        QLocale::setDefault(QLocale::c());
        const KelvoXmlConfigFileParser config;
        QCOMPARE(KelvoConfig::uiLanguage(), QStringLiteral("en"));
        const QString uiLanguage = QString::fromLatin1(QTest::currentDataTag());
        if (uiLanguage.size() == 2)
            KelvoConfig::setUiLanguage(uiLanguage);
        const KelvoXmlLanguageFileParser languages;
        QStringList expected = names.split(QLatin1Char('|'));
        const QStringList tags{"en", "fr", "es", "de", "it", "nl"};
        for (qsizetype i = 0; i < expected.size(); ++i)
            expected[i] = tags.value(i) + QLatin1Char('=') + expected[i];
        QCOMPARE(KelvoTestDir::languagePairs(), expected);
        KelvoTestDir::writeFuzzSeed(
            "fuzz_config", QStringLiteral("delivered_config.xml"),
            KelvoTestDir::readFile(data + QStringLiteral("kelvoConfig.xml")));
    }

    void referenceParts_data() {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("parts"); // id|codedWord|term

        QTest::newRow("id, word and term") << "<_ID 12><dog>Hund" << QString("12|dog|Hund");
        QTest::newRow("word and term with spaces")
            << "<big dog>großer Hund" << QString("-1|big dog|großer Hund");
        QTest::newRow("id that is not a number") << "<_ID x><dog>Hund" << QString("0|dog|Hund");
        QTest::newRow("id only") << "<_ID 7>Hund" << QString("7|_ID 7|Hund");
        QTest::newRow("no brackets") << "plain" << QString("-1|plain|plain");
        QTest::newRow("empty term") << "<dog>" << QString("-1|dog|");
        QTest::newRow("unclosed word") << "<dog" << QString("-1|dog|<dog");
    }

    void referenceParts() {
        QFETCH(QString, reference);
        const KelvoDictReference parsed = KelvoDictReference::parse(reference);
        QTEST(QStringLiteral("%1|%2|%3").arg(parsed.id).arg(parsed.codedWord, parsed.term),
              "parts");
    }

    void lookup_data() {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("answer");

        QTest::newRow("by word; unlisted language skipped") << "<house>Haus" << HouseItem;
        QTest::newRow("unlisted language before a listed one")
            << "<_ID 13><building>x" << QString("building 3:|Gebaeude");
        QTest::newRow("id decides, word not compared")
            << "<_ID 12><other>x" << QString("other 0:tree 1:arbre");
        QTest::newRow("unknown id with a known word") << "<_ID 99><house>Haus" << QString("none");
        QTest::newRow("main id hides private id")
            << "<_ID 2><dog>Hund" << QString("dog 0:dog 3:Hund");
        QTest::newRow("main word hides private word") << "<dog>Hund" << QString("dog 0:dog 3:Hund");
        QTest::newRow("private by id") << "<_ID 41><mouse>Maus" << QString("mouse 0:mouse 3:Maus");
        QTest::newRow("item without id by word") << "<cat>Katze" << QString("cat 0:cat 3:Katze");
        QTest::newRow("item without id has no id 0") << "<_ID 0><cat>Katze" << QString("none");
        QTest::newRow("unknown word") << "<unicorn>x" << QString("none");
        QTest::newRow("empty coded word") << "<_ID 1><>x" << QString("none");
    }

    void lookup() {
        QFETCH(QString, reference);
        QTEST(Answers().lookup(reference), "answer");
        KelvoTestDir::writeFuzzSeed("fuzz_dictionary", QStringLiteral("main.xml"), MainDictionary);
        KelvoTestDir::writeFuzzSeed("fuzz_dictionary", QStringLiteral("private.xml"),
                                    PrivateDictionary);
    }

    void search_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("term");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("answer");

        QTest::newRow("capitals find a capitalised primary")
            << MainName << "HAUS" << 3 << "house 1";
        QTest::newRow("secondary term") << MainName << "Home" << 0 << "house 1";
        QTest::newRow("not among another language") << MainName << "haus" << 0 << "none";
        QTest::newRow("item without id reports none") << MainName << "katze" << 3 << "cat -1";
        QTest::newRow("coded word is not a term") << MainName << "dog" << 3 << "none";
        QTest::newRow("private dictionary") << PrivateName << "maus" << 3 << "mouse 41";
        QTest::newRow("language index past the list") << MainName << "house" << 4 << "none";
        QTest::newRow("empty term") << MainName << "" << 0 << "none";
        QTest::newRow("missing file") << QString("absent.xml") << "house" << 0 << "none";
    }

    void search() {
        QFETCH(QString, fileName);
        QFETCH(QString, term);
        QFETCH(int, language);
        QTEST(Answers().search(fileName, term, language), "answer");
    }

    void rejectedMainDictionaryFallsThrough_data() {
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
        QTest::newRow("entity declarations")
            << QByteArray("<!DOCTYPE d [<!ENTITY e \"x\">]>") + MainDictionary.mid(39);
        QTest::newRow("invalid UTF-8")
            << validStart + "<DictItem id=\"5\">\xff\xfe</DictItem></kelvoDictionary>";
        QTest::newRow("unsupported encoding")
            << QByteArray("<?xml version=\"1.0\" encoding=\"bogus\"?>") + MainDictionary.mid(39);
        QTest::newRow("not XML") << QByteArray("\x89PNG\r\n\x1a\n", 8);
        // Not read at all: the test file is sparse.
        QTest::newRow("over the size limit") << QByteArray("oversized");
    }

    // A file that is there and cannot be used is named with its reason; a missing file is no
    // problem.
    void rejectedMainDictionaryFallsThrough() {
        QFETCH(QByteArray, mainDictionary);
        if (mainDictionary.isNull())
            QVERIFY(QFile::remove(m_dir->path(MainPath)));
        else if (mainDictionary == "oversized")
            m_dir->writeOversized(MainPath);
        else
            m_dir->write(MainPath, mainDictionary);

        const Answers answers;
        // The main dictionary's dog would hide the private one if the file counted.
        QCOMPARE(answers.lookup(QStringLiteral("<dog>hound")), QStringLiteral("dog 0:hound"));
        QCOMPARE(answers.search(MainName, QStringLiteral("haus"), 3), QStringLiteral("none"));
        for (const Reading reading : {Reading::Cached, Reading::Fresh}) {
            const QStringList problems = KelvoXmlParser(reading).problems();
            QCOMPARE(problems.size(), mainDictionary.isNull() ? 0 : 1);
            QVERIFY(problems.isEmpty() ||
                    problems[0].startsWith(m_dir->path(MainPath) + QStringLiteral(": ")));
        }
    }

    // Without KELVO_DIR every file is read from the current folder; its "dictionary/" folder is
    // not consulted.
    void filesInCurrentFolderWithoutKelvoDir() {
        m_dir->write(QStringLiteral("kelvoConfig.xml"), ConfigDe);
        m_dir->write(QStringLiteral("kelvoLanguages_de.xml"), LanguagesDe);
        m_dir->write(MainName, MainDictionary);
        m_dir->write(PrivateName, PrivateDictionary);
        m_dir->write(MainPath, "<d/>");
        m_dir->write(PrivatePath, "<d/>");
        KelvoTestDir::resetProcessState();
        QVERIFY(m_dir->enterWithoutKelvoDir());

        loadConfigAndLanguages();
        QCOMPARE(KelvoConfig::uiLanguage(), QStringLiteral("de"));
        QCOMPARE(KelvoTestDir::languagePairs(), GermanNames);
        const Answers answers;
        QCOMPARE(answers.lookup(QStringLiteral("<house>Haus")),
                 QStringLiteral("house 0:house|home,building 1:Haus"));
        QCOMPARE(answers.lookup(QStringLiteral("<mouse>Maus")),
                 QStringLiteral("mouse 0:mouse 1:Maus"));
    }

    void changedFileIsReadAgain() {
        const QString path = m_dir->path(MainPath);
        const QDateTime base = QFileInfo(path).lastModified();
        const Answers answers;
        QCOMPARE(answers.lookup(QStringLiteral("<dog>Hund")), QStringLiteral("dog 0:dog 3:Hund"));

        // Same size, later time.
        QByteArray changed = MainDictionary;
        changed.replace("<de_P>Hund</de_P>", "<de_P>Welp</de_P>");
        QCOMPARE(changed.size(), MainDictionary.size());
        m_dir->write(MainPath, changed);
        touch(path, base, 10);
        QCOMPARE(answers.lookup(QStringLiteral("<dog>Hund")), QStringLiteral("dog 0:dog 3:Welp"));

        // Other size, same time as before.
        changed.replace("<de_P>Welp</de_P>", "<de_P>Köter</de_P><de_S>Hund</de_S>");
        m_dir->write(MainPath, changed);
        touch(path, base, 10);
        QCOMPARE(answers.lookup(QStringLiteral("<dog>Hund")),
                 QStringLiteral("dog 0:dog 3:Köter|Hund"));
        QCOMPARE(answers.search(MainName, QStringLiteral("köter"), 3), QStringLiteral("dog 2"));

        // Removed: nothing is served from memory.
        QVERIFY(QFile::remove(path));
        QCOMPARE(answers.lookup(QStringLiteral("<house>Haus")), QStringLiteral("none"));

        // Made again as a document full of irregular structure, where the first match, the
        // element that character data belongs to and the end of an item are easy to get wrong. It
        // is also a seed of the fuzz_dictionary harness, which checks that the cached and fresh
        // readings agree on its words, ids and terms.
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
        m_dir->write(MainPath, irregular);
        KelvoTestDir::writeFuzzSeed("fuzz_dictionary", QStringLiteral("irregular.xml"), irregular);

        // Some answers spelled out, so that both readings going wrong alike cannot pass.
        const QList<QPair<QString, QString>> expected{
            {"<_ID 5><w>t", "w 0:one|uno 3:zwei"}, // first item with the id; a repeated language
            {"<beta>t", "beta 0:second five"},
            {"<gamma>t", "gamma 0:g"},           // text directly in a language element is no term
            {"<_ID 6><gamma>t", "none"},         // the id is the first attribute
            {"<lone>t", "lone"},                 // found, without translations
            {"<after>t", "after 0:inner 1:raw"}, // text after an item's end belongs to that item
            {"<delta>t", "delta 0:inner 1:raw"}, // the first part of split text is the word
            {"<epsilon>t",
             "epsilon 0:inner 1:raw"}, // ...and so is the last; the inner item ends it
            {"<_ID 8><w>t", "w 0:inner"},
            {"<eta>t", "eta 0:|only secondary 2: "}, // "\n" skipped, " " kept
        };
        for (const auto& [reference, answer] : expected)
            QCOMPARE(answers.lookup(reference), answer);
        QCOMPARE(answers.search(MainName, QStringLiteral("Shadowed"), 0),
                 QStringLiteral("alpha -1"));
        QCOMPARE(answers.search(MainName, QStringLiteral("outside any item"), 0),
                 QStringLiteral("zeta 8"));
        QCOMPARE(answers.search(MainName, QStringLiteral("no word"), 0),
                 QStringLiteral(" 10")); // no coded word
    }

private:
    std::unique_ptr<KelvoTestDir> m_dir;
};

QTEST_GUILESS_MAIN(KelvoXmlParserTest)
#include "kelvoxmlparser_test.moc"
