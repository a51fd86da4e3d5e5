// The dialog after a generation: saving through the file dialog, with a folder and file name
// outside Latin-1 kept whole, and every way of not saving.
#include "kelvodialogscript.h"
#include "kelvoencdonedlg.h"
#include "kelvopaths.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

class KelvoEncDoneDlgTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void savesUnderTheChosenName();
    void notSaving_data();
    void notSaving();
    void picturesFolder();

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

    KelvoDialogScript script;
    script
        .then<KelvoEncDoneDlg>(
            [](KelvoEncDoneDlg* done) { KelvoDialogScript::click(done, QStringLiteral("save")); })
        .then<QFileDialog>([&](QFileDialog* files) {
            auto* nameEdit = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(nameEdit);
            nameEdit->setText(chosen);
            QTest::keyClick(nameEdit, Qt::Key_Return);
        });
    QString fileName = QStringLiteral("unchanged");
    QVERIFY(askSaveCodedImage(fileName, nullptr));
    QVERIFY2(script.done(), qPrintable(script.failure()));
    QCOMPARE(fileName, chosen);
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
    KelvoDialogScript script;
    script.then<KelvoEncDoneDlg>([&](KelvoEncDoneDlg* done) {
        if (how == QLatin1String("cancel file dialog")) {
            KelvoDialogScript::click(done, QStringLiteral("save"));
        } else if (how == QLatin1String("cancel")) {
            KelvoDialogScript::click(done, QStringLiteral("cancel"));
        } else if (how == QLatin1String("escape")) {
            QTest::keyClick(done, Qt::Key_Escape);
        } else {
            done->close();
        }
    });
    if (how == QLatin1String("cancel file dialog")) {
        script.then<QFileDialog>(
            [](QFileDialog* files) { QTest::keyClick(files, Qt::Key_Escape); });
    }
    QString fileName = QStringLiteral("unchanged");
    QVERIFY(!askSaveCodedImage(fileName, nullptr));
    QVERIFY2(script.done(), qPrintable(script.failure()));
    QCOMPARE(fileName, QStringLiteral("unchanged"));
}

void KelvoEncDoneDlgTest::picturesFolder() {
    QCOMPARE(KelvoPaths::picturesFolder(), m_dir.path() + QStringLiteral("/My Kelvos"));
    const QByteArray saved = qgetenv("KELVO_DIR");
    qunsetenv("KELVO_DIR");
    QCOMPARE(KelvoPaths::picturesFolder(), QString());
    qputenv("KELVO_DIR", saved);
}

QTEST_MAIN(KelvoEncDoneDlgTest)
#include "kelvoencdonedlg_test.moc"
