// The editor's small dialogs answered the ways a user answers them: the message dialog by a
// button, Return, Escape or closing; the text type by its pictures; the unformatted text input,
// with Ctrl+Return and the warning about characters a picture cannot keep; the dialog after a
// generation, saving under a name outside Latin-1 or not saving.
#include "kelvodialogscript.h"
#include "kelvoencdonedlg.h"
#include "kelvoimginputdlg.h"
#include "kelvomsgdlg.h"
#include "kelvopaths.h"
#include "kelvotexttypedlg.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QtTest>

#include <tuple>

namespace {

const QString TextEdit = QStringLiteral("textEdit");

// Clicks a radio button where it reacts: on its picture, not merely somewhere in its row.
void clickPicture(QWidget* dialog, const QString& name) {
    auto* button = dialog->findChild<QRadioButton*>(name);
    QVERIFY2(button, qPrintable(name));
    QStyleOptionButton option;
    option.initFrom(button);
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    const QRect area =
        button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
    QTest::mouseClick(button, Qt::LeftButton, {}, area.center());
}

// "Return", "Escape", "close" or a button's number.
void answer(QDialog* dialog, const QString& how) {
    if (how == QLatin1String("Return") || how == QLatin1String("Escape")) {
        QTest::keyClick(dialog, how == QLatin1String("Return") ? Qt::Key_Return : Qt::Key_Escape);
    } else if (how == QLatin1String("close")) {
        dialog->close();
    } else {
        KelvoDialogScript::click(dialog, QStringLiteral("button") + how);
    }
}

} // namespace

class KelvoDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        qputenv("KELVO_DIR", (m_dir.path() + QLatin1Char('/')).toUtf8());
    }

    void message_data() {
        QTest::addColumn<QString>("button2");
        QTest::addColumn<QString>("button3");
        QTest::addColumn<int>("defaultButton");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result"); // -1: not accepted

        const QString no = QStringLiteral("No");
        const QString cancel = QStringLiteral("Cancel");
        QTest::newRow("only button 1, clicked") << QString() << QString() << 1 << "1" << 1;
        QTest::newRow("button 2 clicked") << no << cancel << 1 << "2" << 2;
        QTest::newRow("button 3 clicked") << no << cancel << 1 << "3" << 3;
        QTest::newRow("default 1 by Return") << no << cancel << 1 << "Return" << 1;
        QTest::newRow("default 2 by Return") << no << cancel << 2 << "Return" << 2;
        QTest::newRow("default 3 by Return") << no << cancel << 3 << "Return" << 3;
        QTest::newRow("default 3 without button 3") << no << QString() << 3 << "Return" << 1;
        QTest::newRow("default 2 without button 2") << QString() << QString() << 2 << "Return" << 1;
        QTest::newRow("default out of range") << no << cancel << 7 << "Return" << 1;
        QTest::newRow("Escape") << no << cancel << 2 << "Escape" << -1;
        QTest::newRow("window closed") << no << cancel << 1 << "close" << -1;
    }

    void message() {
        QFETCH(QString, button2);
        QFETCH(QString, button3);
        QFETCH(int, defaultButton);
        QFETCH(QString, how);
        QFETCH(int, result);

        QString caption;
        QString text;
        KelvoDialogScript script;
        script.then<KelvoMsgDlg>([&](KelvoMsgDlg* dialog) {
            caption = dialog->windowTitle();
            text = KelvoDialogScript::messageText(dialog);
            answer(dialog, how);
        });
        int pressed = -1;
        QCOMPARE(showMessage(pressed, nullptr, QStringLiteral("Kelvo - Message"),
                             QStringLiteral("Really?"), QStringLiteral("Yes"), defaultButton,
                             button2, button3),
                 result > 0);
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QCOMPARE(pressed, result);
        QCOMPARE(caption, QStringLiteral("Kelvo - Message"));
        QCOMPARE(text, QStringLiteral("Really?"));
    }

    // Which picture the author clicks decides the type; OK without a click means unformatted text.
    void textType_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("type"); // -7: cancelled, unchanged

        const QStringList types = {"Simple_Text", "Simple_Rect", "Simple_Ellipse", "Speech_Bubble",
                                   "Think_Bubble"};
        QTest::newRow("OK without a click") << QStringList() << "okButton" << 0;
        for (int type = 0; type < types.size(); ++type) {
            QTest::newRow(qPrintable(types[type]))
                << QStringList{types[type]} << "okButton" << type;
        }
        QTest::newRow("last click counts")
            << QStringList{"Think_Bubble", "Simple_Rect"} << "okButton" << 1;
        QTest::newRow("cancel keeps the type")
            << QStringList{"Speech_Bubble"} << "cancelButton" << -7;
    }

    void textType() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, button);
        QFETCH(int, type);

        KelvoDialogScript script;
        script.then<KelvoTextTypeDlg>([&](KelvoTextTypeDlg* dialog) {
            for (const QString& name : clicks) {
                clickPicture(dialog, name);
            }
            KelvoDialogScript::click(dialog, button);
        });
        int chosen = -7;
        QCOMPARE(chooseTextType(nullptr, chosen), type != -7);
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QCOMPARE(chosen, type);
    }

    // A null start text enters a new text, any other edits it. Return starts a new line;
    // Ctrl+Return (main or keypad) presses OK.
    void textInput_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button"); // or the key pressed with Ctrl
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("text");

        const char* const twoLines = "Gr\u00fc\u00dfe\nzwei Zeilen";
        const std::tuple<const char*, const char*, const char*, const char*, bool, const char*>
            rows[] = {{"entered", nullptr, twoLines, "okButton", true, twoLines},
                      {"Ctrl+Return", nullptr, twoLines, "Return", true, twoLines},
                      {"Ctrl+Enter", nullptr, twoLines, "Enter", true, twoLines},
                      {"entry cancelled", nullptr, "x", "cancelButton", false, ""},
                      {"appended", "alt", " und mehr", "okButton", true, "alt und mehr"},
                      {"emptied", "alt", "\b\b\b", "okButton", true, ""},
                      {"edit cancelled", "alt", " und mehr", "cancelButton", false, "stale"}};
        for (const auto& [tag, start, typed, button, accepted, text] : rows) {
            QTest::newRow(tag) << QString::fromUtf8(start) << QString::fromUtf8(typed)
                               << QString::fromUtf8(button) << accepted << QString::fromUtf8(text);
        }
    }

    void textInput() {
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
            if (button.endsWith(QLatin1String("Button"))) {
                KelvoDialogScript::click(dialog, button);
            } else {
                QTest::keyClick(edit,
                                button == QLatin1String("Enter") ? Qt::Key_Enter : Qt::Key_Return,
                                Qt::ControlModifier);
            }
        });
        QString result = QStringLiteral("stale");
        QCOMPARE(start.isNull() ? enterUnformattedText(result, nullptr)
                                : editUnformattedText(start, result, nullptr),
                 accepted);
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QCOMPARE(result, text);
    }

    // Store: the characters are replaced. Edit: the dialog stays open and the author replaces them.
    void charactersOutsideLatin1() {
        for (const int answer : {1, 2}) {
            KelvoDialogScript script;
            script.then<KelvoImgInputDlg>([](KelvoImgInputDlg* dialog) {
                KelvoDialogScript::type(dialog, TextEdit,
                                        QStringLiteral("5 \u20ac f\u00fcr \u263a, \u20ac"));
                KelvoDialogScript::click(dialog, QStringLiteral("okButton"));
            });
            script.then<KelvoMsgDlg>([answer](KelvoMsgDlg* message) {
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
            QCOMPARE(result, answer == 1 ? QStringLiteral("5 ? f\u00fcr ?, ?") : "5 Euro");
        }
    }

    // Saving through the file dialog keeps a folder and file name outside Latin-1 whole.
    void afterGeneration_data() {
        QTest::addColumn<QString>("how"); // "save", "cancel", or an answer() to the dialog itself
        QTest::newRow("saved") << "save";
        QTest::newRow("file dialog cancelled") << "file dialog cancelled";
        QTest::newRow("Cancel") << "cancel";
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("window closed") << "close";
    }

    void afterGeneration() {
        QFETCH(QString, how);
        const QString folder = m_dir.filePath(QStringLiteral("Kódované obrázky \u5199\u771F"));
        QVERIFY(QDir().mkpath(folder));
        const QString chosen = folder + QStringLiteral("/pláž \u0141\u00F3d\u017A.png");
        const bool saves = how == QLatin1String("save");

        KelvoDialogScript script;
        script.then<KelvoEncDoneDlg>([&](KelvoEncDoneDlg* done) {
            if (saves || how == QLatin1String("cancel")) {
                KelvoDialogScript::click(done, how);
            } else if (how.startsWith(QLatin1String("file"))) {
                KelvoDialogScript::click(done, QStringLiteral("save"));
            } else {
                answer(done, how);
            }
        });
        if (saves || how.startsWith(QLatin1String("file"))) {
            script.then<QFileDialog>([&](QFileDialog* files) {
                auto* nameEdit = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                QVERIFY(nameEdit);
                nameEdit->setText(chosen);
                QTest::keyClick(saves ? static_cast<QWidget*>(nameEdit) : files,
                                saves ? Qt::Key_Return : Qt::Key_Escape);
            });
        }
        QString fileName = QStringLiteral("unchanged");
        QCOMPARE(askSaveCodedImage(fileName, nullptr), saves);
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QCOMPARE(fileName, saves ? chosen : QStringLiteral("unchanged"));
    }

    void picturesFolder() {
        QCOMPARE(KelvoPaths::picturesFolder(), m_dir.path() + QStringLiteral("/My Kelvos"));
        const QByteArray saved = qgetenv("KELVO_DIR");
        qunsetenv("KELVO_DIR");
        QCOMPARE(KelvoPaths::picturesFolder(), QString());
        qputenv("KELVO_DIR", saved);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(KelvoDialogsTest)
#include "kelvodialogs_test.moc"
