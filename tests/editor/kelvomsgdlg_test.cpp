// The message dialog answered the ways a user answers it: a button by the mouse, the default
// button by Return, and no answer by Escape or by closing the window.
#include "kelvodialogscript.h"
#include "kelvomsgdlg.h"

#include <QPushButton>
#include <QtTest>

namespace {

enum class Answer { Click1, Click2, Click3, Return, Escape, Close };

} // namespace

Q_DECLARE_METATYPE(Answer)

class KelvoMsgDlgTest : public QObject {
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
};

void KelvoMsgDlgTest::answers_data() {
    QTest::addColumn<QString>("button2");
    QTest::addColumn<QString>("button3");
    QTest::addColumn<int>("defaultButton");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("result");

    const QString no = QStringLiteral("No");
    const QString cancel = QStringLiteral("Cancel");
    QTest::newRow("only button 1, clicked")
        << QString() << QString() << 1 << Answer::Click1 << true << 1;
    QTest::newRow("button 2 clicked") << no << cancel << 1 << Answer::Click2 << true << 2;
    QTest::newRow("button 3 clicked") << no << cancel << 1 << Answer::Click3 << true << 3;
    QTest::newRow("default 1 by Return") << no << cancel << 1 << Answer::Return << true << 1;
    QTest::newRow("default 2 by Return") << no << cancel << 2 << Answer::Return << true << 2;
    QTest::newRow("default 3 by Return") << no << cancel << 3 << Answer::Return << true << 3;
    QTest::newRow("default 3 without button 3")
        << no << QString() << 3 << Answer::Return << true << 1;
    QTest::newRow("default 2 without button 2")
        << QString() << QString() << 2 << Answer::Return << true << 1;
    QTest::newRow("default out of range") << no << cancel << 7 << Answer::Return << true << 1;
    QTest::newRow("Escape") << no << cancel << 2 << Answer::Escape << false << -1;
    QTest::newRow("window closed") << no << cancel << 1 << Answer::Close << false << -1;
}

void KelvoMsgDlgTest::answers() {
    QFETCH(QString, button2);
    QFETCH(QString, button3);
    QFETCH(int, defaultButton);
    QFETCH(Answer, answer);
    QFETCH(bool, accepted);
    QFETCH(int, result);

    QString caption;
    QString text;
    KelvoDialogScript script;
    script.then<KelvoMsgDlg>([&](KelvoMsgDlg* dialog) {
        caption = dialog->windowTitle();
        text = KelvoDialogScript::messageText(dialog);
        switch (answer) {
        case Answer::Click1:
        case Answer::Click2:
        case Answer::Click3:
            KelvoDialogScript::click(dialog, QStringLiteral("button%1").arg(int(answer) + 1));
            break;
        case Answer::Return:
            QTest::keyClick(dialog, Qt::Key_Return);
            break;
        case Answer::Escape:
            QTest::keyClick(dialog, Qt::Key_Escape);
            break;
        case Answer::Close:
            dialog->close();
            break;
        }
    });
    int pressed = -1;
    QCOMPARE(showMessage(pressed, nullptr, QStringLiteral("Kelvo - Message"),
                         QStringLiteral("Really?"), QStringLiteral("Yes"), defaultButton, button2,
                         button3),
             accepted);
    QVERIFY2(script.done(), qPrintable(script.failure()));
    QCOMPARE(pressed, result);
    QCOMPARE(caption, QStringLiteral("Kelvo - Message"));
    QCOMPARE(text, QStringLiteral("Really?"));
}

QTEST_MAIN(KelvoMsgDlgTest)
#include "kelvomsgdlg_test.moc"
