// Text holders and the dictionary editor as the author uses them, against the delivered main
// dictionary and a temporary private one: a click on a holder reopens its unformatted text or
// runs the dictionary entry flow; a new item's look in the file and to the viewers' lookup, what
// the author is told when an item cannot be added, and that the file then stays as it was.
#include "kelvodeliveredtestdir.h"
#include "kelvodialogscript.h"
#include "kelvodicteditor.h"
#include "kelvodictentrydlg.h"
#include "kelvoimginputdlg.h"
#include "kelvomsgdlg.h"
#include "kelvotextholderwidget.h"
#include "kelvotextpictures.h"
#include "kelvoxmlparser.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QtTest>

#include <memory>
#include <tuple>

namespace {

constexpr int German = 3; // in the delivered language list

// The private dictionary: an item only it has, and one that shares its German term with an item
// of the main dictionary.
const QByteArray PrivateItems =
    "<DictItem id=\"9\">wolpertinger\n<de><de_P>Wolpertinger</de_P></de>\n"
    "</DictItem>\n\n"
    "<DictItem id=\"50\">privatewoman\n<de><de_P>Frau</de_P></de>\n"
    "</DictItem>\n\n";

// A holder's language, text, entry id and coded word.
using Entry = std::tuple<int, QString, int, QString>;

Entry entry(const KelvoTextHolderWidget& holder) {
    return {holder.languageIndex(), holder.text(), holder.entryId(), holder.codedWord()};
}

// Chooses a language with the keyboard, as the author would, types the term and presses
// `button`.
void answerEntry(KelvoDictEntryDlg* dialog, int language, const QString& term,
                 const QString& button = QStringLiteral("okButton")) {
    auto* box = dialog->findChild<QComboBox*>(QStringLiteral("languageBox"));
    QVERIFY(box);
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < language; ++i)
        QTest::keyClick(box, Qt::Key_Down);
    KelvoDialogScript::type(dialog, QStringLiteral("termEdit"), term);
    KelvoDialogScript::click(dialog, button);
}

using Fields = QList<QPair<QString, QString>>; // line edit name -> typed text

const QString English = QStringLiteral("englishEdit");

void fill(QWidget* editor, const Fields& fields) {
    for (const auto& [name, text] : fields)
        KelvoDialogScript::type(editor, name, text);
}

QString editText(QWidget* editor, const QString& name) {
    auto* edit = editor->findChild<QLineEdit*>(name);
    return edit ? edit->text() : QStringLiteral("<no %1>").arg(name);
}

// What adding an item to the private dictionary hands back: accepted, coded word, term and
// language; the initial values where nothing was handed back.
using Outcome = std::tuple<bool, QString, QString, int>;
const Outcome Refused{false, QStringLiteral("unset"), QStringLiteral("unset"), -7};

Outcome runAddDictItem() {
    auto [accepted, codedWord, term, language] = Refused;
    accepted = addDictItem(KelvoXmlParser::PrivateDictionary, codedWord, term, language, nullptr);
    return {accepted, codedWord, term, language};
}

} // namespace

class KelvoTextHolderWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_dir = std::make_unique<KelvoDeliveredTestDir>(PrivateItems);
        m_window = std::make_unique<QWidget>();
        m_window->resize(300, 200);
        m_window->show();
        m_original = privateFile();
    }

    void cleanup() {
        m_window.reset();
        m_dir.reset();
    }

    void unformattedText_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok"); // else Cancel
        QTest::addColumn<QString>("text");
        QTest::newRow("changed") << "Neuer Text" << true << "Neuer Text";
        QTest::newRow("emptied") << "" << true << "";
        QTest::newRow("cancelled") << "Neuer Text" << false << "Alter Text";
    }

    void unformattedText() {
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        QFETCH(QString, text);

        const QPixmap icon = KelvoTextPictures::textHolderIcon();
        auto* holder = new KelvoTextHolderWidget(m_window.get(), QStringLiteral("TextHolder"),
                                                 QStringLiteral("Alter Text"), icon, false);
        holder->show();
        QSignalSpy edited(holder, &KelvoTextHolderWidget::edited);

        KelvoDialogScript script;
        script.then<KelvoImgInputDlg>([&](KelvoImgInputDlg* dialog) {
            QCOMPARE(dialog->findChild<QPlainTextEdit*>()->toPlainText(),
                     QStringLiteral("Alter Text"));
            KelvoDialogScript::type(dialog, QStringLiteral("textEdit"), typed);
            KelvoDialogScript::click(dialog, ok ? QStringLiteral("okButton")
                                                : QStringLiteral("cancelButton"));
        });
        clickHolder(holder);
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QCOMPARE(holder->text(), text);
        QCOMPARE(holder->toolTip(), text);
        QCOMPARE(edited.count(), ok ? 1 : 0);
        QCOMPARE(holder->codedWord(), QString());
    }

    void termFound_data() {
        QTest::addColumn<QString>("before"); // the holder's German term before; empty: none
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("codedWord");
        const QString ok = QStringLiteral("okButton");
        QTest::newRow("main dictionary, any case") << QString() << "MANN" << ok << 1 << "man";
        QTest::newRow("private dictionary only")
            << QString() << "WOLPERTINGER" << ok << 9 << "wolpertinger";
        QTest::newRow("both: the main one wins") << QString() << "Frau" << ok << 2 << "woman";
        QTest::newRow("cancelled: kept") << "Frau"
                                         << "Mann"
                                         << "cancelButton" << 2 << "woman";
        QTest::newRow("no term: kept") << "Frau"
                                       << "  " << ok << 2 << "woman";
    }

    // A found term becomes the holder's entry; a cancelled dialog or no term keeps the one before,
    // which the dialog shows again.
    void termFound() {
        QFETCH(QString, before);
        QFETCH(QString, term);
        QFETCH(QString, button);
        QFETCH(int, id);
        QFETCH(QString, codedWord);

        KelvoTextHolderWidget* holder = dictHolder();
        if (!before.isEmpty()) {
            KelvoDialogScript first;
            first.then<KelvoDictEntryDlg>(
                [&](KelvoDictEntryDlg* dialog) { answerEntry(dialog, German, before); });
            QVERIFY(holder->editDictEntry());
            QVERIFY2(first.done(), qPrintable(first.failure()));
        }
        QSignalSpy edited(holder, &KelvoTextHolderWidget::edited);
        KelvoDialogScript script;
        script.then<KelvoDictEntryDlg>([&](KelvoDictEntryDlg* dialog) {
            QCOMPARE(dialog->findChild<QLineEdit*>()->text(), before);
            if (!before.isEmpty())
                QCOMPARE(dialog->findChild<QComboBox*>()->currentIndex(), German);
            answerEntry(dialog, German, term, button);
        });
        clickHolder(holder);
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QCOMPARE(entry(*holder), Entry(German, before.isEmpty() ? term : before, id, codedWord));
        QCOMPARE(edited.count(), before.isEmpty() ? 1 : 0);
    }

    void newTermGoesToPrivateDictionary_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("typed");
        QTest::newRow("German term") << German << "Einhorn";
        QTest::newRow("English term") << 0 << "unicorn";
    }

    // The dictionary editor opens with the term the author looked up in the field of its language;
    // the author adds the obligatory English term if that was not it.
    void newTermGoesToPrivateDictionary() {
        QFETCH(int, language);
        QFETCH(QString, typed);
        const QString codedWord = QStringLiteral("unicorn");
        KelvoTextHolderWidget* holder = dictHolder();
        QString notice;
        QString shownEnglish;
        QString shownGerman;
        KelvoDialogScript script;
        script
            .then<KelvoDictEntryDlg>(
                [&](KelvoDictEntryDlg* dialog) { answerEntry(dialog, language, typed); })
            .pressOnMessage(1, &notice)
            .then<KelvoDictEditor>([&](KelvoDictEditor* editor) {
                shownEnglish = editText(editor, English);
                shownGerman = editText(editor, QStringLiteral("edit_de"));
                if (language != 0)
                    KelvoDialogScript::type(editor, English, codedWord);
                KelvoDialogScript::click(editor, QStringLiteral("okButton"));
            });
        clickHolder(holder);
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QCOMPARE(notice,
                 QStringLiteral("The term is not in the dictionary yet.\nYou can now add it to "
                                "your private dictionary ..."));
        QCOMPARE(shownEnglish, language == 0 ? typed : QString());
        QCOMPARE(shownGerman, language == German ? typed : QString());
        QCOMPARE(entry(*holder), Entry(language, typed, -1, codedWord));

        // Viewers resolve the reference the picture will carry.
        QString term;
        TheS_DictItem item;
        QVERIFY(
            KelvoXmlParser().lookup(QStringLiteral("<%1>%2").arg(codedWord, typed), term, item));
        QCOMPARE(item.translations.value(language).primary, typed);

        // The next time the term is found.
        KelvoTextHolderWidget* second = dictHolder();
        KelvoDialogScript again;
        again.then<KelvoDictEntryDlg>(
            [&](KelvoDictEntryDlg* dialog) { answerEntry(dialog, language, typed.toLower()); });
        clickHolder(second);
        QVERIFY2(again.done(), qPrintable(again.failure()));
        QCOMPARE(entry(*second), Entry(language, typed.toLower(), -1, codedWord));
    }

    void newTermDeclined_data() {
        QTest::addColumn<bool>("closeNotice");
        QTest::newRow("notice closed") << true;
        QTest::newRow("editor cancelled") << false;
    }

    void newTermDeclined() {
        QFETCH(bool, closeNotice);

        KelvoTextHolderWidget* holder = dictHolder();
        KelvoDialogScript script;
        script
            .then<KelvoDictEntryDlg>([](KelvoDictEntryDlg* dialog) {
                answerEntry(dialog, German, QStringLiteral("Einhorn"));
            })
            .then<KelvoMsgDlg>([&](KelvoMsgDlg* notice) {
                if (closeNotice)
                    QTest::keyClick(notice, Qt::Key_Escape);
                else
                    KelvoDialogScript::click(notice, QStringLiteral("button1"));
            });
        if (!closeNotice) {
            script.then<KelvoDictEditor>([](KelvoDictEditor* editor) {
                KelvoDialogScript::type(editor, QStringLiteral("englishEdit"),
                                        QStringLiteral("unicorn"));
                KelvoDialogScript::click(editor, QStringLiteral("cancelButton"));
            });
        }
        QVERIFY(!holder->editDictEntry());
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QCOMPARE(entry(*holder), Entry(-1, QString(), -1, QString()));
        QCOMPARE(privateFile(), m_original);
    }

    void addsItem_data() {
        QTest::addColumn<Fields>("fields");
        QTest::addColumn<QString>("term");
        QTest::addColumn<int>("language");
        QTest::addColumn<QList<int>>("languages");

        QTest::newRow("first further language in list order")
            << Fields{{English, "unicorn"}, {"edit_nl", "eenhoorn"}, {"edit_fr", "licorne"}}
            << "licorne" << 1 << QList<int>{0, 1, 5};
        QTest::newRow("blanks around terms")
            << Fields{{English, "  unicorn "}, {"edit_es", "   "}, {"edit_it", " unicorno"}}
            << "unicorno" << 4 << QList<int>{0, 4};
    }

    void addsItem() {
        QFETCH(Fields, fields);
        QFETCH(QString, term);
        QFETCH(int, language);
        QFETCH(QList<int>, languages);

        KelvoDialogScript script;
        script.then<KelvoDictEditor>([&](KelvoDictEditor* editor) {
            // "obligatory" is a hint, not a text that the author has to delete first.
            QCOMPARE(editText(editor, English), QString());
            fill(editor, fields);
            KelvoDialogScript::click(editor, QStringLiteral("okButton"));
        });
        const Outcome out = runAddDictItem();
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QCOMPARE(out, Outcome(true, QStringLiteral("unicorn"), term, language));

        // Appended after what was there, without an id.
        const QByteArray file = privateFile();
        QVERIFY(file.startsWith(m_original.left(m_original.indexOf("</kelvoDictionary>"))));
        QCOMPARE(file.count("<DictItem>unicorn\n"), 1);
        QCOMPARE(file.count("<DictItem"), m_original.count("<DictItem") + 1);

        // The viewers find it by its coded word, with the terms typed and no others.
        QString shownTerm;
        TheS_DictItem item;
        QVERIFY(KelvoXmlParser().lookup(QStringLiteral("<unicorn>") + term, shownTerm, item));
        QCOMPARE(shownTerm, term);
        QCOMPARE(item.translations.keys(), languages);
        QCOMPARE(item.translations.value(language).primary, term);
    }

    void refusedEnglishTerm_data() {
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("existing"); // an item has the coded word: it is used, not added

        const QString obligatory = QStringLiteral("The English term is obligatory ...");
        QTest::newRow("empty") << "" << obligatory << false;
        QTest::newRow("blanks") << "   " << obligatory << false;
        // The coded word goes into pictures as Latin-1 text between "<" and ">".
        QTest::newRow("angle brackets") << "a<b>c" << QStringLiteral("\n<>") << false;
        QTest::newRow("outside Latin-1")
            << "\u20acuro \u00e9t\u00e9 \u20ac" << QStringLiteral("\n\u20ac") << false;
        const QString holds = QStringLiteral("already holds an item for \"%1\"");
        QTest::newRow("in the private dictionary")
            << "wolpertinger" << holds.arg("wolpertinger") << true;
        QTest::newRow("in the main dictionary") << "woman" << holds.arg("woman") << true;
    }

    // A refused English term is told and the editor stays open with what the author typed; a coded
    // word that an item has already is told and that item is used. Nothing is written.
    void refusedEnglishTerm() {
        QFETCH(QString, english);
        QFETCH(QString, message);
        QFETCH(bool, existing);

        QString caption;
        QString text;
        KelvoDialogScript script;
        script
            .then<KelvoDictEditor>([&](KelvoDictEditor* editor) {
                fill(editor, {{English, english}, {"edit_de", "Einhorn"}});
                KelvoDialogScript::click(editor, QStringLiteral("okButton"));
            })
            .pressOnMessage(1, &text, &caption);
        if (!existing) {
            script.then<KelvoDictEditor>([&](KelvoDictEditor* editor) {
                QCOMPARE(editText(editor, English), english);
                QCOMPARE(editText(editor, QStringLiteral("edit_de")), QStringLiteral("Einhorn"));
                KelvoDialogScript::click(editor, QStringLiteral("cancelButton"));
            });
        }
        const Outcome out = runAddDictItem();
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QCOMPARE(caption, QStringLiteral("Kelvo - Message"));
        QVERIFY2(existing ? text.contains(message) : text.endsWith(message), qPrintable(text));
        QCOMPARE(out,
                 existing ? Outcome(true, english, QStringLiteral("Einhorn"), German) : Refused);
        QCOMPARE(privateFile(), m_original);
    }

    void unusableDictionary_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("reason");

        QTest::newRow("missing") << "remove"
                                 << "The file does not exist.";
        QTest::newRow("a folder") << "folder"
                                  << "It is not a file.";
        QTest::newRow("not a dictionary") << "broken"
                                          << "The file is not a valid dictionary.";
        QTest::newRow("read-only") << "read-only"
                                   << "The file is read-only.";
    }

    // The author is told before typing anything; nothing is written.
    void unusableDictionary() {
        QFETCH(QString, damage);
        QFETCH(QString, reason);

        const QString path = privatePath();
        if (damage == QLatin1String("remove") || damage == QLatin1String("folder"))
            QVERIFY(QFile::remove(path));
        if (damage == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(path));
        if (damage == QLatin1String("broken"))
            m_dir->write(KelvoDeliveredTestDir::PrivatePath, "<kelvoDictionary><DictItem>");
        if (damage == QLatin1String("read-only"))
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
        const QByteArray before = privateFile();
        const QDir folder(m_dir->path(QStringLiteral("dictionary")));
        const QStringList entries = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        QString caption;
        QString text;
        KelvoDialogScript script;
        script.pressOnMessage(1, &text, &caption);
        const Outcome out = runAddDictItem();
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QCOMPARE(caption, QStringLiteral("Kelvo - Message"));
        QCOMPARE(text, QStringLiteral("The private dictionary could not be opened:\n%1\n%2")
                           .arg(QDir::toNativeSeparators(path), reason));
        QCOMPARE(out, Refused);
        QCOMPARE(privateFile(), before);
        QCOMPARE(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), entries);
    }

    // The private dictionary is a link to a file whose name leaves no room for the name of the
    // temporary file that saving writes first, so saving fails for any user, root included.
    void failedSaveKeepsFileAndEntries() {
        const QString realPath =
            m_dir->path(QString(250, QLatin1Char('p')) + QStringLiteral(".xml"));
        const QString path = privatePath();
        QVERIFY(QFile::rename(path, realPath));
        QVERIFY(QFile::link(realPath, path));

        KelvoDialogScript script;
        script
            .then<KelvoDictEditor>([&](KelvoDictEditor* editor) {
                fill(editor, {{English, "unicorn"}, {"edit_de", "Einhorn"}});
                KelvoDialogScript::click(editor, QStringLiteral("okButton"));
            })
            .then<KelvoMsgDlg>([&](KelvoMsgDlg* warning) {
                const QString text = KelvoDialogScript::messageText(warning);
                QVERIFY2(
                    text.startsWith(QStringLiteral("The private dictionary could not be saved:\n") +
                                    QDir::toNativeSeparators(path) + QLatin1Char('\n')),
                    qPrintable(text));
                // The author makes room before trying again.
                QVERIFY(QFile::remove(path));
                QVERIFY(QFile::copy(realPath, path));
                KelvoDialogScript::click(warning, QStringLiteral("button1"));
            })
            .then<KelvoDictEditor>([&](KelvoDictEditor* editor) {
                QCOMPARE(editText(editor, English), QStringLiteral("unicorn"));
                QCOMPARE(editText(editor, QStringLiteral("edit_de")), QStringLiteral("Einhorn"));
                KelvoDialogScript::click(editor, QStringLiteral("okButton"));
            });
        const Outcome out = runAddDictItem();
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QCOMPARE(out, Outcome(true, QStringLiteral("unicorn"), QStringLiteral("Einhorn"), German));
        QCOMPARE(KelvoTestDir::readFile(realPath), m_original);
        // Nothing is left beside the real file: the two delivered files, its folder and itself.
        QCOMPARE(QDir(m_dir->root())
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                     .size(),
                 4);
        // The second try wrote the item once, not once per try.
        QCOMPARE(privateFile().count("<DictItem>unicorn\n"), 1);
    }

private:
    QByteArray privateFile() const { return m_dir->read(KelvoDeliveredTestDir::PrivatePath); }
    QString privatePath() const { return m_dir->path(KelvoDeliveredTestDir::PrivatePath); }
    KelvoTextHolderWidget* dictHolder();
    // Presses and releases the left button over the holder.
    static void clickHolder(KelvoTextHolderWidget* holder) {
        QTest::mouseClick(holder, Qt::LeftButton, {}, QPoint(11, 11));
    }

    std::unique_ptr<KelvoDeliveredTestDir> m_dir;
    std::unique_ptr<QWidget> m_window;
    QByteArray m_original;
};

KelvoTextHolderWidget* KelvoTextHolderWidgetTest::dictHolder() {
    auto* holder = new KelvoTextHolderWidget(m_window.get(), QStringLiteral("TextHolder"),
                                             QString(), KelvoTextPictures::dictHolderIcon(), true);
    holder->show();
    return holder;
}

QTEST_MAIN(KelvoTextHolderWidgetTest)
#include "kelvotextholderwidget_test.moc"
