// The text properties editor: its controls build the record that Preview hands over, colour
// choices can be cancelled, and the author is told what the picture cannot keep. (Its buttons
// are clicked with a shaped text behind them in the shaped text test.)
#include "kelvodialogscript.h"
#include "kelvotexteditor.h"
#include <QClipboard>

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

namespace {

QAction* action(KelvoTextEditor& editor, const char* name) {
    return editor.findChild<QAction*>(QString::fromLatin1(name));
}

// Picks the entry `text` of a combo box as the author would.
void choose(QComboBox* box, const QString& text) {
    box->setCurrentIndex(box->findText(text));
    emit box->textActivated(text);
}

// Answers the colour questions from `picks`, then as a cancelled dialog.
struct PickingEditor : KelvoTextEditor {
    explicit PickingEditor(const QString& text, const QFont& font = QFont())
        : KelvoTextEditor(nullptr, QStringLiteral("Editor"), text, font) {}
    QColor pickColour(const QColor&) override {
        return picks.isEmpty() ? QColor() : picks.takeFirst();
    }
    QList<QColor> picks;
};

} // namespace

class KelvoTextEditorTest : public QObject {
    Q_OBJECT
private slots:
    // Every control changes the whole text or the shape as the record tells; a cancelled colour
    // choice changes nothing.
    void controlsMakeTheRecord() {
        PickingEditor editor(QStringLiteral("two\nlines"), QFont(QStringLiteral("Helvetica"), 12));
        std::vector<TheS_BubbleData> previews;
        QObject::connect(&editor, &KelvoTextEditor::previewed,
                         [&previews](const TheS_BubbleData& r) { previews.push_back(r); });
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        const QList<QColor> picks = {QColor(10, 20, 30), QColor(40, 50, 60), QColor(70, 80, 90)};
        editor.picks = picks;

        choose(editor.familyBox(), editor.familyBox()->itemText(0));
        editor.sizeBox()->setEditText(QStringLiteral("17"));
        emit editor.sizeBox()->textActivated(QStringLiteral("17"));
        action(editor, "textBold")->trigger();
        action(editor, "textItalic")->trigger();
        action(editor, "textRight")->trigger();
        action(editor, "textColor")->trigger();
        action(editor, "backgroundColor")->trigger();
        action(editor, "outlineColor")->trigger();
        action(editor, "transparentBackground")->trigger();
        // The entries are "0", "Contour width: 1" and the bare numbers up to 11.
        const std::pair<const char*, int> widths[] = {
            {"0", 0}, {"Contour width: 1", 1}, {"11", 11}, {"4", 4}};
        for (const auto& [entry, width] : widths) {
            choose(editor.contourWidthBox(), QString::fromLatin1(entry));
            QCOMPARE(editor.props().outlineWidth, width);
        }
        KelvoDialogScript::clickLabelled(&editor, QStringLiteral("Preview"));

        QCOMPARE(previews.size(), std::size_t(1));
        const TheS_BubbleData& r = previews.front();
        QCOMPARE(r.textData.text, QStringLiteral("two\nlines"));
        QCOMPARE(r.textData.font.family(), editor.familyBox()->itemText(0));
        QCOMPARE(r.textData.font.pointSize(), 17);
        QVERIFY(r.textData.font.bold());
        QVERIFY(r.textData.font.italic());
        QCOMPARE(r.textData.alignmentFlags, int(Qt::TextWordWrap | Qt::AlignRight));
        QCOMPARE(r.textData.textColour, picks[0]);
        QCOMPARE(r.backgroundColour, picks[1]);
        QCOMPARE(r.outlineColour, picks[2]);
        QVERIFY(!r.backgroundFilled);
        QCOMPARE(r.outlineWidth, 4);
        QCOMPARE(editor.textEdit()->palette().color(QPalette::Base), picks[1]);
        QVERIFY(editor.isVisible());
        // The whole text took the format, the first line as the last.
        QTextCursor start(editor.textEdit()->document());
        QCOMPARE(start.charFormat().fontPointSize(), 17.0);

        // With no picks left the colour dialogs are cancelled: nothing changes, not even an icon.
        const QImage icon = action(editor, "backgroundColor")->icon().pixmap(16, 16).toImage();
        for (const char* name : {"textColor", "backgroundColor", "outlineColor"}) {
            action(editor, name)->trigger();
        }
        QVERIFY(editor.props() == r);
        QCOMPARE(action(editor, "backgroundColor")->icon().pixmap(16, 16).toImage(), icon);
    }

    // Each alignment checks its button, none the left one, whatever was loaded before.
    void loadShowsTheRecord() {
        KelvoTextEditor editor(nullptr, QStringLiteral("Editor"), QStringLiteral("t"), QFont());
        TheS_BubbleData record;
        record.textData.text = QStringLiteral("loaded");
        record.textData.font = QFont(QStringLiteral("Courier"), 20, QFont::Bold, true);
        record.outlineWidth = 5;
        record.backgroundFilled = false;
        const std::pair<int, const char*> alignments[] = {{Qt::AlignLeft, "textLeft"},
                                                          {Qt::AlignHCenter, "textCenter"},
                                                          {Qt::AlignRight, "textRight"},
                                                          {0, "textLeft"}};
        for (const auto& [alignment, checked] : alignments) {
            record.textData.alignmentFlags = Qt::TextWordWrap | alignment;
            editor.loadProps(record);
            QVERIFY2(action(editor, checked)->isChecked(), checked);
        }
        QCOMPARE(editor.contourWidthBox()->currentIndex(), 5);
        QVERIFY(action(editor, "transparentBackground")->isChecked());
        QVERIFY(action(editor, "textBold")->isChecked());
        QVERIFY(action(editor, "textItalic")->isChecked());
        QCOMPARE(editor.sizeBox()->currentText(), QStringLiteral("20"));
        const TheS_BubbleData shown = editor.props();
        QCOMPARE(shown.textData.text, QStringLiteral("loaded"));
        QCOMPARE(shown.textData.font.pointSize(), 20);
        QCOMPARE(shown.outlineWidth, 5);
        QVERIFY(!shown.backgroundFilled);
    }

    void warnsAboutWhatIsLost_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("family");
        QTest::addColumn<QStringList>("named");
        QTest::newRow("Latin-1 in a known font")
            << QStringLiteral("caf\u00e9 \u00a9") << QStringLiteral("Helvetica") << QStringList();
        QTest::newRow("euro and arrow")
            << QStringLiteral("5 \u20ac \u2192 x \u20ac") << QStringLiteral("Helvetica")
            << QStringList{QStringLiteral("U+20AC"), QStringLiteral("U+2192")};
        QTest::newRow("font outside the table")
            << QStringLiteral("plain") << QStringLiteral("DejaVu Sans")
            << QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("Arial")};
    }

    void warnsAboutWhatIsLost() {
        QFETCH(QString, text);
        QFETCH(QString, family);
        QFETCH(QStringList, named);
        KelvoTextEditor editor(nullptr, QStringLiteral("Editor"), QString(), QFont(family, 12));
        editor.show();
        // Typed keys are ASCII; the rest comes in as pasted.
        QTest::keyClicks(editor.textEdit(), QStringLiteral("typed "));
        editor.textEdit()->insertPlainText(text);
        auto* line = editor.findChild<QLabel*>(QStringLiteral("storageWarning"));
        QCOMPARE(line->isVisible(), !named.isEmpty());
        for (const QString& name : named) {
            QVERIFY2(line->text().contains(name), qPrintable(line->text()));
        }
        QCOMPARE(line->text(), editor.storageWarning());
    }

    // Formatted text from the clipboard keeps nothing of its own look, which the record cannot
    // hold.
    void pastesPlainText() {
        KelvoTextEditor editor(nullptr, QStringLiteral("Editor"), QStringLiteral("Say: "),
                               QFont(QStringLiteral("Helvetica"), 12));
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        auto* mime = new QMimeData;
        mime->setHtml(QStringLiteral("<p align=\"right\"><span style=\"font-family:Courier; "
                                     "font-size:30pt; color:#ff0000\">red</span> <b>bold</b></p>"));
        mime->setText(QStringLiteral("red bold"));
        QGuiApplication::clipboard()->setMimeData(mime);
        editor.textEdit()->setFocus();
        QTest::keyClick(editor.textEdit(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(editor.textEdit(), Qt::Key_V, Qt::ControlModifier);

        QCOMPARE(editor.textEdit()->toPlainText(), QStringLiteral("Say: red bold"));
        const QTextBlock block = editor.textEdit()->document()->firstBlock();
        QCOMPARE(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::Alignment(Qt::AlignHCenter));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            QCOMPARE(format.font().pointSize(), 12);
            QVERIFY(!format.font().bold());
            QVERIFY(format.foreground().color() != QColor(Qt::red));
        }
    }
};

QTEST_MAIN(KelvoTextEditorTest)
#include "kelvotexteditor_test.moc"
