// Undo and redo in an encoder window with real events: each kind of change, and each drag that
// resizes or reshapes a shaped text, is undone with Ctrl+Z (the state equals the one before) and
// redone with Ctrl+Shift+Z and Ctrl+Y; Delete asks before it deletes a region with data, and
// Escape cancels a selection in progress.
#include "encodertestsupport.h"
#include "kelvodatamanagewidget.h"
#include "kelvodialogscript.h"
#include "kelvoeditmenu.h"
#include "kelvoeditorshapedtext.h"
#include "kelvoimgencodewidget.h"
#include "kelvoimgsnip.h"
#include "kelvotexteditor.h"
#include "selectiontestsupport.h"

#include <QCheckBox>
#include <QInputDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTextEdit>
#include <QtTest>

using EncoderTest::answerMessage;
using EncoderTest::dragRect;
using EncoderTest::plainPicture;
using SelectionTestSupport::drag;

namespace {

constexpr int Width = 240;
constexpr int Height = 180;

QString place(const QWidget* widget) {
    return QStringLiteral("@%1,%2%3")
        .arg(widget->x())
        .arg(widget->y())
        .arg(widget->isVisible() ? QString() : QStringLiteral(" unseen"));
}

// The record a shaped text codes and the mask it shows, in short.
QString shapeOf(KelvoEditorShapedText* shaped) {
    const std::vector<uint8_t> bytes = shaped->codedBytes(QPoint());
    size_t hash = qHashRange(bytes.begin(), bytes.end());
    for (const QRect& rect : shaped->shapeMask()) {
        hash = qHashMulti(hash, rect.x(), rect.y(), rect.width(), rect.height());
    }
    return QString::number(hash, 16);
}

// What the author sees of the regions, their data and their rows.
QString state(const KelvoImgEncodeWidget& encoder) {
    QStringList lines;
    for (const auto& [number, region] : encoder.regions()) {
        QStringList items;
        for (const KelvoTextHolderWidget* text : region.texts) {
            items << QStringLiteral("text ") + text->text() + place(text);
        }
        for (const TheS_TextDataItem& shaped : region.shapedTexts) {
            items << QStringLiteral("shaped ") + shaped.widget->currentProps().textData.text +
                         place(shaped.widget) + QLatin1Char(' ') + shapeOf(shaped.widget);
        }
        for (const TheS_ImgDataItem& image : region.images) {
            items << QStringLiteral("image") + place(image.snippet);
        }
        const KelvoDataManageWidgetItem* row = encoder.dataManager()->row(number);
        const bool eyeOpen = row && row->findChild<QCheckBox*>()->isChecked();
        lines << QStringLiteral("%1 %2%3%4: %5")
                     .arg(number)
                     .arg(encoder.regionMap().name(number),
                          encoder.regionMap().isHidden(number) ? QStringLiteral(" hidden")
                                                               : QString(),
                          eyeOpen ? QString() : QStringLiteral(" eye shut"),
                          items.join(QStringLiteral(", ")));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class KelvoUndoTest : public QObject {
    Q_OBJECT

private slots:
    // Region 1 is an image part, region 2 (current) a text and a rectangle text.
    void init() {
        m_window = std::make_unique<QMainWindow>();
        m_window->menuBar()->addMenu(QStringLiteral("&File"));
        auto* workspace = new QMdiArea;
        m_window->setCentralWidget(workspace);
        kelvoAddEditMenu(m_window.get(), workspace);
        m_encoder = new KelvoImgEncodeWidget(nullptr, QStringLiteral("_IMG_WIDGET_0"));
        QVERIFY(m_encoder->setImage(plainPicture(Width, Height), QStringLiteral("plain.png")));
        m_encoder->setFixedSize(Width, Height);
        workspace->addSubWindow(m_encoder)->show();
        m_window->resize(600, 500);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QCOMPARE(m_encoder->offset(), QPoint(0, 0));

        m_encoder->attacher().attachImage(plainPicture(Width, Height),
                                          QPolygon(QRect(130, 100, 40, 30)));
        dragRect(m_encoder, QRect(QPoint(20, 20), QPoint(80, 60)));
        m_encoder->attacher().attachText(QStringLiteral("one"));
        m_encoder->attacher().insertShapedText(KelvoTextPictures::SimpleRect);
        m_encoder->dataManager()->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_encoder->dataManager()));
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void cleanup() { m_window.reset(); }

    void undoAndRedo_data() {
        QTest::addColumn<QString>("kind");
        for (const char* kind :
             {"text in a new region", "text", "dictionary entry", "shaped text", "image",
              "delete key", "remove text", "remove image", "remove shaped text", "edit text",
              "edit shaped text", "move image", "move shaped text", "hide", "rename"}) {
            QTest::newRow(kind) << QString::fromLatin1(kind);
        }
    }

    void undoAndRedo() {
        QFETCH(QString, kind);
        const QString before = state(*m_encoder);
        change(kind);
        checkUndoAndRedo(before);
    }

    void reshapeUndoAndRedo_data() {
        QTest::addColumn<int>("kind");
        // Object names from the shaped text down to the dragged part.
        QTest::addColumn<QStringList>("part");
        QTest::addColumn<QPoint>("by");
        const QStringList handle{QStringLiteral("MainBubble"), QStringLiteral("ButtonBBox")};
        QTest::newRow("rectangle")
            << int(KelvoTextPictures::SimpleRect) << handle << QPoint(30, 20);
        QTest::newRow("ellipse") << int(KelvoTextPictures::SimpleEllipse) << handle
                                 << QPoint(-40, -25);
        QTest::newRow("speech bubble body")
            << int(KelvoTextPictures::SpeechBubble) << QStringList{QStringLiteral("ButtonBBox")}
            << QPoint(35, 25);
        QTest::newRow("speech bubble peak")
            << int(KelvoTextPictures::SpeechBubble) << QStringList{QStringLiteral("ButtonPeak")}
            << QPoint(-30, 20);
        QTest::newRow("text dragged inside an ellipse")
            << int(KelvoTextPictures::SimpleEllipse) << QStringList{QStringLiteral("BubbleText")}
            << QPoint(-12, 8);
        QTest::newRow("think bubble circle")
            << int(KelvoTextPictures::ThinkBubble) << QStringList{QStringLiteral("SubBubble3")}
            << QPoint(-15, 25);
    }

    // A drag on a part of a shaped text is one step: undone, the record and mask are those of
    // before.
    void reshapeUndoAndRedo() {
        QFETCH(int, kind);
        QFETCH(QStringList, part);
        QFETCH(QPoint, by);
        m_encoder->attacher().insertShapedText(KelvoTextPictures::TextType(kind));
        QWidget* dragged = m_encoder->regions().at(2).shapedTexts.back().widget;
        for (const QString& name : part) {
            dragged = dragged->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
            QVERIFY2(dragged, qPrintable(name));
        }
        const QString before = state(*m_encoder);
        const QPoint grip = dragged->rect().center();
        drag(dragged, {grip, grip + by / 2, grip + by});
        checkUndoAndRedo(before);
    }

    // Delete asks before a region with data goes (its answer Delete is the "delete key" row above);
    // a fresh outline without data goes at once. Escape cancels a selection in progress of either
    // kind, and nothing is attached without an outline.
    void deleteAndEscape() {
        pressDelete(2);
        QCOMPARE(m_encoder->regions().size(), size_t(2));
        dragRect(m_encoder, QRect(QPoint(100, 20), QPoint(150, 60)));
        QTest::keyClick(m_encoder, Qt::Key_Delete);
        QVERIFY(m_encoder->outlinePoints().isEmpty());
        QCOMPARE(m_encoder->regions().size(), size_t(2));

        for (const int mode :
             {KelvoImgSelectionWidget::RectangleMode, KelvoImgSelectionWidget::FreehandMode}) {
            m_encoder->setSelectionMode(mode);
            QTest::mousePress(m_encoder, Qt::LeftButton, {}, QPoint(100, 20));
            QTest::mouseMove(m_encoder, QPoint(150, 40));
            QTest::mouseMove(m_encoder, QPoint(120, 70));
            QTest::keyClick(m_encoder, Qt::Key_Escape);
            QTest::mouseRelease(m_encoder, Qt::LeftButton, {}, QPoint(120, 70));
            const QByteArray kind = mode ? "freehand" : "rectangle";
            QVERIFY2(!m_encoder->isSelectionClosed(), kind);
            QVERIFY2(m_encoder->outlinePoints().isEmpty(), kind);
            m_encoder->attacher().attachText(QStringLiteral("nowhere"));
            QCOMPARE(m_encoder->regions().size(), size_t(2));
        }
    }

private:
    KelvoDataManageWidgetItem* row(int number) const {
        return m_encoder->dataManager()->row(number);
    }

    void change(const QString& kind);
    void pressDelete(int answer);
    void checkUndoAndRedo(const QString& before);

    std::unique_ptr<QMainWindow> m_window;
    KelvoImgEncodeWidget* m_encoder = nullptr;
};

void KelvoUndoTest::pressDelete(int answer) {
    KelvoDialogScript script;
    answerMessage(script, nullptr, answer);
    QTest::keyClick(m_encoder, Qt::Key_Delete);
    QVERIFY2(script.done(), qPrintable(script.failure()));
}

void KelvoUndoTest::change(const QString& kind) {
    KelvoDialogScript script;
    if (kind == QLatin1String("text in a new region")) {
        dragRect(m_encoder, QRect(QPoint(100, 20), QPoint(150, 60)));
        m_encoder->attacher().attachText(QStringLiteral("new"));
    } else if (kind == QLatin1String("text")) {
        m_encoder->attacher().attachText(QStringLiteral("two"));
    } else if (kind == QLatin1String("dictionary entry")) {
        dragRect(m_encoder, QRect(QPoint(100, 20), QPoint(150, 60)));
        m_encoder->attacher().attachDictEntry(new KelvoTextHolderWidget(
            m_encoder, QStringLiteral("TextHolder"), QStringLiteral("house"),
            KelvoTextPictures::dictHolderIcon(), true));
    } else if (kind == QLatin1String("shaped text")) {
        m_encoder->attacher().insertShapedText(KelvoTextPictures::ThinkBubble);
    } else if (kind == QLatin1String("image")) {
        m_encoder->attacher().attachImage(plainPicture(60, 40), QPolygon(QRect(0, 0, 30, 20)));
    } else if (kind == QLatin1String("delete key")) {
        QTest::mouseClick(row(2)->findChild<QLabel*>(), Qt::LeftButton);
        pressDelete(1);
    } else if (kind == QLatin1String("remove text") || kind == QLatin1String("remove image")) {
        QMenu* entries = row(kind.endsWith(QLatin1String("text")) ? 2 : 1)->entryMenu();
        emit entries->aboutToShow();
        entries->actions().constFirst()->trigger();
    } else if (kind == QLatin1String("remove shaped text")) {
        m_encoder->findChild<KelvoEditorShapedText*>()->deleteElement();
    } else if (kind == QLatin1String("edit text")) {
        EncoderTest::enterText(script, QStringLiteral("edited"));
        QTest::mouseClick(m_encoder->regions().at(2).texts.front(), Qt::LeftButton, {},
                          QPoint(11, 11));
    } else if (kind == QLatin1String("edit shaped text")) {
        auto* shaped = m_encoder->findChild<KelvoEditorShapedText*>();
        shaped->changeProps();
        KelvoTextEditor* editor = shaped->textEditor();
        QTRY_VERIFY(editor->isVisible());
        QTest::keyClick(editor->textEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor->textEdit(), QStringLiteral("Hello"));
        KelvoDialogScript::clickLabelled(editor, QStringLiteral("OK"));
    } else if (kind == QLatin1String("move image")) {
        drag(m_encoder->findChild<KelvoImgSnip*>(), {{5, 5}, {-40, -20}});
    } else if (kind == QLatin1String("move shaped text")) {
        drag(m_encoder->findChild<KelvoEditorShapedText*>(), {{10, 10}, {60, 70}});
    } else if (kind == QLatin1String("hide")) {
        QTest::mouseClick(row(2)->findChild<QCheckBox*>(), Qt::LeftButton);
    } else if (kind == QLatin1String("rename")) {
        script.then<QInputDialog>([](QInputDialog* dialog) {
            dialog->setTextValue(QStringLiteral("Roof"));
            dialog->accept();
        });
        QTest::mouseClick(row(2)->findChild<QLabel*>(), Qt::RightButton);
    }
    QVERIFY2(script.done(), qPrintable(script.failure()));
    // Back from a dialog, as the desktop brings the author back.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void KelvoUndoTest::checkUndoAndRedo(const QString& before) {
    const QString after = state(*m_encoder);
    QVERIFY2(after != before, qPrintable(after));

    QTest::keyClick(m_encoder, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(state(*m_encoder), before);
    QTest::keyClick(m_encoder, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(state(*m_encoder), after);
    QTest::keyClick(m_encoder, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(m_encoder, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(state(*m_encoder), after);
    QCOMPARE(m_encoder->dataManager()->rowCount(), int(m_encoder->regions().size()));
}

QTEST_MAIN(KelvoUndoTest)
#include "kelvoundo_test.moc"
