// The user-interface languages: every translation file is complete and consistent, the built
// messages resolve, and the configuration, or the locale when it names no language, chooses
// what the editor loads.
#include "kelvotestdir.h"
#include "kelvouitranslation.h"

#include <QFile>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QStringList Languages = QStringLiteral(KELVO_LANGUAGES).split(QLatin1Char(','));

struct TsMessage {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
};

QList<TsMessage> readTs(const QString& fileName, QString& error) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        error = fileName + QStringLiteral(": ") + file.errorString();
        return {};
    }
    QList<TsMessage> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            messages.append({context, xml.readElementText(), {}, {}});
        } else if (xml.name() == QLatin1String("translation") && !messages.isEmpty()) {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.last().translation = xml.readElementText();
        }
    }
    if (xml.hasError()) {
        error = fileName + QStringLiteral(": ") + xml.errorString();
    }
    return messages;
}

// What a translation must keep of its source: the placeholders, whether it has an accelerator
// ("&&" is a literal ampersand) and the line breaks.
QString shape(const QString& text) {
    QStringList placeholders;
    const QRegularExpression placeholder(QStringLiteral("%(\\d+)"));
    for (auto it = placeholder.globalMatch(text); it.hasNext();) {
        placeholders.append(it.next().captured(0));
    }
    placeholders.sort();
    QString withoutLiterals = text;
    withoutLiterals.remove(QStringLiteral("&&"));
    return placeholders.join(QLatin1Char(',')) + QStringLiteral(" accelerator ") +
           (withoutLiterals.contains(QLatin1Char('&')) ? QStringLiteral("yes")
                                                       : QStringLiteral("no")) +
           QStringLiteral(" lines %1").arg(text.count(QLatin1Char('\n')));
}

// A KELVO_DIR with the built messages and language files of every language.
void addLanguages(const KelvoTestDir& dir) {
    for (const QString& language : Languages) {
        const QString messages = QStringLiteral("kelvo_") + language + QStringLiteral(".qm");
        dir.write(messages, KelvoTestDir::readFile(QStringLiteral(KELVO_DATA_DIR) + messages));
        const QString list = QStringLiteral("kelvoLanguages_") + language + QStringLiteral(".xml");
        dir.write(list, KelvoTestDir::readFile(qEnvironmentVariable("KELVO_SOURCE_DATA") + list));
    }
}

} // namespace

class KelvoTranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    // The committed files, or the refreshed copy that the test kelvo_translations_current names.
    void everyMessageTranslated_data() {
        QTest::addColumn<QString>("tsFile");
        const QString named = qEnvironmentVariable("KELVO_TS_FILE");
        if (!named.isEmpty()) {
            QTest::newRow("refreshed") << named;
            return;
        }
        for (const QString& language : Languages) {
            QTest::newRow(qPrintable(language))
                << QStringLiteral(KELVO_TS_DIR "kelvo_") + language + QStringLiteral(".ts");
        }
    }

    void everyMessageTranslated() {
        QFETCH(QString, tsFile);
        QString error;
        const QList<TsMessage> messages = readTs(tsFile, error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(messages.size() > 30);
        QStringList faults;
        for (const TsMessage& message : messages) {
            if (message.type == QLatin1String("vanished") ||
                message.type == QLatin1String("obsolete"))
                continue;
            const QString where =
                message.context + QStringLiteral(" \"") + message.source + QStringLiteral("\": ");
            if (message.type == QLatin1String("unfinished") || message.translation.isEmpty()) {
                faults.append(where + QStringLiteral("not translated"));
            } else if (shape(message.translation) != shape(message.source)) {
                faults.append(where + shape(message.source) + QStringLiteral(" but translated ") +
                              shape(message.translation));
            }
        }
        QVERIFY2(faults.isEmpty(),
                 qPrintable(QStringLiteral("run the target "
                                           "kelvo_update_translations, then "
                                           "translate (translations/README.md):\n") +
                            faults.join(QLatin1Char('\n'))));
    }

    // The configuration names `language`; "(none)": there is none, "(delivered)": the delivered
    // one, which names none. Qt's own dialogs follow when Qt's translations are installed.
    void configurationChoosesLanguage_data() {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("fileMenu"); // Italian keeps "&File"
        QTest::addColumn<bool>("loaded");
        const QLocale c = QLocale::c();
        const QLocale dutch(QLocale::Dutch, QLocale::Netherlands);
        QTest::newRow("de") << QByteArray("de") << c << "&Datei" << true;
        QTest::newRow("de among blanks") << QByteArray("\n  de \n") << c << "&Datei" << true;
        QTest::newRow("regional de") << QByteArray("de_AT") << c << "&Datei" << true;
        QTest::newRow("it") << QByteArray("it") << dutch << "&File" << true;
        QTest::newRow("es") << QByteArray("es") << c << "&Archivo" << true;
        QTest::newRow("en before the locale") << QByteArray("en") << dutch << "&File" << false;
        QTest::newRow("untranslated language") << QByteArray("pt") << c << "&File" << false;
        QTest::newRow("none named: locale") << QByteArray() << dutch << "&Bestand" << true;
        QTest::newRow("none named: other locale")
            << QByteArray() << QLocale(QLocale::Portuguese, QLocale::Brazil) << "&File" << false;
        QTest::newRow("no configuration") << QByteArray("(none)") << dutch << "&File" << false;
        QTest::newRow("delivered configuration")
            << QByteArray("(delivered)") << QLocale(QLocale::French, QLocale::France) << "&Fichier"
            << true;
    }

    void configurationChoosesLanguage() {
        QFETCH(QByteArray, language);
        QFETCH(QLocale, locale);
        QFETCH(QString, fileMenu);
        QFETCH(bool, loaded);
        KelvoTestDir dir;
        addLanguages(dir);
        const QString config = QStringLiteral("kelvoConfig.xml");
        if (language == "(delivered)") {
            dir.write(config,
                      KelvoTestDir::readFile(qEnvironmentVariable("KELVO_SOURCE_DATA") + config));
        } else if (language != "(none)") {
            dir.write(config, "<?xml version=\"1.0\"?>\n<kelvoConfig><language>" + language +
                                  "</language></kelvoConfig>\n");
        }
        QLocale::setDefault(locale);
        const KelvoUiTranslation translation;
        QCOMPARE(translation.kelvoLoaded(), loaded);
        QCOMPARE(QCoreApplication::translate("KelvoApp", "&File"), fileMenu);
        const QString qtFrench =
            QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_fr.qm");
        if (locale.language() == QLocale::French && QFile::exists(qtFrench)) {
            QVERIFY(translation.qtLoaded());
            const QString lookIn = QCoreApplication::translate("QFileDialog", "Look in:");
            QVERIFY2(lookIn.startsWith(QLatin1String("Voir dans")), qPrintable(lookIn));
        }
    }
};

QTEST_MAIN(KelvoTranslationsTest)
#include "kelvotranslations_test.moc"
