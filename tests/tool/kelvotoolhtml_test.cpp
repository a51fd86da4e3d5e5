// kelvo-tool html run as a program: the editor's HTML text for the picture, the file named as
// given and sized as the picture is, and a clear error for a picture it cannot read.
#include "kelvohtmlcode.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class KelvoToolHtmlTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void sameTextAsTheEditor_data();
    void sameTextAsTheEditor();

private:
    QTemporaryDir m_dir;
};

void KelvoToolHtmlTest::initTestCase() {
    QVERIFY(m_dir.isValid());
    QImage beach(320, 200, QImage::Format_RGB32);
    beach.fill(qRgb(240, 220, 160));
    QVERIFY(beach.save(m_dir.filePath(QStringLiteral("beach.png"))));
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("pics")));
    QVERIFY(beach.copy(0, 0, 17, 3000).save(m_dir.filePath(QStringLiteral("pics/tall.jpg"))));
}

void KelvoToolHtmlTest::sameTextAsTheEditor_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected"); // null: refused with exit code 2
    const QString link = QStringLiteral("http://example.org/a?b=\"c\"");
    QTest::newRow("beach") << QStringList{QStringLiteral("beach.png")}
                           << kelvoHtmlCode(QStringLiteral("beach.png"), QStringLiteral("320"),
                                            QStringLiteral("200"), false, QString());
    QTest::newRow("beach with link")
        << QStringList{QStringLiteral("beach.png"), QStringLiteral("--link"), link}
        << kelvoHtmlCode(QStringLiteral("beach.png"), QStringLiteral("320"), QStringLiteral("200"),
                         true, link);
    QTest::newRow("empty link") << QStringList{QStringLiteral("--link"), QString(),
                                               QStringLiteral("./pics/tall.jpg")}
                                << kelvoHtmlCode(QStringLiteral("./pics/tall.jpg"),
                                                 QStringLiteral("17"), QStringLiteral("3000"), true,
                                                 QString());
    QTest::newRow("web viewer form")
        << QStringList{QStringLiteral("--web"), QStringLiteral("beach.png"),
                       QStringLiteral("--link"), link}
        << kelvoWebHtmlCode(QStringLiteral("beach.png"), QStringLiteral("320"),
                            QStringLiteral("200"), true, link);
    QTest::newRow("unreadable picture") << QStringList{QStringLiteral("none.png")} << QString();
}

void KelvoToolHtmlTest::sameTextAsTheEditor() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QProcess tool;
    tool.setWorkingDirectory(m_dir.path());
    tool.start(QStringLiteral(KELVO_TOOL), QStringList{QStringLiteral("html")} + arguments);
    QVERIFY(tool.waitForFinished());
    if (expected.isNull()) {
        QCOMPARE(tool.exitCode(), 2);
        QVERIFY(tool.readAllStandardOutput().isEmpty());
        QVERIFY(tool.readAllStandardError().startsWith("kelvo-tool: none.png: "));
        return;
    }
    QCOMPARE(tool.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(tool.readAllStandardOutput()), expected + QLatin1Char('\n'));
}

QTEST_GUILESS_MAIN(KelvoToolHtmlTest)
#include "kelvotoolhtml_test.moc"
