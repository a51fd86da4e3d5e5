// The dictionary editor over a temporary private dictionary beside the delivered main one: what
// a new item looks like in the file and to the viewers' lookup, what the author is told when an
// item cannot be added, and that the file then stays as it was.
#include "kelvodeliveredtestdir.h"
#include "kelvodialogscript.h"
#include "kelvodicteditor.h"
#include "kelvomsgdlg.h"
#include "kelvoxmlparser.h"

#include <QDir>
#include <QLineEdit>
#include <QtTest>

#include <memory>

namespace {

using Fields = QList<QPair<QString, QString>>; // line edit name -> typed text

const QByteArray PrivateItems =
    "<DictItem id=\"9\">wolpertinger\n<de><de_P>Wolpertinger</de_P></de>\n"
    "</DictItem>\n\n";
const QString English = QStringLiteral("englishEdit");

void fill(QWidget* editor, const Fields& fields) {
    for (const auto& [name, text] : fields)
        KelvoDialogScript::type(editor, name, text);
}

QString editText(QWidget* editor, const QString& name) {
    auto* edit = editor->findChild<QLineEdit*>(name);
    return edit ? edit->text() : QStringLiteral("<no %1>").arg(name);
}

struct Outcome {
    bool accepted = false;
    QString codedWord = QStringLiteral("unset");
    QString term = QStringLiteral("unset");
    int language = -7;
};

Outcome runAddDictItem() {
    Outcome out;
    out.accepted = addDictItem(KelvoXmlParser::PrivateDictionary, out.codedWord, out.term,
                               out.language, nullptr);
    return out;
}

} // namespace

class KelvoDictEditorTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_dir.reset(); }
    void addsItem_data();
    void addsItem();
    void refusedEnglishTerm_data();
    void refusedEnglishTerm();
    void existingCodedWord_data();
    void existingCodedWord();
    void unusableDictionary_data();
    void unusableDictionary();
    void failedSaveKeepsFileAndEntries();

private:
    QByteArray privateFile() const { return m_dir->read(KelvoDeliveredTestDir::PrivatePath); }
    QString privatePath() const { return m_dir->path(KelvoDeliveredTestDir::PrivatePath); }

    std::unique_ptr<KelvoDeliveredTestDir> m_dir;
    QByteArray m_original;
};

void KelvoDictEditorTest::init() {
    m_dir = std::make_unique<KelvoDeliveredTestDir>(PrivateItems);
    m_original = privateFile();
}

void KelvoDictEditorTest::addsItem_data() {
    QTest::addColumn<Fields>("fields");
    QTest::addColumn<QString>("term");
    QTest::addColumn<int>("language");
    QTest::addColumn<QList<int>>("languages");

    QTest::newRow("English only") << Fields{{English, "unicorn"}} << "unicorn" << 0
                                  << QList<int>{0};
    QTest::newRow("English and German") << Fields{{English, "unicorn"}, {"edit_de", "Einhorn"}}
                                        << "Einhorn" << 3 << QList<int>{0, 3};
    QTest::newRow("first further language in list order")
        << Fields{{English, "unicorn"}, {"edit_nl", "eenhoorn"}, {"edit_fr", "licorne"}}
        << "licorne" << 1 << QList<int>{0, 1, 5};
    QTest::newRow("blanks around terms")
        << Fields{{English, "  unicorn "}, {"edit_es", "   "}, {"edit_it", " unicorno"}}
        << "unicorno" << 4 << QList<int>{0, 4};
}

void KelvoDictEditorTest::addsItem() {
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
    QVERIFY(out.accepted);
    QCOMPARE(out.codedWord, QStringLiteral("unicorn"));
    QCOMPARE(out.term, term);
    QCOMPARE(out.language, language);

    // Appended after what was there, without an id.
    const QByteArray file = privateFile();
    QVERIFY(file.startsWith(m_original.left(m_original.indexOf("</kelvoDictionary>"))));
    QCOMPARE(file.count("<DictItem>unicorn\n"), 1);
    QCOMPARE(file.count("<DictItem"), 2);

    // The viewers find it by its coded word, with the terms typed and no others.
    QString shownTerm;
    TheS_DictItem item;
    QVERIFY(KelvoXmlParser().lookup(QStringLiteral("<unicorn>") + term, shownTerm, item));
    QCOMPARE(shownTerm, term);
    QCOMPARE(item.translations.keys(), languages);
    QCOMPARE(item.translations.value(language).primary, term);
}

void KelvoDictEditorTest::refusedEnglishTerm_data() {
    QTest::addColumn<bool>("typeEnglish");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("message");

    const QString obligatory = QStringLiteral("The English term is obligatory ...");
    QTest::newRow("untouched") << false << "" << obligatory;
    QTest::newRow("emptied") << true << "" << obligatory;
    QTest::newRow("blanks") << true << "   " << obligatory;
    // The coded word goes into pictures as Latin-1 text between "<" and ">".
    QTest::newRow("angle brackets") << true << "a<b>c"
                                    << "\n<>";
    QTest::newRow("outside Latin-1") << true << "\u20acuro \u00e9t\u00e9 \u20ac"
                                     << "\n\u20ac";
}

void KelvoDictEditorTest::refusedEnglishTerm() {
    QFETCH(bool, typeEnglish);
    QFETCH(QString, english);
    QFETCH(QString, message);

    QString caption;
    QString text;
    KelvoDialogScript script;
    script
        .then<KelvoDictEditor>([&](KelvoDictEditor* editor) {
            if (typeEnglish)
                KelvoDialogScript::type(editor, English, english);
            KelvoDialogScript::type(editor, QStringLiteral("edit_de"), QStringLiteral("Einhorn"));
            KelvoDialogScript::click(editor, QStringLiteral("okButton"));
        })
        .pressOnMessage(1, &text, &caption)
        .then<KelvoDictEditor>([&](KelvoDictEditor* editor) {
            // Still open with what the author typed.
            QCOMPARE(editText(editor, English), english);
            QCOMPARE(editText(editor, QStringLiteral("edit_de")), QStringLiteral("Einhorn"));
            KelvoDialogScript::click(editor, QStringLiteral("cancelButton"));
        });
    const Outcome out = runAddDictItem();
    QVERIFY2(script.done(), qPrintable(script.failure()));
    QCOMPARE(caption, QStringLiteral("Kelvo - Message"));
    QVERIFY2(text.endsWith(message), qPrintable(text));
    QVERIFY(!out.accepted);
    QCOMPARE(out.codedWord, QStringLiteral("unset"));
    QCOMPARE(out.language, -7);
    QCOMPARE(privateFile(), m_original);
}

void KelvoDictEditorTest::existingCodedWord_data() {
    QTest::addColumn<QString>("english");
    QTest::newRow("in the private dictionary") << "wolpertinger";
    QTest::newRow("in the main dictionary") << "woman";
}

void KelvoDictEditorTest::existingCodedWord() {
    QFETCH(QString, english);

    QString text;
    KelvoDialogScript script;
    script
        .then<KelvoDictEditor>([&](KelvoDictEditor* editor) {
            fill(editor, {{English, english}, {"edit_de", "Neu"}});
            KelvoDialogScript::click(editor, QStringLiteral("okButton"));
        })
        .pressOnMessage(1, &text);
    const Outcome out = runAddDictItem();
    QVERIFY2(script.done(), qPrintable(script.failure()));
    QVERIFY2(text.contains(QStringLiteral("already holds an item for \"%1\"").arg(english)),
             qPrintable(text));
    QVERIFY(out.accepted);
    QCOMPARE(out.codedWord, english);
    QCOMPARE(out.term, QStringLiteral("Neu"));
    QCOMPARE(out.language, 3);
    QCOMPARE(privateFile(), m_original);
}

void KelvoDictEditorTest::unusableDictionary_data() {
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
void KelvoDictEditorTest::unusableDictionary() {
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
    QVERIFY(!out.accepted);
    QCOMPARE(out.codedWord, QStringLiteral("unset"));
    QCOMPARE(privateFile(), before);
    QCOMPARE(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), entries);
}

// The private dictionary is a link to a file whose name leaves no room for the name of the
// temporary file that saving writes first, so saving fails for any user, root included.
void KelvoDictEditorTest::failedSaveKeepsFileAndEntries() {
    const QString realPath = m_dir->path(QString(250, QLatin1Char('p')) + QStringLiteral(".xml"));
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
    QVERIFY(out.accepted);
    QCOMPARE(KelvoTestDir::readFile(realPath), m_original);
    // Nothing is left beside the real file: the two delivered files, its folder and itself.
    QCOMPARE(QDir(m_dir->root())
                 .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                 .size(),
             4);
    // The second try wrote the item once, not once per try.
    QCOMPARE(privateFile().count("<DictItem>unicorn\n"), 1);
}

QTEST_MAIN(KelvoDictEditorTest)
#include "kelvodicteditor_test.moc"
