// The unformatted text input: entering, editing and cancelling a text, and the warning about
// characters that a picture cannot keep.
#include "kelvodialogscript.h"
#include "kelvoimginputdlg.h"
#include "kelvomsgdlg.h"

#include <QPlainTextEdit>
#include <QtTest>

namespace {

const QString TextEdit = QStringLiteral("textEdit");

} // namespace

class KelvoImgInputDlgTest : public QObject {
    Q_OBJECT

private slots:
    void enterOrEdit_data();
    void enterOrEdit();
    void charactersOutsideLatin1_data();
    void charactersOutsideLatin1();
};

// A null start text enters a new text; any other edits it.
void KelvoImgInputDlgTest::enterOrEdit_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("text");

    // Return starts a new line instead of pressing the default button.
    QTest::newRow("entered") << QString() << "Gr\u00fc\u00dfe\nzwei Zeilen"
                             << "okButton" << true << "Gr\u00fc\u00dfe\nzwei Zeilen";
    QTest::newRow("entry cancelled") << QString() << "x"
                                     << "cancelButton" << false << "";
    QTest::newRow("appended") << "alt"
                              << " und mehr"
                              << "okButton" << true << "alt und mehr";
    QTest::newRow("emptied") << "alt"
                             << "\b\b\b"
                             << "okButton" << true << "";
    QTest::newRow("edit cancelled") << "alt"
                                    << " und mehr"
                                    << "cancelButton" << false << "stale";
}

void KelvoImgInputDlgTest::enterOrEdit() {
    QFETCH(QString, start);
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(bool, accepted);
    QFETCH(QString, text);

    KelvoDialogScript script;
    script.then<KelvoImgInputDlg>([&](KelvoImgInputDlg* dialog) {
        auto* edit = dialog->findChild<QPlainTextEdit*>(TextEdit);
        QVERIFY(edit);
        QCOMPARE(edit->toPlainText(), start);
        QCOMPARE(QApplication::focusWidget(), edit);
        const QStringList lines = typed.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0) {
                QTest::keyClick(edit, Qt::Key_Return);
            }
            KelvoDialogScript::keys(edit, lines[i]);
        }
        QVERIFY(dialog->isVisible());
        KelvoDialogScript::click(dialog, button);
    });
    QString result = QStringLiteral("stale");
    QCOMPARE(start.isNull() ? enterUnformattedText(result, nullptr)
                            : editUnformattedText(start, result, nullptr),
             accepted);
    QVERIFY2(script.done(), qPrintable(script.failure()));
    QCOMPARE(result, text);
}

void KelvoImgInputDlgTest::charactersOutsideLatin1_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("text");

    // Store: the characters are replaced. Edit: the dialog stays open and the author replaces them.
    QTest::newRow("store anyway") << 1 << "5 ? f\u00fcr ?, ?";
    QTest::newRow("edit") << 2 << "5 Euro";
}

void KelvoImgInputDlgTest::charactersOutsideLatin1() {
    QFETCH(int, answer);
    QFETCH(QString, text);

    KelvoDialogScript script;
    script.then<KelvoImgInputDlg>([](KelvoImgInputDlg* dialog) {
        KelvoDialogScript::type(dialog, TextEdit,
                                QStringLiteral("5 \u20ac f\u00fcr \u263a, \u20ac"));
        KelvoDialogScript::click(dialog, QStringLiteral("okButton"));
    });
    script.then<KelvoMsgDlg>([&](KelvoMsgDlg* message) {
        // Each character that will not survive is named once; Latin-1 ones are not named.
        const QString shown = KelvoDialogScript::messageText(message);
        QVERIFY2(shown.contains(QStringLiteral("\n\u20ac\u263a\n")), qPrintable(shown));
        KelvoDialogScript::click(message, QStringLiteral("button%1").arg(answer));
    });
    if (answer == 2) {
        script.then<KelvoImgInputDlg>([](KelvoImgInputDlg* dialog) {
            KelvoDialogScript::type(dialog, TextEdit, QStringLiteral("5 Euro"));
            KelvoDialogScript::click(dialog, QStringLiteral("okButton"));
        });
    }
    QString result;
    QVERIFY(enterUnformattedText(result, nullptr));
    QVERIFY2(script.done(), qPrintable(script.failure()));
    QCOMPARE(result, text);
}

QTEST_MAIN(KelvoImgInputDlgTest)
#include "kelvoimginputdlg_test.moc"
