// npkelvo-host run as a user runs it, on small pages, with the plug-in library: what it prints
// about requests, streams and the status line, and what the plug-in windows show (--dump)
// after pointer moves and clicks.
#include "viewertestdata.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QRect AlphaRect(10, 10, 30, 30);
const QRect BetaRect(60, 40, 30, 30);
const QString ErrorLabel = QStringLiteral(
    "embed 1: label \" Kelvo plugin >> an error occured, while loading the image! Propably the "
    "image link is broken.\"");

QString embed(const QString& attributes) {
    return QStringLiteral("<html><body><p>Test page</p>\n<embed type=\"application/kelvo\" %1>\n"
                          "</body></html>\n")
        .arg(attributes);
}

struct Run {
    int exitCode = -1;
    QStringList lines;
};

// The host runs in the given locale, which chooses the language where the configuration names
// none.
Run runHost(const QStringList& arguments, const QString& kelvoDir,
            const QString& locale = QStringLiteral("C")) {
    QProcess host;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("KELVO_DIR"), kelvoDir);
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        environment.remove(QLatin1String(variable));
    environment.insert(QStringLiteral("LANG"), locale);
    host.setProcessEnvironment(environment);
    host.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    host.start(QStringLiteral(NPKELVO_HOST),
               QStringList{QStringLiteral("--plugin"), QStringLiteral(NPKELVO_LIBRARY)} +
                   arguments);
    Run run;
    if (!host.waitForFinished(120000)) {
        host.kill();
        host.waitForFinished();
        return run;
    }
    run.exitCode = host.exitCode();
    run.lines = QString::fromUtf8(host.readAllStandardOutput()).split(QLatin1Char('\n'));
    return run;
}

} // namespace

class HostProcessTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        const QImage picture =
            ViewerTestData::codedPicture({100, 80}, {{AlphaRect, "alpha"}, {BetaRect, "beta"}});
        QVERIFY(!picture.isNull());
        QVERIFY(picture.save(m_dir.filePath("pic.png"), "PNG"));
        m_pictureBytes = QFileInfo(m_dir.filePath("pic.png")).size();
        QFile text(m_dir.filePath("notpic.png"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("<html>not found</html>");
    }

    void page_data() {
        QTest::addColumn<QString>(
            "html"); // empty: no page, the embed's parameters given as options
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("rejected");

        const QString sized = QStringLiteral("width=\"100\" height=\"80\" ");
        QTest::newRow("other types are not ours")
            << "<embed type=\"image/png\" src=\"pic.png\">" + embed(sized + "kelvo=pic.png")
            << QStringList() << QStringList{"embeds: 1", "notify: pic.png done"} << QStringList();
        QTest::newRow("parameters without page")
            << QString() << QStringList{"--param", "kelvo=" + m_dir.filePath("pic.png"),
                                        "--param", "width=100",
                                        "--param", "Height=80"}
            << QStringList{"embeds: 1", "embed 1: window NPKelvoPluginWidget 100x80",
                           "notify: " + m_dir.filePath("pic.png") + " done"}
            << QStringList();
        QTest::newRow("broken link, click opens href")
            << embed(sized + "kelvo=\"missing.png\" href=\"http://example.org/a\"")
            << QStringList{"--hover", "30,30", "--click", "30,30", "--hover", "300,300"}
            << QStringList{"url: missing.png",
                           "notify: missing.png network error",
                           ErrorLabel,
                           "status: http://example.org/a",
                           "url: http://example.org/a target: _BLANK",
                           "status: "}
            << QStringList{"stream: missing.png"};
        QTest::newRow("not a picture") << embed(sized + "kelvo=\"notpic.png\"") << QStringList()
                                       << QStringList{"stream: notpic.png 22 bytes in 1 chunks",
                                                      "notify: notpic.png done", ErrorLabel}
                                       << QStringList{"widget KelvoNPPluginViewerWidget"};

        // Each chunk advances the bar by 10, whatever its size, a small last one too; the bar stops
        // at 100 while the size counts on.
        for (const int chunk : {1000, 200, 50}) {
            const qint64 chunks = (m_pictureBytes + chunk - 1) / chunk;
            QTest::addRow("chunks of %d bytes", chunk)
                << embed(sized + "kelvo=\"pic.png\"")
                << QStringList{"--chunk-size", QString::number(chunk)}
                << QStringList{QStringLiteral("stream: pic.png %1 bytes in %2 chunks")
                                   .arg(m_pictureBytes)
                                   .arg(chunks),
                               QStringLiteral("embed 1: progress %1 \"%2\" (hidden)")
                                   .arg(std::min<qint64>(10 * chunks, 100))
                                   .arg(QString::asprintf("%.2fKB",
                                                          double(m_pictureBytes) / 1024.0)),
                               "embed 1: widget KelvoNPPluginViewerWidget 0,0 100x80"}
                << QStringList{"label"}; // the status lines go with the picture shown
        }

        // Pointer positions are in host window coordinates, past its margin of 10 pixels: the
        // alpha region at (25,25) shown twice the size, and the beta region at (75,55) in a picture
        // centred in the host's default embed size of 300x150.
        QTest::newRow("twice the size, hover alpha")
            << embed("width=200 height=160 kelvo=pic.png") << QStringList{"--hover", "61,61"}
            << QStringList{"embed 1: window NPKelvoPluginWidget 200x160", "embed 1: text \"alpha\""}
            << QStringList{"beta"};
        QTest::newRow("no size, picture at its own size")
            << embed("kelvo=pic.png") << QStringList{"--hover", "185,100"}
            << QStringList{"embed 1: window NPKelvoPluginWidget 300x150", "embed 1: text \"beta\""}
            << QStringList{"alpha"};
    }

    void page() {
        QFETCH(QString, html);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, rejected);
        if (!html.isEmpty()) {
            QFile page(m_dir.filePath("page.html"));
            QVERIFY(page.open(QIODevice::WriteOnly | QIODevice::Truncate));
            page.write(html.toUtf8());
            arguments.prepend(page.fileName());
        }
        const Run run = runHost(arguments + QStringList{"--dump", "--quit"}, m_dir.path() + '/');
        const QString output = run.lines.join(QLatin1Char('\n'));
        QVERIFY2(run.exitCode == 0, qPrintable(output));
        for (const QString& line : expected) {
            const bool found = std::any_of(run.lines.begin(), run.lines.end(),
                                           [&](const QString& l) { return l.startsWith(line); });
            QVERIFY2(found, qPrintable(QStringLiteral("missing \"%1\" in\n%2").arg(line, output)));
        }
        for (const QString& text : rejected)
            QVERIFY2(!output.contains(text),
                     qPrintable(QStringLiteral("unexpected \"%1\" in\n%2").arg(text, output)));
    }

    void badCommandLine() { QCOMPARE(runHost({"--hover", "1"}, m_dir.path()).exitCode, 2); }

    void samplePage() {
        const QString dir = QStringLiteral(KELVO_SAMPLE_DIR "/My Kelvos/");
        // The build makes the coded samples before this test: their absence is a fault.
        QVERIFY2(QFileInfo::exists(dir + "kelvo.html") && QFileInfo::exists(dir + "village.png"),
                 "the coded samples were not built");
        const QString shot = m_dir.filePath("sample.png");
        // The house in the village carries a dictionary term and a text.
        const Run run = runHost(
            {dir + "kelvo.html", "--hover", "120,150", "--dump", "--screenshot", shot, "--quit"},
            QStringLiteral(KELVO_SAMPLE_DIR "/"));
        const QString output = run.lines.join(QLatin1Char('\n'));
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(output.contains("embeds: 3"), qPrintable(output));
        QCOMPARE(run.lines.filter(QRegularExpression(QStringLiteral("^notify: .* done$"))).size(),
                 3);
        QVERIFY2(output.contains("embed 1: widget KelvoTextWidget"), qPrintable(output));
        // Its balloon shows the text, then the terms.
        const QString bullet(QChar(0x2022));
        QVERIFY2(run.lines.contains("embed 1: text \"A little house with a red roof, a green door "
                                    "would suit it better.\\n" +
                                    bullet + " Haus\\n" + bullet + " house\""),
                 qPrintable(output));
        QVERIFY2(output.contains("screenshot: " + shot + " saved"), qPrintable(output));
        const QImage image(shot);
        QVERIFY(image.width() >= 480 && image.height() >= 860);
        // Inside the first picture (sky), not the window's background.
        QVERIFY(image.pixelColor(20, 20) != image.pixelColor(image.width() - 2, 5));
    }

    // The delivered configuration names no language: the plug-in speaks the user's.
    void followsLocale() {
        QFile page(m_dir.filePath("french.html"));
        QVERIFY(page.open(QIODevice::WriteOnly | QIODevice::Truncate));
        page.write(embed("width=100 height=80 kelvo=\"missing.png\"").toUtf8());
        page.close();
        const Run run =
            runHost({page.fileName(), "--dump", "--quit"}, QStringLiteral(KELVO_SAMPLE_DIR "/"),
                    QStringLiteral("fr_FR.UTF-8"));
        const QString output = run.lines.join(QLatin1Char('\n'));
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(output.contains("embed 1: label \" Plug-in Kelvo >> une erreur s'est produite"),
                 qPrintable(output));
    }

private:
    QTemporaryDir m_dir;
    qint64 m_pictureBytes = 0;
};

QTEST_MAIN(HostProcessTest)
#include "hostprocess_test.moc"
