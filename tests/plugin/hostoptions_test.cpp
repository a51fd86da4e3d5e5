// The host's command line and its reading of request URLs.
#include "hostinstance.h"
#include "hostoptions.h"

#include <QtTest>

class HostOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void parse();
    void rejected_data();
    void rejected();
    void localPath();
};

void HostOptionsTest::parse() {
    QString error;
    const auto options = HostOptions::parse({"npkelvo-host", "page.html", "--plugin", "lib.so",
                                             "--param", "Kelvo=a=b.png", "--chunk-size", "512",
                                             "--hover", "10, 20", "--click", "-3,4", "--hover",
                                             "0,0", "--dump", "--screenshot", "shot.png", "--quit"},
                                            &error);
    QVERIFY2(options, qPrintable(error));
    QCOMPARE(options->page, QStringLiteral("page.html"));
    QCOMPARE(options->plugin, QStringLiteral("lib.so"));
    QCOMPARE(options->parameters.size(), 1);
    QCOMPARE(options->parameters[0].first, QStringLiteral("kelvo"));
    QCOMPARE(options->parameters[0].second, QStringLiteral("a=b.png"));
    QCOMPARE(options->chunkSize, 512);
    QCOMPARE(options->actions.size(), 3);
    QCOMPARE(options->actions[0].kind, HostOptions::PointerAction::Hover);
    QCOMPARE(options->actions[0].position, QPoint(10, 20));
    QCOMPARE(options->actions[1].kind, HostOptions::PointerAction::Click);
    QCOMPARE(options->actions[1].position, QPoint(-3, 4));
    QVERIFY(options->dump);
    QCOMPARE(options->screenshot, QStringLiteral("shot.png"));
    QVERIFY(options->quit);
}

void HostOptionsTest::rejected_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("nothing to show") << QStringList{"--quit"};
    QTest::newRow("two pages") << QStringList{"a.html", "b.html"};
    QTest::newRow("missing value") << QStringList{"a.html", "--plugin"};
    QTest::newRow("param without name") << QStringList{"--param", "=x"};
    QTest::newRow("param without value") << QStringList{"--param", "kelvo"};
    QTest::newRow("point with one figure") << QStringList{"a.html", "--hover", "10"};
    QTest::newRow("point with letters") << QStringList{"a.html", "--click", "x,1"};
    QTest::newRow("zero chunk size") << QStringList{"a.html", "--chunk-size", "0"};
    QTest::newRow("unknown option") << QStringList{"a.html", "--fast"};
}

void HostOptionsTest::rejected() {
    QFETCH(QStringList, arguments);
    QString error;
    QVERIFY(!HostOptions::parse(QStringList{"npkelvo-host"} + arguments, &error));
    QVERIFY(!error.isEmpty());
}

void HostOptionsTest::localPath() {
    const QList<QPair<QString, QString>> cases{
        {"pic.png", "/pages/site/pic.png"},
        {"My Kelvos/a b.png", "/pages/site/My Kelvos/a b.png"},
        {"../pic.png", "/pages/pic.png"},
        {"/data/pic.png", "/data/pic.png"},
        {"file:///data/pic.png", "/data/pic.png"},
        {"http://example.org/pic.png", QString()}};
    for (const auto& [url, path] : cases)
        QCOMPARE(HostInstance::localPath(QDir(QStringLiteral("/pages/site")), url), path);
}

QTEST_MAIN(HostOptionsTest)
#include "hostoptions_test.moc"
