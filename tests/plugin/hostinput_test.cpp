// The host's input: which tags of a page count as embeds and what their attributes hold, its
// command line, and its reading of request URLs.
#include "embedpageparser.h"
#include "hostinstance.h"
#include "hostoptions.h"
#include "kelvotestdir.h"

#include <QtTest>

namespace {

// Embeds as "name=value;name=value" lines.
QStringList flatten(const QList<EmbedElement>& embeds) {
    QStringList lines;
    for (const EmbedElement& embed : embeds) {
        QStringList pairs;
        for (const auto& [name, value] : embed.attributes)
            pairs << name + QLatin1Char('=') + value;
        lines << pairs.join(QLatin1Char(';'));
    }
    return lines;
}

} // namespace

class HostInputTest : public QObject {
    Q_OBJECT
private slots:
    void pageEmbeds_data() {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QStringList>("embeds");
        QTest::newRow("quotes of both kinds")
            << R"(<p><embed type="application/kelvo" kelvo='a b.png' width=320></p>)"
            << QStringList{"type=application/kelvo;kelvo=a b.png;width=320"};
        QTest::newRow("case and spacing")
            << "<EMBED\n  TYPE = \"x\"\tKelvo=pic.png />" << QStringList{"type=x;kelvo=pic.png"};
        QTest::newRow("slash belongs to an unquoted value")
            << "<embed kelvo=pic.png/>" << QStringList{"kelvo=pic.png/"};
        QTest::newRow("attribute without value")
            << "<embed hidden kelvo=\"\">" << QStringList{"hidden=;kelvo="};
        QTest::newRow("character references")
            << R"(<embed href="a.html?x=1&amp;y=&quot;2&quot;&lt;&gt;&#39;">)"
            << QStringList{"href=a.html?x=1&y=\"2\"<>'"};
        QTest::newRow("greater-than sign inside a quoted value")
            << R"(<embed title="a > b" kelvo=c.png>)" << QStringList{"title=a > b;kelvo=c.png"};
        QTest::newRow("comments, scripts and styles hide tags")
            << "<!-- <embed kelvo=1> --><script>var s = '<embed kelvo=2>';</script>"
               "<style>/* <embed kelvo=3> */</style><embed kelvo=4>"
            << QStringList{"kelvo=4"};
        QTest::newRow("other tags and closing tags")
            << "<!DOCTYPE html><html><embedded kelvo=1></embedded><object><embed kelvo=2></object>"
            << QStringList{"kelvo=2"};
        QTest::newRow("several embeds in order")
            << "<embed kelvo=1><br><embed kelvo=2><embed kelvo=3>"
            << QStringList{"kelvo=1", "kelvo=2", "kelvo=3"};
        QTest::newRow("unterminated tag") << "<embed kelvo=\"x.png" << QStringList{"kelvo=x.png"};
        QTest::newRow("unterminated comment") << "<!-- <embed kelvo=1>" << QStringList{};
        QTest::newRow("empty page") << "" << QStringList{};
        QTest::newRow("lone brackets") << "< > <= <embed" << QStringList{""};
    }

    void pageEmbeds() {
        QFETCH(QString, html);
        QFETCH(QStringList, embeds);
        KelvoTestDir::writeFuzzSeed("fuzz_embedpage",
                                    QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_'),
                                    html.toUtf8());
        QCOMPARE(flatten(EmbedPageParser::parse(html)), embeds);
    }

    // What the host's runs do not show: a value keeps its "=", a parameter name is lowered,
    // negative points, and the pointer actions in their order.
    void commandLine() {
        QString error;
        const auto options =
            HostOptions::parse({"npkelvo-host", "page.html", "--param", "Kelvo=a=b.png", "--hover",
                                "10, 20", "--click", "-3,4", "--hover", "0,0"},
                               &error);
        QVERIFY2(options, qPrintable(error));
        QCOMPARE(options->parameters, (QList<QPair<QString, QString>>{{"kelvo", "a=b.png"}}));
        QCOMPARE(options->actions.size(), 3);
        QCOMPARE(options->actions[0].kind, HostOptions::PointerAction::Hover);
        QCOMPARE(options->actions[0].position, QPoint(10, 20));
        QCOMPARE(options->actions[1].kind, HostOptions::PointerAction::Click);
        QCOMPARE(options->actions[1].position, QPoint(-3, 4));

        // Nothing to show, two pages, a missing value, a parameter without name or value, a point
        // with one figure or with letters, a zero chunk size, an unknown option: refused, with a
        // reason.
        const QStringList rows[] = {{"--quit"},
                                    {"a.html", "b.html"},
                                    {"a.html", "--plugin"},
                                    {"--param", "=x"},
                                    {"--param", "kelvo"},
                                    {"a.html", "--hover", "10"},
                                    {"a.html", "--click", "x,1"},
                                    {"a.html", "--chunk-size", "0"},
                                    {"a.html", "--fast"}};
        for (const QStringList& arguments : rows) {
            error.clear();
            QVERIFY2(!HostOptions::parse(QStringList{"npkelvo-host"} + arguments, &error),
                     qPrintable(arguments.join(' ')));
            QVERIFY(!error.isEmpty());
        }
    }

    // Relative names beside the page and absolute ones are the host's page rows'.
    void localPath() {
        const QList<QPair<QString, QString>> cases{{"../pic.png", "/pages/pic.png"},
                                                   {"file:///data/pic.png", "/data/pic.png"},
                                                   {"http://example.org/pic.png", QString()}};
        for (const auto& [url, path] : cases)
            QCOMPARE(HostInstance::localPath(QDir(QStringLiteral("/pages/site")), url), path);
    }
};

QTEST_MAIN(HostInputTest)
#include "hostinput_test.moc"
