// The editor from start to finish, driven like an author drives it: only the main window's
// menus and tool buttons, mouse events on the picture and the dialogs' own buttons. Opens the
// shipped plain sample picture, marks four regions with a text, a dictionary entry, a speech
// bubble and a grabbed image part, generates and saves (the status line and the modified mark
// saying so), hovers over the result in the viewer window, adds one more text through "Add Data"
// zoomed in to 150%, saves again and reads the file back through kelvo-tool's decoder. With
// KELVO_E2E_OUTPUT_DIR set, the final picture is left there as end_to_end.png, beside
// screenshots of the main window with the encoder and then the viewer, and of the data manager.
#include "encodertestsupport.h"
#include "kelvoapp.h"
#include "kelvoappviewerwidget.h"
#include "kelvodatamanagewidget.h"
#include "kelvodeliveredtestdir.h"
#include "kelvodialogscript.h"
#include "kelvodictentrydlg.h"
#include "kelvoeditorspeechbubble.h"
#include "kelvoimgencodewidget.h"
#include "kelvoimggrabber.h"
#include "kelvoimgselectcopywidget.h"
#include "kelvotexteditor.h"
#include "kelvotextwidget.h"
#include "kelvoworkspace.h"

#include <QComboBox>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>
#include <QtTest>

#include <memory>

using EncoderTest::chooseTextType;
using EncoderTest::drag;
using EncoderTest::dragRect;
using EncoderTest::enterText;

namespace {

const QString SampleName = QStringLiteral("My Kelvos/harbour.png");

// Regions in picture coordinates of the 400 by 300 sample.
const QRect TextRegion(QPoint(10, 10), QPoint(110, 90));
const QList<QPoint> DictOutline = {QPoint(150, 20), QPoint(250, 20), QPoint(250, 100),
                                   QPoint(150, 100), QPoint(152, 22)};
const QRect BubbleRegion(QPoint(20, 120), QPoint(100, 150));
const QRect GrabbedPart(QPoint(290, 40), QPoint(340, 165));
const QRect LaterRegion(QPoint(150, 200), QPoint(250, 280));
const QRect UndoneRegion(QPoint(300, 200), QPoint(380, 280));

void clickMenu(QMainWindow* window, const QString& title, const QString& item) {
    QMenuBar* bar = window->menuBar();
    QAction* menuAction = nullptr;
    for (QAction* action : bar->actions()) {
        if (action->text() == title) {
            menuAction = action;
        }
    }
    QVERIFY2(menuAction && menuAction->menu(), qPrintable(title));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menuAction).center());
    QMenu* menu = menuAction->menu();
    QTRY_VERIFY(menu->isVisible());
    for (QAction* action : menu->actions()) {
        if (action->text() == item) {
            QVERIFY2(action->isEnabled(), qPrintable(item));
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no menu item ") + item));
}

// The button of the tool named `name` on one of the window's shown tool bars.
void clickTool(QWidget* window, const QString& name) {
    for (QToolBar* bar : window->findChildren<QToolBar*>()) {
        for (QAction* action : bar->actions()) {
            if (bar->isVisible() && action->objectName() == name) {
                QVERIFY2(action->isEnabled(), qPrintable(name + QStringLiteral(" is disabled")));
                QTest::mouseClick(bar->widgetForAction(action), Qt::LeftButton);
                return;
            }
        }
    }
    QFAIL(qPrintable(QStringLiteral("no tool ") + name));
}

// The folder that keeps the final picture and the screenshots; empty: none kept.
QString outputDir() {
    const QString dir = qEnvironmentVariable("KELVO_E2E_OUTPUT_DIR");
    return dir.isEmpty() || QDir().mkpath(dir) ? dir : QString();
}

void shoot(QWidget* window, const QString& name) {
    if (!outputDir().isEmpty()) {
        QVERIFY(window->grab().save(QDir(outputDir()).filePath(name)));
    }
}

void runScript(KelvoDialogScript& script) {
    QTRY_VERIFY_WITH_TIMEOUT(script.done() || !script.failure().isEmpty(),
                             KelvoDialogScript::TimeoutMs + 1000);
    QVERIFY2(script.done(), qPrintable(script.failure()));
}

} // namespace

class EditorEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_dir = std::make_unique<KelvoDeliveredTestDir>();
        QVERIFY(QDir().mkpath(m_dir->path(QStringLiteral("My Kelvos"))));
        m_dir->write(SampleName, KelvoTestDir::readFile(qEnvironmentVariable("KELVO_SOURCE_DATA") +
                                                        SampleName));
        m_app = std::make_unique<KelvoApp>();
        m_app->resize(900, 700);
        m_app->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_app.get()));
    }

    void cleanup() {
        m_app.reset();
        m_dir.reset();
    }

    void authorsAPictureFromStartToFinish() {
        openSample();
        addText(TextRegion, QStringLiteral("Kelvo end to end"));
        addDictionaryEntry();
        addSpeechBubble();
        grabImagePart();
        QCOMPARE(m_encoder->regions().size(), size_t(4));
        QCOMPARE(m_encoder->regions().at(2).dictEntry->entryId(), 222);
        shoot(m_app.get(), QStringLiteral("end_to_end-encoder.png"));
        if (!outputDir().isEmpty()) {
            m_app->action(KelvoAction::Overview)->trigger();
            QVERIFY(QTest::qWaitForWindowExposed(m_encoder->dataManager()));
            shoot(m_encoder->dataManager(), QStringLiteral("end_to_end-datamanager.png"));
            m_app->action(KelvoAction::Overview)->trigger();
        }

        const QString first = m_dir->path(QStringLiteral("My Kelvos/harbour-coded.png"));
        generateAndSave(first);
        KelvoAppViewerWidget* viewer = nullptr;
        QTRY_VERIFY((viewer = m_app->activeViewer()) != nullptr);
        QCOMPARE(viewer->fileName(), QFileInfo(first).fileName());
        QCOMPARE(m_app->statusBar()->currentMessage(),
                 QStringLiteral("Coded image generated and saved as \"%1\".")
                     .arg(QDir::toNativeSeparators(first)));
        QVERIFY(!m_app->workspace()->activeSubWindow()->isWindowModified());
        QCOMPARE(int(viewer->regions().size()), 4);

        // Hovering over the text region shows its balloon.
        QTest::mouseMove(viewer, viewer->toWidgetCoordinates(TextRegion.center()));
        QTRY_VERIFY(viewer->activeTextWidget() && viewer->activeTextWidget()->isVisible());
        QCOMPARE(viewer->activeTextWidget()->text(), QStringLiteral("Kelvo end to end"));
        shoot(m_app.get(), QStringLiteral("end_to_end-viewer.png"));

        clickMenu(m_app.get(), QStringLiteral("&View"), QStringLiteral("&Add Data"));
        QTRY_VERIFY((m_encoder = m_app->activeEncoder()) != nullptr);
        QCOMPARE(m_encoder->existingRegionCount(), 4);
        // Zoomed in, the selection still covers the same picture pixels.
        clickMenu(m_app.get(), QStringLiteral("&View"), QStringLiteral("Zoom &In"));
        QCOMPARE(m_encoder->zoom(), 1.5);
        addText(LaterRegion, QStringLiteral("Added later"));
        QCOMPARE(m_encoder->regions().rbegin()->second.outlines.front().boundingRect(),
                 LaterRegion);
        addText(UndoneRegion, QStringLiteral("Undone"));
        clickMenu(m_app.get(), QStringLiteral("&Edit"), QStringLiteral("&Undo Add text"));
        QCOMPARE(m_encoder->regions().size(), size_t(1));
        const QString final = m_dir->path(QStringLiteral("My Kelvos/end_to_end.png"));
        generateAndSave(final);
        QTRY_VERIFY(m_app->activeViewer() &&
                    m_app->activeViewer()->fileName() == QFileInfo(final).fileName());

        const auto regions = EncoderTest::decodeFile(final);
        QCOMPARE(regions.size(), size_t(5));
        QCOMPARE(regions.at(0).items, QStringList{QStringLiteral("text:Kelvo end to end")});
        QCOMPARE(regions.at(1).items.size(), 1);
        QVERIFY2(regions.at(1).items.first().contains(QLatin1String("222")) &&
                     regions.at(1).items.first().contains(QLatin1String("house")),
                 qPrintable(regions.at(1).items.first()));
        QCOMPARE(regions.at(2).items.size(), 1);
        QVERIFY2(regions.at(2).items.first().startsWith(QLatin1String("shaped:")) &&
                     regions.at(2).items.first().contains(QLatin1String("Hello")),
                 qPrintable(regions.at(2).items.first()));
        QCOMPARE(regions.at(3).items, QStringList{QStringLiteral("image")});
        QCOMPARE(regions.at(4).items, QStringList{QStringLiteral("text:Added later")});

        if (!outputDir().isEmpty()) {
            const QString copy = QDir(outputDir()).filePath(QStringLiteral("end_to_end.png"));
            QFile::remove(copy);
            QVERIFY(QFile::copy(final, copy));
        }
    }

private:
    void openSample() {
        KelvoDialogScript script;
        EncoderTest::chooseFile(script, m_dir->path(SampleName));
        clickMenu(m_app.get(), QStringLiteral("&File"), QStringLiteral("&Open"));
        runScript(script);
        m_encoder = m_app->activeEncoder();
        QVERIFY(m_encoder);
        QCOMPARE(m_encoder->objectName(), QStringLiteral("_IMG_WIDGET_0"));
        QTRY_VERIFY(m_encoder->isVisible());
        QVERIFY(!m_app->workspace()->activeSubWindow()->isWindowModified());
    }

    void addText(const QRect& region, const QString& text);

    void addDictionaryEntry() {
        clickTool(m_app.get(), QStringLiteral("selectPoly"));
        drag(m_encoder, DictOutline);
        KelvoDialogScript script;
        script.then<KelvoDictEntryDlg>([](KelvoDictEntryDlg* dialog) {
            auto* languages = dialog->findChild<QComboBox*>(QStringLiteral("languageBox"));
            QVERIFY(languages);
            QTest::keyClick(languages, Qt::Key_Home); // English comes first
            KelvoDialogScript::type(dialog, QStringLiteral("termEdit"), QStringLiteral("house"));
            KelvoDialogScript::click(dialog, QStringLiteral("okButton"));
        });
        clickTool(m_app.get(), QStringLiteral("insertDictEntry"));
        runScript(script);
    }

    void addSpeechBubble() {
        clickTool(m_app.get(), QStringLiteral("selectRect"));
        dragRect(m_encoder, BubbleRegion);
        KelvoDialogScript script;
        chooseTextType(script, QStringLiteral("Speech_Bubble"));
        clickTool(m_app.get(), QStringLiteral("insertTInfo"));
        runScript(script);

        auto* bubble = m_encoder->findChild<KelvoEditorSpeechBubble*>();
        QVERIFY(bubble);
        QVERIFY(bubble->isVisible());
        // The body's context menu opens the text properties editor.
        const QPoint bodyPoint(20, 35);
        QWidget* body = bubble->childAt(bodyPoint);
        if (!body) {
            body = bubble;
        }
        QTest::mousePress(body, Qt::RightButton, {}, body->mapFrom(bubble, bodyPoint));
        QMenu* menu = bubble->contextMenu();
        QTRY_VERIFY(menu->isVisible());
        QAction* change = menu->actions().first();
        QCOMPARE(change->text(), QStringLiteral("Change properties"));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(change).center());
        KelvoTextEditor* editor = bubble->textEditor();
        QTRY_VERIFY(editor->isVisible());
        QTest::keyClick(editor->textEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor->textEdit(), QStringLiteral("Hello"));
        KelvoDialogScript::clickLabelled(editor, QStringLiteral("OK"));
        QCOMPARE(bubble->currentProps().textData.text, QStringLiteral("Hello"));
    }

    void grabImagePart() {
        clickTool(m_app.get(), QStringLiteral("insertBInfo"));
        KelvoImgGrabber* grabber = m_app->imageGrabber();
        QTRY_VERIFY(grabber->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(grabber));
        KelvoDialogScript script;
        EncoderTest::chooseFile(script, m_dir->path(SampleName));
        clickMenu(grabber, QStringLiteral("&File"), QStringLiteral("&Open"));
        runScript(script);
        auto* source = grabber->findChild<KelvoImgSelectCopyWidget*>();
        QVERIFY(source);
        QTRY_VERIFY(source->isVisible());
        clickTool(grabber, QStringLiteral("selectRect"));
        dragRect(source, GrabbedPart);
        clickTool(grabber, QStringLiteral("grabPart"));
        grabber->hide();
    }

    void generateAndSave(const QString& fileName);

    std::unique_ptr<KelvoDeliveredTestDir> m_dir;
    std::unique_ptr<KelvoApp> m_app;
    KelvoImgEncodeWidget* m_encoder = nullptr;
};

void EditorEndToEnd::addText(const QRect& region, const QString& text) {
    clickTool(m_app.get(), QStringLiteral("selectRect"));
    dragRect(m_encoder, region);
    KelvoDialogScript script;
    chooseTextType(script, QStringLiteral("Simple_Text"));
    enterText(script, text);
    clickTool(m_app.get(), QStringLiteral("insertTInfo"));
    runScript(script);
    QCOMPARE(m_app->statusBar()->currentMessage(), QStringLiteral("Region added with its data."));
    QVERIFY(m_app->workspace()->activeSubWindow()->isWindowModified());
}

void EditorEndToEnd::generateAndSave(const QString& fileName) {
    KelvoDialogScript script;
    EncoderTest::saveAs(script, fileName);
    clickTool(m_app.get(), QStringLiteral("buildImg"));
    runScript(script);
}

QTEST_MAIN(EditorEndToEnd)
#include "editor_end_to_end.moc"
