// Configuration and language files read through the real parsers from a temporary KELVO_DIR.
#include "kelvoconfig.h"
#include "kelvotestdir.h"
#include "kelvoxmlconfigfileparser.h"
#include "kelvoxmllanguagefileparser.h"
#include "kelvoxmlparser.h"

#include <QDir>
#include <QtTest>

namespace {

const QByteArray ConfigDe = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                            "<kelvoConfig>\n  <language>de</language>\n</kelvoConfig>\n";
const QByteArray LanguagesEn = "<languages>\n"
                               "<language>English<tag>en</tag></language>\n"
                               "<language>German<tag>de</tag></language>\n"
                               "</languages>\n";
const QByteArray LanguagesDe = "<languages>\n"
                               "<language>Englisch<tag>en</tag></language>\n"
                               "<language>Deutsch<tag>de</tag></language>\n"
                               "</languages>\n";

// "tag=name" pairs of the current list, for readable comparisons.
QStringList languageList() {
    QStringList result;
    for (const TheS_Language& language : KelvoConfig::languages())
        result.append(language.tag + QLatin1Char('=') + language.name);
    return result;
}

void loadConfigAndLanguages() {
    const KelvoXmlConfigFileParser config;
    const KelvoXmlLanguageFileParser languages;
}

} // namespace

class KelvoConfigTest : public QObject {
    Q_OBJECT

private slots:
    void uiLanguageChoosesLanguageFile_data();
    void uiLanguageChoosesLanguageFile();
    void languageFileRules_data();
    void languageFileRules();
    void filesInCurrentFolderWithoutKelvoDir();
    void secondParserDoesNotReread();
    void languageIndexAndTag();
};

void KelvoConfigTest::uiLanguageChoosesLanguageFile_data() {
    QTest::addColumn<QByteArray>("config"); // empty = no file
    QTest::addColumn<QString>("uiLanguage");
    QTest::addColumn<QStringList>("languages");

    const QStringList english{QStringLiteral("en=English"), QStringLiteral("de=German")};
    const QStringList german{QStringLiteral("en=Englisch"), QStringLiteral("de=Deutsch")};
    QTest::newRow("de") << ConfigDe << "de" << german;
    QTest::newRow("no configuration") << QByteArray() << "en" << english;
    QTest::newRow("element names in capitals")
        << QByteArray("<CONFIG><LANGUAGE>de</LANGUAGE></CONFIG>") << "de" << german;
    QTest::newRow("mixed case") << QByteArray("<c><Language>de</Language></c>") << "de" << german;
    QTest::newRow("malformed keeps en")
        << QByteArray("<c><language>de</language>") << "en" << english;
    QTest::newRow("no language element") << QByteArray("<c><lang>de</lang></c>") << "en" << english;
    QTest::newRow("text after a child of language is not taken")
        << QByteArray("<c><language>de<x/>fr</language></c>") << "de" << german;
    QTest::newRow("later language element wins")
        << QByteArray("<c><language>fr</language><language>de</language></c>") << "de" << german;
    QTest::newRow("unknown language gives an empty list")
        << QByteArray("<c><language>fr</language></c>") << "fr" << QStringList();
}

void KelvoConfigTest::uiLanguageChoosesLanguageFile() {
    QFETCH(QByteArray, config);
    QFETCH(QString, uiLanguage);
    QFETCH(QStringList, languages);

    KelvoTestDir dir;
    QVERIFY(dir.isValid());
    if (!config.isEmpty())
        dir.write(QStringLiteral("kelvoConfig.xml"), config);
    dir.write(QStringLiteral("kelvoLanguages_en.xml"), LanguagesEn);
    dir.write(QStringLiteral("kelvoLanguages_de.xml"), LanguagesDe);
    KelvoTestDir::writeFuzzSeed("fuzz_config", QStringLiteral("languages_de.xml"), LanguagesDe);
    KelvoTestDir::writeFuzzSeed("fuzz_config", QStringLiteral("config_de.xml"), ConfigDe);

    loadConfigAndLanguages();
    QCOMPARE(KelvoConfig::uiLanguage(), uiLanguage);
    QCOMPARE(languageList(), languages);
}

void KelvoConfigTest::languageFileRules_data() {
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QStringList>("languages");

    QTest::newRow("language without tag takes the previous tag")
        << QByteArray("<l><language>English<tag>en</tag></language>"
                      "<language>Klingon</language></l>")
        << QStringList{QStringLiteral("en=English"), QStringLiteral("en=Klingon")};
    QTest::newRow("capitals") << QByteArray("<L><LANGUAGE>Dutch<TAG>nl</TAG></LANGUAGE></L>")
                              << QStringList{QStringLiteral("nl=Dutch")};
    QTest::newRow("whitespace after the tag becomes the name")
        << QByteArray("<l><language>French<tag>fr</tag>\n</language></l>")
        << QStringList{QStringLiteral("fr=\n")};
    QTest::newRow("tag before name") << QByteArray("<l><language><tag>es</tag></language></l>")
                                     << QStringList{QStringLiteral("es=")};
    QTest::newRow("malformed gives an empty list")
        << QByteArray("<l><language>English<tag>en</tag></language>") << QStringList();
    QTest::newRow("too deep gives an empty list")
        << QByteArray("<l><language>English<tag>en</tag></language>") +
               QByteArray("<x>").repeated(100) + QByteArray("</x>").repeated(100) +
               QByteArray("</l>")
        << QStringList();
}

void KelvoConfigTest::languageFileRules() {
    QFETCH(QByteArray, document);
    QFETCH(QStringList, languages);

    KelvoTestDir dir;
    QVERIFY(dir.isValid());
    dir.write(QStringLiteral("kelvoLanguages_en.xml"), document);
    loadConfigAndLanguages();
    QCOMPARE(languageList(), languages);
}

void KelvoConfigTest::filesInCurrentFolderWithoutKelvoDir() {
    KelvoTestDir dir;
    QVERIFY(dir.isValid());
    dir.write(QStringLiteral("kelvoConfig.xml"), ConfigDe);
    dir.write(QStringLiteral("kelvoLanguages_de.xml"), LanguagesDe);
    qunsetenv("KELVO_DIR");
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.root()));

    loadConfigAndLanguages();
    QDir::setCurrent(previous);
    QCOMPARE(KelvoConfig::uiLanguage(), QStringLiteral("de"));
    QCOMPARE(languageList(),
             (QStringList{QStringLiteral("en=Englisch"), QStringLiteral("de=Deutsch")}));
}

void KelvoConfigTest::secondParserDoesNotReread() {
    KelvoTestDir dir;
    QVERIFY(dir.isValid());
    dir.write(QStringLiteral("kelvoLanguages_en.xml"), LanguagesEn);
    loadConfigAndLanguages(); // no configuration file yet: the attempt still counts
    const KelvoXmlParser firstDictionaryUser;

    dir.write(QStringLiteral("kelvoConfig.xml"), ConfigDe);
    dir.write(QStringLiteral("kelvoLanguages_en.xml"),
              "<l><language>Other<tag>xx</tag></language></l>");
    loadConfigAndLanguages();
    const KelvoXmlParser secondDictionaryUser;

    QCOMPARE(KelvoConfig::uiLanguage(), QStringLiteral("en"));
    QCOMPARE(languageList(),
             (QStringList{QStringLiteral("en=English"), QStringLiteral("de=German")}));
}

void KelvoConfigTest::languageIndexAndTag() {
    KelvoTestDir dir;
    KelvoTestDir::setLanguages({QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("en")});

    QCOMPARE(KelvoXmlParser::languageIndex(QStringLiteral("en")), 0);
    QCOMPARE(KelvoXmlParser::languageIndex(QStringLiteral("de")), 1);
    QCOMPARE(KelvoXmlParser::languageIndex(QStringLiteral("DE")), -1);
    QString tag = QStringLiteral("unchanged");
    QVERIFY(KelvoXmlParser::languageTag(1, tag));
    QCOMPARE(tag, QStringLiteral("de"));
    QVERIFY(!KelvoXmlParser::languageTag(3, tag));
    QVERIFY(!KelvoXmlParser::languageTag(-1, tag));
    QCOMPARE(tag, QStringLiteral("de"));
}

QTEST_GUILESS_MAIN(KelvoConfigTest)
#include "kelvoconfig_test.moc"
