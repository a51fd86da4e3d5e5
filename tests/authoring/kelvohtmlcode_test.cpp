// The HTML text with file names and links that a page must not take for code or markup: the
// escaped pieces, and the text loaded in headless Chromium, where only the intended script
// runs and kelvo() and the fallback embed get each value as typed.
#include "kelvohtmlcode.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

namespace {

struct Case {
    const char* tag;
    QString file;
    QString link;
};

// Each value would run window.kelvoHacked = 1 or break the page if it went in unescaped. (A
// carriage return is left out: HTML reads every one in a page as a line feed.)
const QList<Case>& hostileCases() {
    static const QList<Case> cases = {
        {"quotes and ampersands", QStringLiteral("my \"best\" pic &amp; more.png"),
         QStringLiteral("https://example.org/a?b=1&c=\"x\"")},
        {"string ended early", QStringLiteral("x\", 1, 1 ) ); window.kelvoHacked = 1; //"),
         QStringLiteral("\" ) ); window.kelvoHacked = 1; ( \"")},
        {"backslashes", QStringLiteral("a\\\" ) ); window.kelvoHacked = 1; //"),
         QStringLiteral("C:\\pics\\")},
        {"line breaks", QStringLiteral("two\nlines\n.png\u2028"),
         QStringLiteral("x\n\" ) ); window.kelvoHacked = 1; //")},
        {"script and noscript ends",
         QStringLiteral("</script><script>window.kelvoHacked = 1</script>.png"),
         QStringLiteral("</noscript><script>window.kelvoHacked = 1</script>")},
        {"comment and markup", QStringLiteral("<!--<script>-->.png"),
         QStringLiteral("<img src=none onerror=\"window.kelvoHacked = 1\">")},
    };
    return cases;
}

const char* const PageEnd = R"(<pre id="report"></pre>
<script>
window.addEventListener('load', function() {
    var attributes = function(e) {
        return [e.getAttribute('kelvo'), e.getAttribute('width'), e.getAttribute('height'),
                e.getAttribute('href')];
    };
    var cases = Array.from(document.querySelectorAll('div.case')).map(function(div) {
        var noscript = div.querySelector('noscript');
        var fallback = new DOMParser().parseFromString(noscript ? noscript.textContent : '',
                                                       'text/html');
        return {live: Array.from(div.querySelectorAll('embed')).map(attributes),
                fallback: Array.from(fallback.querySelectorAll('embed')).map(attributes)};
    });
    document.getElementById('report').textContent = encodeURIComponent(JSON.stringify(
        {cases: cases, scripts: document.scripts.length, hacked: !!window.kelvoHacked,
         errors: window.kelvoErrors}));
});
</script>
</body></html>
)";

} // namespace

class KelvoHtmlCodeTest : public QObject {
    Q_OBJECT
private slots:
    void escapedForWhereTheyStand();
    void hostileValuesArriveAsTypedInChromium();
};

void KelvoHtmlCodeTest::escapedForWhereTheyStand() {
    const QString text =
        kelvoHtmlCode(QStringLiteral("a\"b\\c<d>&e\r\nf\u2028"), QStringLiteral("1"),
                      QStringLiteral("2"), true, QStringLiteral("</script>"));
    QVERIFY2(text.contains(QStringLiteral(
                 "  document.writeln( kelvo( \"a\\\"b\\\\c\\x3Cd>&e\\x0D\\x0Af\\u2028\", 1, 2, "
                 "\"\\x3C/script>\" ) );\n")),
             qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral(
                 "kelvo=\"a&quot;b\\c&lt;d&gt;&amp;e\r\nf\u2028\" width=\"1\" height=\"2\"\n"
                 "           href=\"&lt;/script&gt;\">\n")),
             qPrintable(text));
    // The web viewer's form: attributes only, the alt text the name after the last "/".
    QCOMPARE(kelvoWebHtmlCode(QStringLiteral("a\"b/c<d>&e.png"), QStringLiteral("1"),
                              QStringLiteral("2"), true, QStringLiteral("x\" onclick=\"y")),
             QStringLiteral("<script src=\"kelvo-web.js\" defer></script>\n"
                            "<img src=\"a&quot;b/c&lt;d&gt;&amp;e.png\" width=\"1\" height=\"2\" "
                            "alt=\"c&lt;d&gt;&amp;e.png\" data-kelvo\n"
                            "     data-href=\"x&quot; onclick=&quot;y\">"));
}

void KelvoHtmlCodeTest::hostileValuesArriveAsTypedInChromium() {
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty()) {
        QSKIP("chromium is not installed");
    }
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QFile::copy(QStringLiteral(KELVO_PLUGIN_TEST_JS),
                        dir.filePath(QStringLiteral("KelvoPluginTest.js"))));
    QString page = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head>"
                                  "<body>\n<script>window.kelvoErrors = [];\n"
                                  "window.addEventListener('error', function(e) { "
                                  "window.kelvoErrors.push(e.message); });</script>\n");
    for (const Case& c : hostileCases()) {
        page += QStringLiteral("<div class=\"case\">\n") +
                kelvoHtmlCode(c.file, QStringLiteral("320"), QStringLiteral("200"), true, c.link) +
                QStringLiteral("\n</div>\n");
    }
    page += QString::fromUtf8(PageEnd);
    QFile html(dir.filePath(QStringLiteral("page.html")));
    QVERIFY(html.open(QIODevice::WriteOnly));
    html.write(page.toUtf8());
    html.close();

    QProcess browser;
    browser.start(chromium,
                  {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
                   QStringLiteral("--disable-gpu"),
                   QStringLiteral("--user-data-dir=") + dir.filePath(QStringLiteral("profile")),
                   QStringLiteral("--dump-dom"), QUrl::fromLocalFile(html.fileName()).toString()});
    QVERIFY(browser.waitForFinished(120000));
    const QByteArray dom = browser.readAllStandardOutput();
    const QByteArray open = "<pre id=\"report\">";
    const qsizetype start = dom.indexOf(open);
    QVERIFY2(start >= 0, dom.constData());
    const qsizetype end = dom.indexOf("</pre>", start);
    const QJsonObject report =
        QJsonDocument::fromJson(
            QUrl::fromPercentEncoding(dom.mid(start + open.size(), end - start - open.size()))
                .toUtf8())
            .object();
    QCOMPARE(report.value(QStringLiteral("errors")).toArray(), QJsonArray());
    QCOMPARE(report.value(QStringLiteral("hacked")).toBool(true), false);
    // Our two, and KelvoPluginTest.js's load of the viewer, and two per case.
    QCOMPARE(report.value(QStringLiteral("scripts")).toInt(), 3 + 2 * int(hostileCases().size()));
    const QJsonArray cases = report.value(QStringLiteral("cases")).toArray();
    QCOMPARE(cases.size(), hostileCases().size());
    for (qsizetype i = 0; i < cases.size(); ++i) {
        const Case& c = hostileCases()[i];
        // One embed with these attributes (appended: clang reads a braced QJsonArray of one
        // QJsonArray as a copy).
        QJsonArray expected;
        expected.append(QJsonArray{c.file, QStringLiteral("320"), QStringLiteral("200"), c.link});
        for (const QString& way : {QStringLiteral("live"), QStringLiteral("fallback")}) {
            QVERIFY2(cases[i].toObject().value(way).toArray() == expected,
                     qPrintable(
                         QStringLiteral("%1, %2: %3")
                             .arg(QLatin1String(c.tag), way,
                                  QString::fromUtf8(QJsonDocument(cases[i].toObject()).toJson()))));
        }
    }
}

QTEST_GUILESS_MAIN(KelvoHtmlCodeTest)
#include "kelvohtmlcode_test.moc"
