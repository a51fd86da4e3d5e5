// The main window from the keyboard and the desktop: the tools reached by their shortcuts (Ctrl+G
// and Ctrl+E along the steps), the access keys, the status line and modified marks along the
// steps, opened pictures tiled, the Window menu, recent files, dropped files, Ctrl+Return in the
// text dialog and Escape in the help browser.
#include "encodertestsupport.h"
#include "kelvoapp.h"
#include "kelvoappviewerwidget.h"
#include "kelvodialogscript.h"
#include "kelvohelpbrowser.h"
#include "kelvoimgencodewidget.h"
#include "kelvoimggrabber.h"
#include "kelvoimginputdlg.h"
#include "kelvoinfowidget.h"
#include "kelvorecentfiles.h"
#include "kelvousersettings.h"
#include "kelvoworkspace.h"

#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using EncoderTest::plainPicture;

class KelvoAppKeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void shortcuts_data();
    void shortcuts();
    void accessKeysAndShortcutsAreUnique();
    void stepsShowInStatusAndTitle();
    void openedPicturesAreTiledAndListed();
    void recentFiles();
    void droppedFilesOpen();
    void ctrlReturnPressesOk();
    void escapeClosesHelp();

private:
    QString file(const QString& name) const { return m_dir.filePath(name); }
    void press(const QString& keys) {
        m_app->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_app.get()));
        QTest::keySequence(m_app.get(), QKeySequence(keys));
    }
    // An encoder on plain.png with a rectangle selected.
    KelvoImgEncodeWidget* encoderWithSelection();
    // Types `text` as a simple text through Ctrl+T.
    void addText(const QString& text);

    QTemporaryDir m_dir;
    std::unique_ptr<KelvoApp> m_app;
};

void KelvoAppKeyboardTest::initTestCase() {
    QVERIFY(plainPicture(240, 180).save(file(QStringLiteral("plain.png"))));
}

void KelvoAppKeyboardTest::init() {
    KelvoUserSettings::open()->clear();
    m_app = std::make_unique<KelvoApp>();
    m_app->resize(900, 700);
    m_app->show();
    m_app->timerDone();
    m_app->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_app.get()));
}

void KelvoAppKeyboardTest::cleanup() {
    m_app.reset();
}

KelvoImgEncodeWidget* KelvoAppKeyboardTest::encoderWithSelection() {
    if (!m_app->openImage(file(QStringLiteral("plain.png")))) {
        return nullptr;
    }
    KelvoImgEncodeWidget* encoder = m_app->activeEncoder();
    EncoderTest::dragRect(encoder, QRect(QPoint(20, 20), QPoint(120, 100)));
    return encoder;
}

void KelvoAppKeyboardTest::addText(const QString& text) {
    KelvoDialogScript script;
    EncoderTest::addSimpleText(script, text);
    press(QStringLiteral("Ctrl+T"));
    QVERIFY2(script.done(), qPrintable(script.failure()));
}

void KelvoAppKeyboardTest::shortcuts_data() {
    QTest::addColumn<bool>("viewer"); // else an encoder with a closed selection and a text
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("dialog"); // the dialog the key brings up, closed again
    QTest::addColumn<QString>("effect");
    QTest::newRow("freehand") << false << "F"
                              << ""
                              << "freehand";
    QTest::newRow("rectangle") << false << "R"
                               << ""
                               << "rectangle";
    QTest::newRow("text") << false << "Ctrl+T"
                          << "KelvoTextTypeDlg"
                          << "";
    QTest::newRow("dictionary entry") << false << "Ctrl+D"
                                      << "KelvoDictEntryDlg"
                                      << "";
    QTest::newRow("image") << false << "Ctrl+I"
                           << ""
                           << "grabber";
    QTest::newRow("regions") << true << "Ctrl+R"
                             << ""
                             << "outlines";
    QTest::newRow("help") << true << "F1"
                          << ""
                          << "help";
    QTest::newRow("no About on Ctrl+A") << true << "Ctrl+A"
                                        << ""
                                        << "nothing";
}

void KelvoAppKeyboardTest::shortcuts() {
    QFETCH(bool, viewer);
    QFETCH(QString, keys);
    QFETCH(QString, dialog);
    QFETCH(QString, effect);
    if (viewer) {
        const QString coded = file(QStringLiteral("coded.png"));
        if (!QFile::exists(coded)) {
            encoderWithSelection()->attacher().attachText(QStringLiteral("coded"));
            KelvoDialogScript save;
            EncoderTest::saveAs(save, coded);
            m_app->buildImg();
            QVERIFY2(save.done(), qPrintable(save.failure()));
            m_app->workspace()->closeAllSubWindows();
        }
        QVERIFY(m_app->openImage(coded));
        QVERIFY(m_app->activeViewer());
    } else {
        KelvoImgEncodeWidget* encoder = encoderWithSelection();
        QVERIFY(encoder);
        encoder->attacher().attachText(QStringLiteral("text"));
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
    if (!dialog.isEmpty()) {
        script.then<QDialog>(close);
    }
    press(keys);
    QVERIFY2(script.done(), qPrintable(script.failure()));
    QCOMPARE(shown, dialog);
    if (effect == QLatin1String("freehand") || effect == QLatin1String("rectangle")) {
        QCOMPARE(m_app->activeEncoder()->selectionMode(),
                 int(effect == QLatin1String("freehand") ? KelvoImgSelectionWidget::FreehandMode
                                                         : KelvoImgSelectionWidget::RectangleMode));
    }
    QCOMPARE(m_app->imageGrabber()->isVisible(), effect == QLatin1String("grabber"));
    if (viewer) {
        QCOMPARE(m_app->activeViewer()->outlinesShown(), effect == QLatin1String("outlines"));
    }
    QCOMPARE(m_app->helpBrowser()->isVisible(), effect == QLatin1String("help"));
    QVERIFY(!m_app->aboutWidget()->isVisible());
}

// Every menu item has an access key that no other item of its menu has; no two actions share a
// shortcut.
void KelvoAppKeyboardTest::accessKeysAndShortcutsAreUnique() {
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
    QVERIFY(shortcuts.contains(QStringLiteral("Ctrl+G")));
    QVERIFY(!shortcuts.contains(QStringLiteral("Ctrl+A")));
}

// Region added, title marked, generated and saved, erased: each step says so.
void KelvoAppKeyboardTest::stepsShowInStatusAndTitle() {
    KelvoImgEncodeWidget* encoder = encoderWithSelection();
    QVERIFY(encoder);
    QMdiSubWindow* frame = m_app->workspace()->activeSubWindow();
    QVERIFY(!frame->isWindowModified());
    addText(QStringLiteral("harbour"));
    QCOMPARE(m_app->statusBar()->currentMessage(), QStringLiteral("Region added with its data."));
    QVERIFY(frame->isWindowModified());

    const QString saved = file(QStringLiteral("steps.png"));
    KelvoDialogScript save;
    EncoderTest::saveAs(save, saved);
    press(QStringLiteral("Ctrl+G"));
    QVERIFY2(save.done(), qPrintable(save.failure()));
    QTRY_VERIFY(m_app->activeViewer());
    QCOMPARE(m_app->statusBar()->currentMessage(),
             QStringLiteral("Coded image generated and saved as \"%1\".")
                 .arg(QDir::toNativeSeparators(saved)));
    QVERIFY(!m_app->workspace()->activeSubWindow()->isWindowModified());

    KelvoDialogScript erase;
    erase.pressOnMessage(1);
    press(QStringLiteral("Ctrl+E"));
    QVERIFY2(erase.done(), qPrintable(erase.failure()));
    QTRY_VERIFY(m_app->activeEncoder());
    QCOMPARE(m_app->statusBar()->currentMessage(),
             QStringLiteral("Coded data erased; the picture is not saved yet."));
    QVERIFY(m_app->workspace()->activeSubWindow()->isWindowModified());
}

// Three pictures at once, as on the first screen: each is seen, none hides another; the
// Window menu lists them and brings the chosen one up.
void KelvoAppKeyboardTest::openedPicturesAreTiledAndListed() {
    QStringList names;
    for (int i = 0; i < 3; ++i) {
        names << file(QStringLiteral("tile%1.png").arg(i));
        QVERIFY(plainPicture(120 + 40 * i, 90).save(names.last()));
    }
    m_app->openImages(names);
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

    QMenu* menu = nullptr;
    for (QAction* title : m_app->menuBar()->actions()) {
        if (title->text() == QLatin1String("&Window")) {
            menu = title->menu();
        }
    }
    QVERIFY(menu);
    emit menu->aboutToShow();
    QStringList items;
    QAction* first = nullptr;
    for (QAction* item : menu->actions()) {
        if (item->text().startsWith(QLatin1String("&1 "))) {
            first = item;
        }
        items << item->text();
    }
    QCOMPARE(items.mid(items.size() - 3),
             (QStringList{"&1 tile0.png", "&2 tile1.png", "&3 tile2.png"}));
    first->trigger();
    QCOMPARE(m_app->workspace()->activeSubWindow(), windows.first());
}

// The last eight pictures, newest first, once each; the menu opens them.
void KelvoAppKeyboardTest::recentFiles() {
    QStringList names;
    for (int i = 0; i < 9; ++i) {
        names << file(QStringLiteral("recent%1.png").arg(i));
        QVERIFY(QFile::copy(file(QStringLiteral("plain.png")), names.last()));
    }
    m_app->openImages(names);
    m_app->openImage(names[3]);
    QStringList expected = {names[3], names[8], names[7], names[6],
                            names[5], names[4], names[2], names[1]};
    QCOMPARE(m_app->recentFiles()->files(), expected);
    QCOMPARE(KelvoUserSettings::lastFolder(), m_dir.path());

    m_app->workspace()->closeAllSubWindows();
    m_app = std::make_unique<KelvoApp>();
    QCOMPARE(m_app->recentFiles()->files(), expected);
    QMenu* menu = m_app->findChild<QMenu*>();
    for (QMenu* candidate : m_app->findChildren<QMenu*>()) {
        if (candidate->title() == QLatin1String("Open &Recent")) {
            menu = candidate;
        }
    }
    QCOMPARE(menu->actions().size(), 8);
    menu->actions().at(1)->trigger();
    QVERIFY(m_app->activeEncoder());
    QCOMPARE(m_app->activeEncoder()->fileName(), QStringLiteral("recent8.png"));
}

void KelvoAppKeyboardTest::droppedFilesOpen() {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file(QStringLiteral("plain.png"))),
                  QUrl::fromLocalFile(file(QStringLiteral("plain.png")))});
    const QPoint at = m_app->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(m_app.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(m_app.get(), &drop);
    QCOMPARE(m_app->workspace()->subWindowList().size(), 2);
}

// Return starts a new line; Ctrl+Return (main or keypad) presses OK.
void KelvoAppKeyboardTest::ctrlReturnPressesOk() {
    for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        KelvoDialogScript script;
        script.then<KelvoImgInputDlg>([enter](KelvoImgInputDlg* dialog) {
            QWidget* edit = dialog->findChild<QWidget*>(QStringLiteral("textEdit"));
            QTest::keyClicks(edit, QStringLiteral("two"));
            QTest::keyClick(edit, Qt::Key_Return);
            QTest::keyClicks(edit, QStringLiteral("lines"));
            QTest::keyClick(edit, enter, Qt::ControlModifier);
        });
        QString text;
        QVERIFY(enterUnformattedText(text, m_app.get()));
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QCOMPARE(text, QStringLiteral("two\nlines"));
    }
}

void KelvoAppKeyboardTest::escapeClosesHelp() {
    press(QStringLiteral("F1"));
    KelvoHelpBrowser* help = m_app->helpBrowser();
    QVERIFY(help->isVisible());
    QTest::keyClick(help->browser(), Qt::Key_Escape);
    QVERIFY(!help->isVisible());
}

QTEST_MAIN(KelvoAppKeyboardTest)
#include "kelvoappkeyboard_test.moc"
