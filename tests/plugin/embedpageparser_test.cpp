// The host's reading of pages: which tags count as embeds and what their attributes hold.
#include "embedpageparser.h"

#include <QtTest>

namespace {

using Attributes = QList<QPair<QString, QString>>;

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

// Leaves the page as a seed for the page reader's fuzz target.
void writeSeed(const QString& html) {
    const QDir dir(QStringLiteral(KELVO_FUZZ_SEED_DIR "/fuzz_embedpage"));
    dir.mkpath(QStringLiteral("."));
    QFile seed(dir.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_')));
    if (seed.open(QIODevice::WriteOnly))
        seed.write(html.toUtf8());
}

} // namespace

class EmbedPageParserTest : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void valueOfAbsentAttributeIsNull();
};

void EmbedPageParserTest::parse_data() {
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
    QTest::newRow("several embeds in order") << "<embed kelvo=1><br><embed kelvo=2><embed kelvo=3>"
                                             << QStringList{"kelvo=1", "kelvo=2", "kelvo=3"};
    QTest::newRow("unterminated tag") << "<embed kelvo=\"x.png" << QStringList{"kelvo=x.png"};
    QTest::newRow("unterminated comment") << "<!-- <embed kelvo=1>" << QStringList{};
    QTest::newRow("empty page") << "" << QStringList{};
    QTest::newRow("lone brackets") << "< > <= <embed" << QStringList{""};
}

void EmbedPageParserTest::parse() {
    QFETCH(QString, html);
    QFETCH(QStringList, embeds);
    writeSeed(html);
    QCOMPARE(flatten(EmbedPageParser::parse(html)), embeds);
}

void EmbedPageParserTest::valueOfAbsentAttributeIsNull() {
    const QList<EmbedElement> embeds = EmbedPageParser::parse("<embed kelvo=\"\" src>");
    QCOMPARE(embeds.size(), 1);
    QVERIFY(embeds[0].value("width").isNull());
    QVERIFY(!embeds[0].value("kelvo").isNull());
    QVERIFY(embeds[0].value("kelvo").isEmpty());
    QVERIFY(!embeds[0].value("src").isNull());
}

QTEST_MAIN(EmbedPageParserTest)
#include "embedpageparser_test.moc"
