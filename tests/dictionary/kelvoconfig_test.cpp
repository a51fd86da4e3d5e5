// Configuration and language files read through the real parsers from a temporary KELVO_DIR.
#include "kelvoconfig.h"
#include "kelvotestdir.h"
#include "kelvoxmlconfigfileparser.h"
#include "kelvoxmllanguagefileparser.h"
#include "kelvoxmlparser.h"

#include <QtTest>

namespace {

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
};

void KelvoConfigTest::uiLanguageChoosesLanguageFile_data() {
    QTest::addColumn<QByteArray>("config"); // empty = no file
    QTest::addColumn<QString>("uiLanguage");
    QTest::addColumn<QStringList>("languages");

    QTest::newRow("de") << ConfigDe << "de" << GermanNames;
    QTest::newRow("no configuration") << QByteArray() << "en" << EnglishNames;
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

void KelvoConfigTest::uiLanguageChoosesLanguageFile() {
    QFETCH(QByteArray, config);

    KelvoTestDir dir;
    if (!config.isEmpty())
        dir.write(QStringLiteral("kelvoConfig.xml"), config);
    dir.write(QStringLiteral("kelvoLanguages_en.xml"), LanguagesEn);
    dir.write(QStringLiteral("kelvoLanguages_de.xml"), LanguagesDe);
    KelvoTestDir::writeFuzzSeed("fuzz_config", QStringLiteral("languages_de.xml"), LanguagesDe);
    KelvoTestDir::writeFuzzSeed("fuzz_config", QStringLiteral("config_de.xml"), ConfigDe);

    loadConfigAndLanguages();
    QTEST(KelvoConfig::uiLanguage(), "uiLanguage");
    QTEST(KelvoTestDir::languagePairs(), "languages");
}

void KelvoConfigTest::languageFileRules_data() {
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QStringList>("languages");

    const QByteArray english = "<l><language>English<tag>en</tag></language>";
    QTest::newRow("language without tag takes the previous tag")
        << english + "<language>Klingon</language></l>" << QStringList{"en=English", "en=Klingon"};
    QTest::newRow("capitals") << QByteArray("<L><LANGUAGE>Dutch<TAG>nl</TAG></LANGUAGE></L>")
                              << QStringList{"nl=Dutch"};
    QTest::newRow("whitespace after the tag becomes the name")
        << QByteArray("<l><language>French<tag>fr</tag>\n</language></l>") << QStringList{"fr=\n"};
    QTest::newRow("tag before name")
        << QByteArray("<l><language><tag>es</tag></language></l>") << QStringList{"es="};
    QTest::newRow("malformed gives an empty list") << english << QStringList();
    QTest::newRow("too deep gives an empty list")
        << english + QByteArray("<x>").repeated(100) + QByteArray("</x>").repeated(100) + "</l>"
        << QStringList();
}

void KelvoConfigTest::languageFileRules() {
    QFETCH(QByteArray, document);

    KelvoTestDir dir;
    dir.write(QStringLiteral("kelvoLanguages_en.xml"), document);
    loadConfigAndLanguages();
    QTEST(KelvoTestDir::languagePairs(), "languages");
}

void KelvoConfigTest::filesInCurrentFolderWithoutKelvoDir() {
    KelvoTestDir dir;
    dir.write(QStringLiteral("kelvoConfig.xml"), ConfigDe);
    dir.write(QStringLiteral("kelvoLanguages_de.xml"), LanguagesDe);
    QVERIFY(dir.enterWithoutKelvoDir());

    loadConfigAndLanguages();
    QCOMPARE(KelvoConfig::uiLanguage(), QStringLiteral("de"));
    QCOMPARE(KelvoTestDir::languagePairs(), GermanNames);
}

void KelvoConfigTest::secondParserDoesNotReread() {
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

QTEST_GUILESS_MAIN(KelvoConfigTest)
#include "kelvoconfig_test.moc"
