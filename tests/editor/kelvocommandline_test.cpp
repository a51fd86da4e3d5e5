// The editor's command line: pictures to open, a screenshot to save, help, version and errors.
#include "kelvocommandline.h"

#include <QDir>
#include <QtTest>

using Outcome = KelvoCommandLine::Outcome;

class KelvoCommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void parses_data();
    void parses();
};

void KelvoCommandLineTest::parses_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QStringList>("pictures"); // relative ones are taken from the current folder
    QTest::addColumn<QStringList>("textHas");

    const QStringList none;
    QTest::newRow("no pictures") << none << Outcome::Run << none << none;
    QTest::newRow("pictures in order")
        << QStringList{"b.png", "sub/a.jpg", "/abs/c.bmp"} << Outcome::Run
        << QStringList{"b.png", "sub/a.jpg", "/abs/c.bmp"} << none;
    QTest::newRow("name with blanks") << QStringList{"My Kelvos/village.png"} << Outcome::Run
                                      << QStringList{"My Kelvos/village.png"} << none;
    QTest::newRow("empty argument")
        << QStringList{"", "a.png"} << Outcome::Run << QStringList{"a.png"} << none;
    QTest::newRow("name like an option after --")
        << QStringList{"--", "-x.png", "--help"} << Outcome::Run << QStringList{"-x.png", "--help"}
        << none;
    QTest::newRow("--help") << QStringList{"--help"} << Outcome::Help << none
                            << QStringList{"PICTURE", "--version", "encoder window"};
    QTest::newRow("-h among pictures")
        << QStringList{"a.png", "-h"} << Outcome::Help << none << QStringList{"PICTURE"};
    QTest::newRow("--help-all") << QStringList{"--help-all"} << Outcome::Help << none
                                << QStringList{"PICTURE"};
    QTest::newRow("--version") << QStringList{"--version"} << Outcome::Version << none
                               << QStringList{"kelvo "};
    QTest::newRow("-v after a picture")
        << QStringList{"a.png", "-v"} << Outcome::Version << none << QStringList{"kelvo "};
    QTest::newRow("unknown option") << QStringList{"a.png", "--bogus"} << Outcome::Error << none
                                    << QStringList{"bogus", "kelvo --help"};
    QTest::newRow("unknown short option")
        << QStringList{"-q"} << Outcome::Error << none << QStringList{"q", "kelvo --help"};
    QTest::newRow("--screenshot among pictures")
        << QStringList{"a.png", "--screenshot", "shots/main.png", "b.png"} << Outcome::Run
        << QStringList{"a.png", "b.png"} << none;
    QTest::newRow("--screenshot without a file")
        << QStringList{"--screenshot"} << Outcome::Error << none << QStringList{"screenshot"};
}

void KelvoCommandLineTest::parses() {
    QFETCH(QStringList, arguments);
    QFETCH(Outcome, outcome);
    QFETCH(QStringList, pictures);
    QFETCH(QStringList, textHas);

    const KelvoCommandLine line(QStringList{QStringLiteral("kelvo")} + arguments);
    QCOMPARE(line.outcome(), outcome);
    QStringList expected;
    for (const QString& picture : pictures) {
        expected.append(QDir::cleanPath(QDir::current().absoluteFilePath(picture)));
    }
    QCOMPARE(line.pictures(), expected);
    // The file named after --screenshot, from the current folder.
    const qsizetype shot = arguments.indexOf(QStringLiteral("--screenshot"));
    QCOMPARE(line.screenshot(), outcome == Outcome::Run && shot >= 0
                                    ? QDir::current().absoluteFilePath(arguments.value(shot + 1))
                                    : QString());
    QCOMPARE(line.exitCode(), outcome == Outcome::Error ? 2 : 0);
    QCOMPARE(line.text().isEmpty(), outcome == Outcome::Run);
    for (const QString& part : textHas) {
        QVERIFY2(line.text().contains(part), qPrintable(line.text()));
    }
}

QTEST_MAIN(KelvoCommandLineTest)
#include "kelvocommandline_test.moc"
