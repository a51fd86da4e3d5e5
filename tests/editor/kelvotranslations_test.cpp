// The German user interface: the translation file is complete and consistent, the built
// messages resolve, and a configuration naming "de" is what makes the editor load them.
#include "kelvotestdir.h"
#include "kelvouitranslation.h"

#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// The translation file under test: the committed one, or the refreshed copy that the test
// kelvo_translations_current names.
QString tsFile() {
    const QString named = qEnvironmentVariable("KELVO_TS_FILE");
    return named.isEmpty() ? QStringLiteral(KELVO_DE_TS) : named;
}

QString builtQm() {
    return QStringLiteral(KELVO_DATA_DIR "kelvo_de.qm");
}

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

void addConfiguration(const KelvoTestDir& dir, const QByteArray& language) {
    dir.write(QStringLiteral("kelvoConfig.xml"),
              "<?xml version=\"1.0\"?>\n<kelvoConfig><language>" + language +
                  "</language></kelvoConfig>\n");
}

} // namespace

class KelvoTranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void everyMessageTranslated();
    void builtMessagesResolve_data();
    void builtMessagesResolve();
    void configurationChoosesLanguage_data();
    void configurationChoosesLanguage();
};

void KelvoTranslationsTest::everyMessageTranslated() {
    QString error;
    const QList<TsMessage> messages = readTs(tsFile(), error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(messages.size() > 30);
    QStringList faults;
    for (const TsMessage& message : messages) {
        if (message.type == QLatin1String("vanished") || message.type == QLatin1String("obsolete"))
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
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("run the target "
                                                         "kelvo_update_translations, then "
                                                         "translate (translations/README.md):\n") +
                                          faults.join(QLatin1Char('\n'))));
}

void KelvoTranslationsTest::builtMessagesResolve_data() {
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("german");
    QTest::newRow("menu") << "KelvoAppBase"
                          << "&File"
                          << "&Datei";
    QTest::newRow("tool tip") << "KelvoAppBase"
                              << "Generate the coded image"
                              << "Das codierte Bild erzeugen";
    QTest::newRow("message caption") << "KelvoImgWidget"
                                     << "Kelvo - Message"
                                     << "Kelvo - Meldung";
    QTest::newRow("two lines") << "KelvoImgWidget"
                               << "The image has been modified.\nDo you want to save it?"
                               << "Das Bild wurde geändert.\nMöchten Sie es speichern?";
    QTest::newRow("dictionary menu") << "KelvoDictionaryMenu"
                                     << "Translate from ..."
                                     << "Übersetzen aus ...";
    QTest::newRow("command line") << "KelvoCommandLine"
                                  << "[PICTURE...]"
                                  << "[BILD...]";
}

void KelvoTranslationsTest::builtMessagesResolve() {
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, german);
    QTranslator translator;
    QVERIFY2(translator.load(builtQm()), qPrintable(builtQm()));
    QCOMPARE(translator.language(), QStringLiteral("de_DE"));
    QCOMPARE(translator.translate(context.toLatin1().constData(), source.toUtf8().constData()),
             german);
}

void KelvoTranslationsTest::configurationChoosesLanguage_data() {
    QTest::addColumn<bool>("withConfiguration");
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("fileMenu");
    QTest::newRow("de") << true << QByteArray("de") << true << "&Datei";
    QTest::newRow("de among blanks") << true << QByteArray("\n  de \n") << true << "&Datei";
    QTest::newRow("regional de") << true << QByteArray("de_AT") << true << "&Datei";
    QTest::newRow("en") << true << QByteArray("en") << false << "&File";
    QTest::newRow("untranslated language") << true << QByteArray("fr") << false << "&File";
    QTest::newRow("no configuration") << false << QByteArray() << false << "&File";
}

void KelvoTranslationsTest::configurationChoosesLanguage() {
    QFETCH(bool, withConfiguration);
    QFETCH(QByteArray, language);
    QFETCH(bool, loaded);
    QFETCH(QString, fileMenu);
    KelvoTestDir dir;
    dir.write(QStringLiteral("kelvo_de.qm"), KelvoTestDir::readFile(builtQm()));
    if (withConfiguration) {
        addConfiguration(dir, language);
    }
    QTranslator translator;
    QCOMPARE(loadUiTranslation(translator), loaded);
    QVERIFY(QCoreApplication::installTranslator(&translator) == loaded);
    QCOMPARE(QCoreApplication::translate("KelvoAppBase", "&File"), fileMenu);
    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(KelvoTranslationsTest)
#include "kelvotranslations_test.moc"
