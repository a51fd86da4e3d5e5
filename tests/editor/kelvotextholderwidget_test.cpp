// Text holders as the author uses them: a click on a holder reopens its unformatted text, or
// runs the dictionary entry flow against the delivered main dictionary and a temporary private
// one.
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
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

constexpr int German = 3; // in the delivered language list

// The private dictionary: an item only it has, and one that shares its German term with an item
// of the main dictionary.
const QByteArray PrivateItems =
    "<DictItem id=\"9\">wolpertinger\n<de><de_P>Wolpertinger</de_P></de>\n"
    "</DictItem>\n\n"
    "<DictItem id=\"50\">privatewoman\n<de><de_P>Frau</de_P></de>\n"
    "</DictItem>\n\n";

struct Entry {
    int language;
    QString text;
    int id;
    QString codedWord;
};

Entry entryOf(const KelvoTextHolderWidget& holder) {
    return {holder.languageIndex(), holder.text(), holder.entryId(), holder.codedWord()};
}

void compareEntry(const KelvoTextHolderWidget& holder, const Entry& expected) {
    QCOMPARE(holder.languageIndex(), expected.language);
    QCOMPARE(holder.text(), expected.text);
    QCOMPARE(holder.entryId(), expected.id);
    QCOMPARE(holder.codedWord(), expected.codedWord);
}

// Chooses a language with the keyboard, as the author would, and types the term.
void answerEntry(KelvoDictEntryDlg* dialog, int language, const QString& term) {
    auto* box = dialog->findChild<QComboBox*>(QStringLiteral("languageBox"));
    QVERIFY(box);
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < language; ++i)
        QTest::keyClick(box, Qt::Key_Down);
    KelvoDialogScript::type(dialog, QStringLiteral("termEdit"), term);
    KelvoDialogScript::click(dialog, QStringLiteral("okButton"));
}

} // namespace

class KelvoTextHolderWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void unformattedText_data();
    void unformattedText();
    void termFound_data();
    void termFound();
    void entryKeptWhenNotChanged_data();
    void entryKeptWhenNotChanged();
    void newTermGoesToPrivateDictionary_data();
    void newTermGoesToPrivateDictionary();
    void newTermDeclined_data();
    void newTermDeclined();

private:
    KelvoTextHolderWidget* dictHolder();
    // Presses and releases the left button over the holder.
    static void clickHolder(KelvoTextHolderWidget* holder) {
        QTest::mouseClick(holder, Qt::LeftButton, {}, QPoint(11, 11));
    }

    std::unique_ptr<KelvoDeliveredTestDir> m_dir;
    std::unique_ptr<QWidget> m_window;
};

void KelvoTextHolderWidgetTest::init() {
    m_dir = std::make_unique<KelvoDeliveredTestDir>(PrivateItems);
    m_window = std::make_unique<QWidget>();
    m_window->resize(300, 200);
    m_window->show();
}

void KelvoTextHolderWidgetTest::cleanup() {
    m_window.reset();
    m_dir.reset();
}

KelvoTextHolderWidget* KelvoTextHolderWidgetTest::dictHolder() {
    auto* holder = new KelvoTextHolderWidget(m_window.get(), QStringLiteral("TextHolder"),
                                             QString(), KelvoTextPictures::dictHolderIcon(), true);
    holder->show();
    return holder;
}

void KelvoTextHolderWidgetTest::unformattedText_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("text");

    QTest::newRow("changed") << "Neuer Text"
                             << "okButton"
                             << "Neuer Text";
    QTest::newRow("emptied") << ""
                             << "okButton"
                             << "";
    QTest::newRow("cancelled") << "Neuer Text"
                               << "cancelButton"
                               << "Alter Text";
}

void KelvoTextHolderWidgetTest::unformattedText() {
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(QString, text);

    const QPixmap icon = KelvoTextPictures::textHolderIcon();
    auto* holder = new KelvoTextHolderWidget(m_window.get(), QStringLiteral("TextHolder"),
                                             QStringLiteral("Alter Text"), icon, false);
    holder->show();
    QSignalSpy edited(holder, &KelvoTextHolderWidget::edited);

    KelvoDialogScript script;
    script.then<KelvoImgInputDlg>([&](KelvoImgInputDlg* dialog) {
        QCOMPARE(dialog->findChild<QPlainTextEdit*>()->toPlainText(), QStringLiteral("Alter Text"));
        KelvoDialogScript::type(dialog, QStringLiteral("textEdit"), typed);
        KelvoDialogScript::click(dialog, button);
    });
    clickHolder(holder);
    QVERIFY2(script.done(), qPrintable(script.failure()));
    QCOMPARE(holder->text(), text);
    QCOMPARE(holder->toolTip(), text);
    QCOMPARE(edited.count(), button == QLatin1String("okButton") ? 1 : 0);
    QCOMPARE(holder->codedWord(), QString());
}

void KelvoTextHolderWidgetTest::termFound_data() {
    QTest::addColumn<QString>("term");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("codedWord");

    QTest::newRow("main dictionary, any case") << "MANN" << 1 << "man";
    QTest::newRow("private dictionary only") << "WOLPERTINGER" << 9 << "wolpertinger";
    QTest::newRow("both: the main one wins") << "Frau" << 2 << "woman";
}

void KelvoTextHolderWidgetTest::termFound() {
    QFETCH(QString, term);
    QFETCH(int, id);
    QFETCH(QString, codedWord);

    KelvoTextHolderWidget* holder = dictHolder();
    QSignalSpy edited(holder, &KelvoTextHolderWidget::edited);
    KelvoDialogScript script;
    script.then<KelvoDictEntryDlg>(
        [&](KelvoDictEntryDlg* dialog) { answerEntry(dialog, German, term); });
    clickHolder(holder);
    QVERIFY2(script.done(), qPrintable(script.failure()));
    compareEntry(*holder, {German, term, id, codedWord});
    QCOMPARE(edited.count(), 1);
}

void KelvoTextHolderWidgetTest::entryKeptWhenNotChanged_data() {
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("button");

    QTest::newRow("cancelled") << "Mann"
                               << "cancelButton";
    QTest::newRow("no term") << "  "
                             << "okButton";
}

void KelvoTextHolderWidgetTest::entryKeptWhenNotChanged() {
    QFETCH(QString, term);
    QFETCH(QString, button);

    KelvoTextHolderWidget* holder = dictHolder();
    KelvoDialogScript first;
    first.then<KelvoDictEntryDlg>(
        [](KelvoDictEntryDlg* dialog) { answerEntry(dialog, German, QStringLiteral("Frau")); });
    QVERIFY(holder->editDictEntry());
    QVERIFY2(first.done(), qPrintable(first.failure()));
    const Entry before = entryOf(*holder);

    // The dialog shows the holder's entry again.
    KelvoDialogScript script;
    script.then<KelvoDictEntryDlg>([&](KelvoDictEntryDlg* dialog) {
        QCOMPARE(dialog->findChild<QComboBox*>()->currentIndex(), German);
        QCOMPARE(dialog->findChild<QLineEdit*>()->text(), QStringLiteral("Frau"));
        KelvoDialogScript::type(dialog, QStringLiteral("termEdit"), term);
        KelvoDialogScript::click(dialog, button);
    });
    QSignalSpy edited(holder, &KelvoTextHolderWidget::edited);
    clickHolder(holder);
    QVERIFY2(script.done(), qPrintable(script.failure()));
    compareEntry(*holder, before);
    QCOMPARE(edited.count(), 0);
}

// The dictionary editor opens with the term the author looked up in the field of its language.
void KelvoTextHolderWidgetTest::newTermGoesToPrivateDictionary_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("english");    // the English field as the editor opens
    QTest::addColumn<QString>("addEnglish"); // what the author then types there, if anything
    QTest::addColumn<QString>("codedWord");
    QTest::newRow("German term") << German << "Einhorn"
                                 << ""
                                 << "unicorn"
                                 << "unicorn";
    QTest::newRow("English term") << 0 << "unicorn"
                                  << "unicorn"
                                  << ""
                                  << "unicorn";
}

void KelvoTextHolderWidgetTest::newTermGoesToPrivateDictionary() {
    QFETCH(int, language);
    QFETCH(QString, typed);
    QFETCH(QString, english);
    QFETCH(QString, addEnglish);
    QFETCH(QString, codedWord);

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
            shownEnglish = editor->findChild<QLineEdit*>(QStringLiteral("englishEdit"))->text();
            shownGerman = editor->findChild<QLineEdit*>(QStringLiteral("edit_de"))->text();
            if (!addEnglish.isEmpty())
                KelvoDialogScript::type(editor, QStringLiteral("englishEdit"), addEnglish);
            KelvoDialogScript::click(editor, QStringLiteral("okButton"));
        });
    clickHolder(holder);
    QVERIFY2(script.done(), qPrintable(script.failure()));
    QCOMPARE(notice, QStringLiteral("The term is not in the dictionary yet.\nYou can now add it to "
                                    "your private dictionary ..."));
    QCOMPARE(shownEnglish, english);
    QCOMPARE(shownGerman, language == German ? typed : QString());
    compareEntry(*holder, {language, typed, -1, codedWord});

    // Viewers resolve the reference the picture will carry.
    QString term;
    TheS_DictItem item;
    QVERIFY(KelvoXmlParser().lookup(QStringLiteral("<%1>%2").arg(codedWord, typed), term, item));
    QCOMPARE(item.translations.value(language).primary, typed);

    // The next time the term is found.
    KelvoTextHolderWidget* second = dictHolder();
    KelvoDialogScript again;
    again.then<KelvoDictEntryDlg>(
        [&](KelvoDictEntryDlg* dialog) { answerEntry(dialog, language, typed.toLower()); });
    clickHolder(second);
    QVERIFY2(again.done(), qPrintable(again.failure()));
    compareEntry(*second, {language, typed.toLower(), -1, codedWord});
}

void KelvoTextHolderWidgetTest::newTermDeclined_data() {
    QTest::addColumn<bool>("closeNotice");
    QTest::newRow("notice closed") << true;
    QTest::newRow("editor cancelled") << false;
}

void KelvoTextHolderWidgetTest::newTermDeclined() {
    QFETCH(bool, closeNotice);

    const QByteArray original = m_dir->read(KelvoDeliveredTestDir::PrivatePath);
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
    compareEntry(*holder, {-1, QString(), -1, QString()});
    QCOMPARE(m_dir->read(KelvoDeliveredTestDir::PrivatePath), original);
}

QTEST_MAIN(KelvoTextHolderWidgetTest)
#include "kelvotextholderwidget_test.moc"
