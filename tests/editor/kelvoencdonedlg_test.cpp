// The dialog after a generation: saving through the file dialog, with a folder and file name
// outside Latin-1 kept whole, and every way of not saving.
#include "dialogdriver.h"
#include "kelvoencdonedlg.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class KelvoEncDoneDlgTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void savesUnderTheChosenName();
    void notSaving_data();
    void notSaving();
    void startPath();

private:
    QTemporaryDir m_dir;
};

void KelvoEncDoneDlgTest::initTestCase() {
    QVERIFY(m_dir.isValid());
    qputenv("KELVO_DIR", (m_dir.path() + QLatin1Char('/')).toUtf8());
}

void KelvoEncDoneDlgTest::savesUnderTheChosenName() {
    const QString folder = m_dir.filePath(QStringLiteral("Kódované obrázky \u5199\u771F"));
    QVERIFY(QDir().mkpath(folder));
    const QString chosen = folder + QStringLiteral("/pláž \u0141\u00F3d\u017A.png");

    QString fileDialogName;
    QString fileDialogTitle;
    answerNextDialog([&](QWidget* done) {
        QCOMPARE(done->windowTitle(), QStringLiteral("Image Coding Finished ..."));
        answerNextDialog([&](QWidget* files) {
            fileDialogName = files->objectName();
            fileDialogTitle = files->windowTitle();
            auto* nameEdit = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(nameEdit);
            // keyClicks() types ASCII only.
            nameEdit->setText(chosen);
            QTest::keyClick(nameEdit, Qt::Key_Return);
        });
        QTest::mouseClick(done->findChild<QPushButton*>(QStringLiteral("save")), Qt::LeftButton);
    });
    QString fileName = QStringLiteral("unchanged");
    QVERIFY(askSaveCodedImage(fileName, nullptr));
    QCOMPARE(fileName, chosen);
    QCOMPARE(fileDialogName, QStringLiteral("encSaveFileDlg"));
    QCOMPARE(fileDialogTitle, QStringLiteral("Save File"));
}

void KelvoEncDoneDlgTest::notSaving_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("file dialog cancelled") << QStringLiteral("cancel file dialog");
    QTest::newRow("Cancel") << QStringLiteral("cancel");
    QTest::newRow("Escape") << QStringLiteral("escape");
    QTest::newRow("window closed") << QStringLiteral("close");
}

void KelvoEncDoneDlgTest::notSaving() {
    QFETCH(QString, how);
    answerNextDialog([&](QWidget* done) {
        if (how == QLatin1String("cancel file dialog")) {
            answerNextDialog([](QWidget* files) { QTest::keyClick(files, Qt::Key_Escape); });
            QTest::mouseClick(done->findChild<QPushButton*>(QStringLiteral("save")),
                              Qt::LeftButton);
        } else if (how == QLatin1String("cancel")) {
            QTest::mouseClick(done->findChild<QPushButton*>(QStringLiteral("cancel")),
                              Qt::LeftButton);
        } else if (how == QLatin1String("escape")) {
            QTest::keyClick(done, Qt::Key_Escape);
        } else {
            done->close();
        }
    });
    QString fileName = QStringLiteral("unchanged");
    QVERIFY(!askSaveCodedImage(fileName, nullptr));
    QCOMPARE(fileName, QStringLiteral("unchanged"));
}

void KelvoEncDoneDlgTest::startPath() {
    QCOMPARE(KelvoEncDoneDlg::startPath(), m_dir.path() + QStringLiteral("/My Kelvos"));
    const QByteArray saved = qgetenv("KELVO_DIR");
    qunsetenv("KELVO_DIR");
    QCOMPARE(KelvoEncDoneDlg::startPath(), QString());
    qputenv("KELVO_DIR", saved);
}

QTEST_MAIN(KelvoEncDoneDlgTest)
#include "kelvoencdonedlg_test.moc"
