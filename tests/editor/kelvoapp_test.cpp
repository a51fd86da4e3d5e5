// The main window: which kind of window an opened picture becomes and how windows are named,
// the tool buttons following the active window, bad files named with their reason, "Add Data"
// on a picture whose keys have a gap after one region was erased, "Save as" and Exit with
// unsaved work; from the keyboard and the desktop: the tools' shortcuts (Ctrl+E along the
// steps of erasing), the access keys, dropped pictures tiled, the Window menu and recent files.
#include "encodertestsupport.h"
#include "kelvoapp.h"
#include "kelvoappviewerwidget.h"
#include "kelvodecodeimage.h"
#include "kelvodialogscript.h"
#include "kelvoencdonedlg.h"
#include "kelvohelpbrowser.h"
#include "kelvohtmlgenerator.h"
#include "kelvoimgencodewidget.h"
#include "kelvoimggrabber.h"
#include "kelvoinfowidget.h"
#include "kelvopicturereader.h"
#include "kelvorecentfiles.h"
#include "kelvotoolcommands.h"
#include "kelvousersettings.h"
#include "kelvoworkspace.h"
#include "viewertestdata.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMap>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <tuple>

using EncoderTest::plainPicture;

namespace {

constexpr int Width = 240;
constexpr int Height = 180;

QRect regionRect(int i) {
    return QRect(10 + 75 * i, 20, 60, 50);
}

// A coded picture with texts `prefix` + "0", "1", "2" in three regions, keyed 0 to 2.
QImage codedPicture(const QString& prefix = {}) {
    return ViewerTestData::codedPicture(QSize(Width, Height), {{regionRect(0), prefix + u'0'},
                                                               {regionRect(1), prefix + u'1'},
                                                               {regionRect(2), prefix + u'2'}});
}

} // namespace

class KelvoAppTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(plainPicture(Width, Height).save(file(QStringLiteral("plain.png"))));
        // Three ways for a ".png" file not to be a picture the editor can open.
        QFile plain(file(QStringLiteral("plain.png")));
        QVERIFY(plain.open(QIODevice::ReadOnly));
        const QMap<QString, QByteArray> bad = {
            {QStringLiteral("text.png"), "not a picture\n"},
            {QStringLiteral("truncated.png"), plain.read(120)},
            // A header announcing 100000 x 100000 pixels.
            {QStringLiteral("huge.png"),
             QByteArray::fromHex("89504e470d0a1a0a0000000d49484452000186a0000186a00802000000"
                                 "27309c9f0000000049454e44ae426082")}};
        for (auto it = bad.begin(); it != bad.end(); ++it) {
            QFile out(file(it.key()));
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(it.value());
        }
        QVERIFY(codedPicture().save(file(QStringLiteral("coded.png"))));
    }

    void init() {
        KelvoUserSettings::open()->clear();
        m_app = std::make_unique<KelvoApp>();
        m_app->resize(900, 700);
        m_app->show();
        m_app->timerDone();
        m_app->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_app.get()));
    }

    void cleanup() { m_app.reset(); }

    // The tools an encoder and a viewer enable, the selection buttons following the active
    // encoder, and window names counted afresh once all windows are closed.
    void toolsFollowTheActiveWindow() {
        QVERIFY(!m_app->action(KelvoAction::Generate)->isEnabled());
        QVERIFY(m_app->openImage(file(QStringLiteral("plain.png"))));
        QMdiSubWindow* rectangles = m_app->workspace()->activeSubWindow();
        QVERIFY(m_app->action(KelvoAction::Overview)->isEnabled());
        QVERIFY(!m_app->action(KelvoAction::AddData)->isEnabled());
        QVERIFY(m_app->action(KelvoAction::SelectRect)->isChecked());
        QVERIFY(m_app->openImage(file(QStringLiteral("plain.png"))));
        clickTool(QStringLiteral("selectPoly"));
        QCOMPARE(m_app->activeEncoder()->selectionMode(),
                 int(KelvoImgSelectionWidget::FreehandMode));
        m_app->workspace()->setActiveSubWindow(rectangles);
        QVERIFY(m_app->action(KelvoAction::SelectRect)->isChecked());
        QVERIFY(!m_app->action(KelvoAction::SelectPoly)->isChecked());
        m_app->workspace()->activateNextSubWindow();
        QVERIFY(m_app->action(KelvoAction::SelectPoly)->isChecked());
        QVERIFY(!m_app->action(KelvoAction::SelectRect)->isChecked());

        // "Add Data" and the outlines' shortcut on a viewer are the end-to-end and shortcut tests'.
        QVERIFY(m_app->openImage(file(QStringLiteral("coded.png"))));
        QVERIFY(!m_app->action(KelvoAction::SelectRect)->isEnabled());
        m_app->workspace()->closeAllSubWindows();
        QTRY_COMPARE(m_app->workspace()->subWindowList().size(), 0);
        QVERIFY(!m_app->action(KelvoAction::SaveAs)->isEnabled());
        QVERIFY(!m_app->action(KelvoAction::SelectRect)->isEnabled());
        QVERIFY(m_app->openImage(file(QStringLiteral("coded.png"))));
        QCOMPARE(m_app->activeImageWindow()->objectName(), QStringLiteral("_IMG_WIDGET_0"));
    }

    // "Add Data" keys the new region after the highest key.
    void addDataKeysAfterTheHighestKey() {
        // Region 1 erased: keys 0 and 2 remain.
        const QString coded = file(QStringLiteral("coded.png"));
        const auto palette = kelvoDecodeImage(QImage(coded)).idImage.palette;
        const auto keyed1 = std::find_if(palette.begin() + 1, palette.end(),
                                         [](uint32_t colour) { return qBlue(colour) == 1; });
        QVERIFY(keyed1 != palette.end());
        const QString gap = file(QStringLiteral("gap.png"));
        KelvoToolCommands::erase(coded, gap, int(keyed1 - palette.begin()));

        QVERIFY(m_app->openImage(gap));
        QCOMPARE(int(m_app->activeViewer()->regions().size()), 2);
        m_app->action(KelvoAction::AddData)->trigger();
        KelvoImgEncodeWidget* encoder = m_app->activeEncoder();
        QVERIFY(encoder);
        QCOMPARE(encoder->existingRegionCount(), 3);
        QVERIFY(!m_app->action(KelvoAction::AddData)->isEnabled());

        EncoderTest::dragRect(encoder, QRect(QPoint(20, 100), QPoint(120, 160)));
        encoder->attacher().attachText(QStringLiteral("new"));

        // A coded picture that cannot be reopened, as the encoder asks after saving it, leaves the
        // encoder as it was.
        KelvoDialogScript reopen;
        reopen.then<QMessageBox>([](QMessageBox* box) { box->accept(); });
        emit encoder->replaceRequested(encoder, file(QStringLiteral("vanished.png")));
        QVERIFY2(reopen.done(), qPrintable(reopen.failure()));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(m_app->workspace()->subWindowList().size(), 1);
        QCOMPARE(m_app->activeEncoder(), encoder);
        QVERIFY(encoder->isVisible());
        QCOMPARE(encoder->regions().size(), size_t(1));

        const QString result = file(QStringLiteral("added.png"));
        KelvoDialogScript save;
        EncoderTest::saveAs(save, result);
        clickTool(QStringLiteral("buildImg"));
        QVERIFY2(save.done(), qPrintable(save.failure()));

        const auto regions = EncoderTest::decodeFile(result);
        QCOMPARE(regions.size(), size_t(3));
        QCOMPARE(regions.at(0).items, QStringList{QStringLiteral("text:0")});
        QCOMPARE(regions.at(2).items, QStringList{QStringLiteral("text:2")});
        QCOMPARE(regions.at(3).items, QStringList{QStringLiteral("text:new")});
        QTRY_VERIFY(m_app->activeViewer());
    }

    void exitAsksAboutUngeneratedData_data() {
        QTest::addColumn<int>("answer"); // 1 "Yes", 2 "No", 3 "Cancel", 0 Escape
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("closes");
        QTest::newRow("no: closes") << 2 << "no" << true;
        QTest::newRow("yes, but the generation fails: stays") << 1 << "overlap" << false;
        QTest::newRow("yes, saved: closes") << 1 << "save" << true;
        QTest::newRow("yes, but the save is declined: closes") << 1 << "decline" << true;
        QTest::newRow("yes, but the write fails: stays") << 1 << "write fails" << false;
        QTest::newRow("cancel: stays") << 3 << "cancel" << false;
        QTest::newRow("escape: stays") << 0 << "escape" << false;
    }

    // Exit closes the windows oldest first and stops at one that stays open.
    void exitAsksAboutUngeneratedData() {
        QFETCH(int, answer);
        QFETCH(QString, how);
        QFETCH(bool, closes);

        KelvoImgEncodeWidget* encoder = openEncoder(QStringLiteral("unsaved"));
        QVERIFY(encoder);
        if (how == QLatin1String("overlap")) {
            // An image part over the text region: generation fails.
            encoder->attacher().attachImage(plainPicture(Width, Height),
                                            QPolygon(QRect(40, 40, 20, 20)));
        }
        QVERIFY(m_app->openImage(file(QStringLiteral("plain.png"))));
        QWidget* later = m_app->workspace()->activeSubWindow();

        KelvoDialogScript script;
        QString question;
        EncoderTest::answerMessage(script, &question, answer);
        const QString saved = file(QStringLiteral("on-exit.png"));
        if (how == QLatin1String("overlap")) {
            EncoderTest::answerMessage(script, nullptr);
        } else if (how == QLatin1String("save")) {
            EncoderTest::saveAs(script, saved);
        } else if (how == QLatin1String("decline")) {
            script.then<KelvoEncDoneDlg>([](KelvoEncDoneDlg* done) {
                KelvoDialogScript::click(done, QStringLiteral("cancel"));
            });
        } else if (how == QLatin1String("write fails")) {
            EncoderTest::saveAs(script, file(QStringLiteral("missing/x.png")));
            EncoderTest::answerMessage(script, nullptr);
        }
        press(QStringLiteral("Ctrl+Q"));
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QCOMPARE(question,
                 QStringLiteral("Image parts are associated with data.\nWould you like to "
                                "generate the coded image now?"));
        QCOMPARE(m_app->isVisible(), !closes);
        QCOMPARE(encoder->isVisible(), !closes);
        QCOMPARE(later->isVisible(), !closes);
        if (!closes) {
            QVERIFY(!encoder->regions().empty());
        }
        if (how == QLatin1String("save")) {
            const auto regions = EncoderTest::decodeFile(saved);
            QCOMPARE(regions.size(), std::size_t(1));
            QCOMPARE(regions.begin()->second.items, QStringList{QStringLiteral("text:unsaved")});
        }
    }

    void saveAsWithUngeneratedData_data() {
        QTest::addColumn<int>("answer"); // 1 "Generate", 2 "Save plain", 3 "Cancel", 0 Escape
        QTest::newRow("generate") << 1;
        QTest::newRow("save plain") << 2;
        QTest::newRow("cancel") << 3;
        QTest::newRow("escape") << 0;
    }

    void saveAsWithUngeneratedData() {
        QFETCH(int, answer);
        KelvoImgEncodeWidget* encoder = openEncoder(QStringLiteral("unsaved"));
        QVERIFY(encoder);

        const QString saved = file(QLatin1String(QTest::currentDataTag()) + ".png");
        KelvoDialogScript script;
        QString question;
        EncoderTest::answerMessage(script, &question, answer);
        if (answer == 1) {
            EncoderTest::saveAs(script, saved);
        } else if (answer == 2) {
            EncoderTest::chooseFile(script, saved);
        }
        press(QStringLiteral("Ctrl+S"));
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QVERIFY2(question.contains(QStringLiteral("not coded yet")), qPrintable(question));
        QCOMPARE(QFile::exists(saved), answer == 1 || answer == 2);
        if (answer == 1) {
            // The normal generation: the coded picture replaces the encoder.
            QCOMPARE(EncoderTest::decodeFile(saved).at(0).items,
                     QStringList{QStringLiteral("text:unsaved")});
            QTRY_VERIFY(m_app->activeViewer());
            QCOMPARE(m_app->activeViewer()->fileName(), QFileInfo(saved).fileName());
            return;
        }
        QCOMPARE(m_app->activeEncoder(), encoder);
        QCOMPARE(encoder->regions().size(), size_t(1));
        if (answer == 2) {
            QVERIFY(EncoderTest::decodeFile(saved).empty());
            QCOMPARE(QImage(saved).convertToFormat(QImage::Format_RGB32), encoder->picture());
            // The title shows the file name, with the modified mark while regions are not coded.
            QCOMPARE(m_app->workspace()->activeSubWindow()->windowTitle(),
                     QFileInfo(saved).fileName() + QStringLiteral("[*]"));
        }
    }

    // Erasing one region (Ctrl+E) says so and marks the window modified. Saved under a new name,
    // the window is that file: its title, the name the HTML generator writes, and nothing to ask
    // about on Exit, which then saves each of two later windows' own pictures.
    void saveAsMakesTheViewerThatFileAndExitSavesTheOthers() {
        QVERIFY(m_app->openImage(file(QStringLiteral("coded.png"))));
        KelvoAppViewerWidget* viewer = m_app->activeViewer();
        QVERIFY(!m_app->workspace()->activeSubWindow()->isWindowModified());
        KelvoDialogScript erase;
        erase.pressOnMessage(2).pressOnMessage(1); // one region; "OK" to the hint
        press(QStringLiteral("Ctrl+E"));
        QVERIFY2(erase.done(), qPrintable(erase.failure()));
        QTest::mouseClick(viewer, Qt::LeftButton, {}, viewer->offset() + regionRect(1).center());
        QTRY_VERIFY(m_app->activeViewer() && m_app->activeViewer() != viewer);
        viewer = m_app->activeViewer();
        QVERIFY(viewer->isModified());
        QCOMPARE(int(viewer->regions().size()), 2);
        QCOMPARE(m_app->statusBar()->currentMessage(),
                 QStringLiteral("Coded data erased; the picture is not saved yet."));
        QVERIFY(m_app->workspace()->activeSubWindow()->isWindowModified());

        KelvoDialogScript save;
        EncoderTest::chooseFile(save, file(QStringLiteral("erased")));
        press(QStringLiteral("Ctrl+S"));
        QVERIFY2(save.done(), qPrintable(save.failure()));
        QCOMPARE(EncoderTest::decodeFile(file(QStringLiteral("erased.png"))).size(), size_t(2));
        QCOMPARE(viewer->fileName(), QStringLiteral("erased.png"));
        QCOMPARE(m_app->workspace()->activeSubWindow()->windowTitle(),
                 QStringLiteral("erased.png[*]"));
        QVERIFY(!m_app->workspace()->activeSubWindow()->isWindowModified());
        QVERIFY(!viewer->isModified());
        m_app->action(KelvoAction::GenerateHtml)->trigger();
        QCOMPARE(m_app->htmlGenerator()->fileEdit()->text(), QStringLiteral("erased.png"));

        // Exit closes the windows oldest first, asking nothing for the saved one, while the newest
        // is active: "Save" must write the picture of the window being closed.
        QVERIFY(codedPicture(QStringLiteral("b")).save(file(QStringLiteral("b.png"))));
        QVERIFY(m_app->openImage(file(QStringLiteral("coded.png"))));
        KelvoImgWidget* older = m_app->activeImageWindow();
        QVERIFY(m_app->openImage(file(QStringLiteral("b.png"))));
        KelvoImgWidget* newer = m_app->activeImageWindow();
        older->setModified(true);
        newer->setModified(true);
        KelvoDialogScript exit;
        for (const QString& saved :
             {QStringLiteral("older-saved.png"), QStringLiteral("newer-saved.png")}) {
            exit.then<QMessageBox>([](QMessageBox* box) {
                KelvoDialogScript::clickLabelled(box, QStringLiteral("Save"));
            });
            EncoderTest::chooseFile(exit, file(saved));
        }
        press(QStringLiteral("Ctrl+Q"));
        QVERIFY2(exit.done(), qPrintable(exit.failure()));
        QVERIFY(!m_app->isVisible());
        QCOMPARE(EncoderTest::decodeFile(file(QStringLiteral("older-saved.png"))).at(0).items,
                 QStringList{QStringLiteral("text:0")});
        QCOMPARE(EncoderTest::decodeFile(file(QStringLiteral("newer-saved.png"))).at(0).items,
                 QStringList{QStringLiteral("text:b0")});
    }

    // Pictures named on the command line: the good ones open, the others are named in one message
    // with the reader's reasons. "&Open" with Ctrl+O and a typed name names the file the same way.
    void badFilesNamedWithTheirReasons() {
        QStringList messages;
        const auto answer = [&messages](QMessageBox* box) {
            messages << box->text();
            QTest::keyClick(box, Qt::Key_Return);
        };
        KelvoDialogScript script;
        script.then<QMessageBox>(answer);
        const QStringList bad = {QStringLiteral("text.png"), QStringLiteral("truncated.png"),
                                 QStringLiteral("huge.png")};
        m_app->openImages(
            {file(bad[0]), file(QStringLiteral("plain.png")), file(bad[1]), file(bad[2])});
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QCOMPARE(m_app->workspace()->subWindowList().size(), 1);

        KelvoDialogScript open;
        open.then<QFileDialog>([&](QFileDialog* files) {
                auto* edit = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                QVERIFY(edit);
                edit->clear();
                QTest::keyClicks(edit, file(bad[1]));
                QTest::keyClick(edit, Qt::Key_Return);
            })
            .then<QMessageBox>(answer);
        press(QStringLiteral("Ctrl+O"));
        QTRY_VERIFY_WITH_TIMEOUT(open.done() || !open.failure().isEmpty(),
                                 KelvoDialogScript::TimeoutMs + 1000);
        QVERIFY2(open.done(), qPrintable(open.failure()));
        QCOMPARE(m_app->workspace()->subWindowList().size(), 1);
        QCOMPARE(
            messages,
            (QStringList{
                QStringLiteral("These images could not be loaded:\n") + namedWithReason(bad[0]) +
                    u'\n' + namedWithReason(bad[1]) + u'\n' + namedWithReason(bad[2]),
                QStringLiteral("The image could not be loaded:\n") + namedWithReason(bad[1])}));
    }

    void shortcuts_data() {
        QTest::addColumn<bool>("viewer"); // else an encoder with a closed selection and a text
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("effect"); // or the dialog the key brings up, closed again
        const std::tuple<const char*, bool, const char*, const char*> rows[] = {
            {"freehand", false, "F", "freehand"},
            {"rectangle", false, "R", "rectangle"},
            {"text", false, "Ctrl+T", "KelvoTextTypeDlg"},
            {"dictionary entry", false, "Ctrl+D", "KelvoDictEntryDlg"},
            {"image", false, "Ctrl+I", "grabber"},
            {"generate", false, "Ctrl+G", "KelvoEncDoneDlg"},
            {"regions", true, "Ctrl+R", "outlines"},
            {"help, closed by Escape", true, "F1", "help"},
            {"no About on Ctrl+A", true, "Ctrl+A", "nothing"}};
        for (const auto& [tag, viewer, keys, effect] : rows) {
            QTest::newRow(tag) << viewer << QString::fromLatin1(keys)
                               << QString::fromLatin1(effect);
        }
    }

    void shortcuts() {
        QFETCH(bool, viewer);
        QFETCH(QString, keys);
        QFETCH(QString, effect);
        const bool dialog = effect.startsWith(QLatin1String("Kelvo"));
        if (viewer) {
            QVERIFY(m_app->openImage(file(QStringLiteral("coded.png"))));
            QVERIFY(m_app->activeViewer());
        } else {
            KelvoImgEncodeWidget* encoder = openEncoder(QStringLiteral("text"));
            QVERIFY(encoder);
            // A fresh selection for the tools that attach data.
            EncoderTest::dragRect(encoder, QRect(140, 20, 61, 61));
            encoder->setSelectionMode(effect == QLatin1String("rectangle")
                                          ? KelvoImgSelectionWidget::FreehandMode
                                          : KelvoImgSelectionWidget::RectangleMode);
        }
        QString shown;
        KelvoDialogScript script;
        const auto close = [&shown](QDialog* open) {
            shown = QLatin1String(open->metaObject()->className());
            QTest::keyClick(open, Qt::Key_Escape);
        };
        // A slow generation shows its progress dialog first.
        if (effect == QLatin1String("KelvoEncDoneDlg")) {
            script.then<KelvoEncDoneDlg>(close);
        } else if (dialog) {
            script.then<QDialog>(close);
        }
        press(keys);
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QCOMPARE(shown, dialog ? effect : QString());
        QCOMPARE(m_app->imageGrabber()->isVisible(), effect == QLatin1String("grabber"));
        if (viewer) {
            QCOMPARE(m_app->activeViewer()->outlinesShown(), effect == QLatin1String("outlines"));
        } else {
            // F and R switch the mode set against them; no other key changes it.
            QCOMPARE(m_app->activeEncoder()->selectionMode() ==
                         KelvoImgSelectionWidget::FreehandMode,
                     effect == QLatin1String("freehand"));
        }
        KelvoHelpBrowser* help = m_app->helpBrowser();
        QCOMPARE(help->isVisible(), effect == QLatin1String("help"));
        QVERIFY(!m_app->aboutWidget()->isVisible());
        if (effect == QLatin1String("help")) {
            QTest::keyClick(help->browser(), Qt::Key_Escape);
            QVERIFY(!help->isVisible());
        }
    }

    // Every menu item has an access key that no other item of its menu has; no two actions share a
    // shortcut.
    void accessKeysAndShortcutsAreUnique() {
        QStringList shortcuts;
        for (QAction* title : m_app->menuBar()->actions()) {
            QVERIFY2(title->text().contains(QLatin1Char('&')), qPrintable(title->text()));
            // The dictionary menu's items are shared with the plug-in and the web viewer.
            if (title->text() == QLatin1String("&Image Dictionary")) {
                continue;
            }
            QStringList keys;
            for (QAction* item : title->menu()->actions()) {
                if (item->isSeparator()) {
                    continue;
                }
                const qsizetype amp = item->text().indexOf(QLatin1Char('&'));
                QVERIFY2(amp >= 0, qPrintable(item->text()));
                const QString key = item->text().mid(amp + 1, 1).toLower();
                QVERIFY2(!keys.contains(key), qPrintable(item->text()));
                keys << key;
                if (!item->shortcut().isEmpty()) {
                    const QString shortcut = item->shortcut().toString();
                    QVERIFY2(!shortcuts.contains(shortcut), qPrintable(shortcut));
                    shortcuts << shortcut;
                }
            }
        }
    }

    // Three pictures dropped at once, as on the first screen: each is seen, none hides another;
    // the Window menu lists them and brings the chosen one up. Then the recent files.
    void droppedPicturesWindowMenuAndRecentFiles() {
        QMimeData data;
        QStringList names;
        for (int i = 0; i < 3; ++i) {
            names << file(QStringLiteral("tile%1.png").arg(i));
            QVERIFY(plainPicture(120 + 40 * i, 90).save(names.last()));
            data.setUrls(data.urls() << QUrl::fromLocalFile(names.last()));
        }
        const QPoint at = m_app->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(m_app.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(m_app.get(), &drop);
        const QList<QMdiSubWindow*> windows =
            m_app->workspace()->subWindowList(QMdiArea::CreationOrder);
        QCOMPARE(windows.size(), 3);
        for (QMdiSubWindow* a : windows) {
            QVERIFY(a->isVisible() && !a->isMaximized());
            QVERIFY(m_app->workspace()->viewport()->rect().contains(a->geometry()));
            for (QMdiSubWindow* b : windows) {
                QVERIFY(a == b || !a->geometry().intersects(b->geometry()));
            }
        }

        QMenu* windowMenu = menu(QStringLiteral("&Window"));
        QVERIFY(windowMenu);
        emit windowMenu->aboutToShow();
        QStringList items;
        QAction* first = nullptr;
        for (QAction* item : windowMenu->actions()) {
            if (item->text().startsWith(QLatin1String("&1 "))) {
                first = item;
            }
            items << item->text();
        }
        QCOMPARE(items.mid(items.size() - 3),
                 (QStringList{"&1 tile0.png", "&2 tile1.png", "&3 tile2.png"}));
        first->trigger();
        QCOMPARE(m_app->workspace()->activeSubWindow(), windows.first());

        // Open Recent: the last eight pictures, newest first, once each; the menu opens them.
        names.clear();
        for (int i = 0; i < 9; ++i) {
            names << file(QStringLiteral("recent%1.png").arg(i));
            QVERIFY(QFile::copy(file(QStringLiteral("plain.png")), names.last()));
        }
        m_app->openImages(names);
        m_app->openImage(names[3]);
        const QStringList expected = {names[3], names[8], names[7], names[6],
                                      names[5], names[4], names[2], names[1]};
        QCOMPARE(m_app->recentFiles()->files(), expected);
        QCOMPARE(KelvoUserSettings::lastFolder(), m_dir.path());

        m_app->workspace()->closeAllSubWindows();
        m_app = std::make_unique<KelvoApp>();
        QCOMPARE(m_app->recentFiles()->files(), expected);
        QMenu* recent = menu(QStringLiteral("Open &Recent"));
        QVERIFY(recent);
        QCOMPARE(recent->actions().size(), 8);
        recent->actions().at(1)->trigger();
        QVERIFY(m_app->activeEncoder());
        QCOMPARE(m_app->activeEncoder()->fileName(), QStringLiteral("recent8.png"));
    }

private:
    QString file(const QString& name) const { return m_dir.filePath(name); }
    // The file's name and the reader's reason for not reading it, as the messages give them.
    QString namedWithReason(const QString& name) const {
        QString reason;
        const bool read = !KelvoPictureReader::readFile(file(name), &reason).isNull();
        return read || reason.isEmpty()
                   ? QStringLiteral("<%1 has no reason>").arg(name)
                   : QDir::toNativeSeparators(file(name)) + QStringLiteral(": ") + reason;
    }
    QMenu* menu(const QString& title) const {
        for (QMenu* candidate : m_app->findChildren<QMenu*>()) {
            if (candidate->title() == title) {
                return candidate;
            }
        }
        return nullptr;
    }
    void clickTool(const QString& name) {
        auto* button = m_app->findChild<QToolButton*>(name);
        QVERIFY2(button && button->isEnabled(), qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Keys typed into the main window (active again after closed dialogs).
    void press(const QString& keys) {
        m_app->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_app.get()));
        QTest::keySequence(m_app.get(), QKeySequence(keys));
    }

    // An encoder window on plain.png with a rectangle selected and, when `text` is given, a text
    // attached to it.
    KelvoImgEncodeWidget* openEncoder(const QString& text = {});

    QTemporaryDir m_dir;
    std::unique_ptr<KelvoApp> m_app;
};

KelvoImgEncodeWidget* KelvoAppTest::openEncoder(const QString& text) {
    if (!m_app->openImage(file(QStringLiteral("plain.png")))) {
        return nullptr;
    }
    KelvoImgEncodeWidget* encoder = m_app->activeEncoder();
    EncoderTest::dragRect(encoder, QRect(QPoint(20, 20), QPoint(120, 100)));
    if (!text.isEmpty()) {
        encoder->attacher().attachText(text);
    }
    return encoder;
}

QTEST_MAIN(KelvoAppTest)
#include "kelvoapp_test.moc"
