// kelvo-tool html run as a program: the editor's HTML text for the picture, the file named as
// given and sized as the picture is.
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
    void unreadablePicture();

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
    QTest::addColumn<QString>("expected");
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
}

void KelvoToolHtmlTest::sameTextAsTheEditor() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    QProcess tool;
    tool.setWorkingDirectory(m_dir.path());
    tool.start(QStringLiteral(KELVO_TOOL), QStringList{QStringLiteral("html")} + arguments);
    QVERIFY(tool.waitForFinished());
    QCOMPARE(tool.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(tool.readAllStandardOutput()), expected + QLatin1Char('\n'));
}

void KelvoToolHtmlTest::unreadablePicture() {
    QProcess tool;
    tool.setWorkingDirectory(m_dir.path());
    tool.start(QStringLiteral(KELVO_TOOL), {QStringLiteral("html"), QStringLiteral("none.png")});
    QVERIFY(tool.waitForFinished());
    QCOMPARE(tool.exitCode(), 2);
    QVERIFY(tool.readAllStandardOutput().isEmpty());
    QVERIFY(tool.readAllStandardError().startsWith("kelvo-tool: none.png: "));
}

QTEST_GUILESS_MAIN(KelvoToolHtmlTest)
#include "kelvotoolhtml_test.moc"
