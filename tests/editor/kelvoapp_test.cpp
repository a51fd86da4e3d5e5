// The main window: which kind of window an opened picture becomes and how windows are named,
// the tool buttons following the active window, "Add Data" on a picture whose keys have a gap
// after one region was erased, "Save as" and Exit with unsaved work.
#include "encodertestsupport.h"
#include "kelvoapp.h"
#include "kelvoappviewerwidget.h"
#include "kelvodecodeimage.h"
#include "kelvodialogscript.h"
#include "kelvoencdonedlg.h"
#include "kelvogenerator.h"
#include "kelvohtmlgenerator.h"
#include "kelvoimgencodewidget.h"
#include "kelvopicturereader.h"
#include "kelvotoolcommands.h"
#include "kelvoworkspace.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMap>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using EncoderTest::plainPicture;

namespace {

constexpr int Width = 240;
constexpr int Height = 180;

QRect regionRect(int i) {
    return QRect(10 + 75 * i, 20, 60, 50);
}

// A coded picture with texts `prefix` + "0", "1", "2" in three regions, keyed 0 to 2.
QImage codedPicture(const QString& prefix = {}) {
    KelvoRegionMap regions;
    for (int i = 0; i < 3; ++i) {
        regions[i + 1].polygons = {QPolygon(regionRect(i))};
        regions[i + 1].texts = {prefix + QString::number(i)};
    }
    QImage coded;
    if (!KelvoGenerator::generate(plainPicture(Width, Height), coded, regions, true, 0)) {
        qFatal("cannot code the test picture");
    }
    return coded;
}

} // namespace

class KelvoAppTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void windowsByKindAndCounter();
    void selectionButtonsFollowTheActiveEncoder();
    void addDataKeysAfterTheHighestKey();
    void exitAsksAboutUngeneratedData_data();
    void exitAsksAboutUngeneratedData();
    void saveAsWithUngeneratedData_data();
    void saveAsWithUngeneratedData();
    void exitSavesEachWindowsOwnPicture_data();
    void exitSavesEachWindowsOwnPicture();
    void saveAsMakesTheViewerThatFile();
    void encoderStaysWhenItsPictureCannotBeReopened();
    void badFileNamedWithItsReason_data();
    void badFileNamedWithItsReason();
    void badFilesOnTheCommandLineInOneMessage();

private:
    QString file(const QString& name) const { return m_dir.filePath(name); }
    void clickTool(const QString& name) {
        auto* button = m_app->findChild<QToolButton*>(name);
        QVERIFY2(button && button->isEnabled(), qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // The menu shortcuts, typed into the main window (active again after closed dialogs).
    void shortcut(int key) {
        m_app->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_app.get()));
        QTest::keyClick(m_app.get(), Qt::Key(key), Qt::ControlModifier);
    }
    void saveAsKey() { shortcut(Qt::Key_S); }
    void exitKey() { shortcut(Qt::Key_Q); }
    // An encoder window on plain.png with the text "unsaved" in one region.
    KelvoImgEncodeWidget* encoderWithText();

    QTemporaryDir m_dir;
    std::unique_ptr<KelvoApp> m_app;
};

void KelvoAppTest::init() {
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
    m_app = std::make_unique<KelvoApp>();
    m_app->resize(800, 600);
    m_app->show();
    m_app->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_app.get()));
}

void KelvoAppTest::cleanup() {
    m_app.reset();
}

void KelvoAppTest::windowsByKindAndCounter() {
    QVERIFY(!m_app->action(KelvoAction::Generate)->isEnabled());
    QVERIFY(m_app->openImage(file(QStringLiteral("plain.png"))));
    QVERIFY(m_app->activeEncoder());
    QVERIFY(m_app->action(KelvoAction::Overview)->isEnabled());
    QVERIFY(!m_app->action(KelvoAction::AddData)->isEnabled());

    QVERIFY(m_app->openImage(file(QStringLiteral("coded.png"))));
    QVERIFY(m_app->activeViewer());
    QVERIFY(m_app->action(KelvoAction::AddData)->isEnabled());
    QVERIFY(m_app->action(KelvoAction::ShowOutlines)->isEnabled());
    QVERIFY(!m_app->action(KelvoAction::SelectRect)->isEnabled());

    // A file that cannot be read leaves no window.
    KelvoDialogScript script;
    script.then<QMessageBox>([](QMessageBox* box) { box->accept(); });
    QVERIFY(!m_app->openImage(file(QStringLiteral("missing.png"))));
    QVERIFY2(script.done(), qPrintable(script.failure()));
    QCOMPARE(m_app->workspace()->subWindowList().size(), 2);

    m_app->workspace()->closeAllSubWindows();
    QTRY_COMPARE(m_app->workspace()->subWindowList().size(), 0);
    QVERIFY(!m_app->action(KelvoAction::SaveAs)->isEnabled());
    QVERIFY(!m_app->action(KelvoAction::SelectRect)->isEnabled());
    QVERIFY(m_app->openImage(file(QStringLiteral("coded.png"))));
    QCOMPARE(m_app->activeImageWindow()->objectName(), QStringLiteral("_IMG_WIDGET_0"));
}

// "&Open" with Ctrl+O and a typed name: the message names the file and the reader's reason.
void KelvoAppTest::badFileNamedWithItsReason_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("text") << "text.png";
    QTest::newRow("truncated") << "truncated.png";
    QTest::newRow("huge") << "huge.png";
}

void KelvoAppTest::badFileNamedWithItsReason() {
    QFETCH(QString, name);
    QString reason;
    QVERIFY(KelvoPictureReader::readFile(file(name), &reason).isNull());
    QVERIFY(!reason.isEmpty());
    QString message;
    KelvoDialogScript script;
    script
        .then<QFileDialog>([&](QFileDialog* files) {
            auto* edit = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(edit);
            edit->clear();
            QTest::keyClicks(edit, file(name));
            QTest::keyClick(edit, Qt::Key_Return);
        })
        .then<QMessageBox>([&](QMessageBox* box) {
            message = box->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
    QVERIFY(QTest::qWaitForWindowActive(m_app.get()));
    QTest::keyClick(m_app.get(), Qt::Key_O, Qt::ControlModifier);
    QTRY_VERIFY_WITH_TIMEOUT(script.done() || !script.failure().isEmpty(),
                             KelvoDialogScript::TimeoutMs + 1000);
    QVERIFY2(script.done(), qPrintable(script.failure()));
    QCOMPARE(message, QStringLiteral("The image could not be loaded:\n%1: %2")
                          .arg(QDir::toNativeSeparators(file(name)), reason));
    QVERIFY(m_app->workspace()->subWindowList().isEmpty());
}

// Pictures named on the command line: the good ones open, the others are named in one message.
void KelvoAppTest::badFilesOnTheCommandLineInOneMessage() {
    QStringList lines;
    int boxes = 0;
    KelvoDialogScript script;
    script.then<QMessageBox>([&](QMessageBox* box) {
        ++boxes;
        lines = box->text().split(QLatin1Char('\n'));
        QTest::keyClick(box, Qt::Key_Return);
    });
    m_app->openImages({file(QStringLiteral("text.png")), file(QStringLiteral("plain.png")),
                       file(QStringLiteral("truncated.png")), file(QStringLiteral("huge.png"))});
    QVERIFY2(script.done(), qPrintable(script.failure()));
    QCOMPARE(boxes, 1);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], QStringLiteral("These images could not be loaded:"));
    for (int i = 1; i < 4; ++i) {
        const QString name =
            QStringList{QStringLiteral("text.png"), QStringLiteral("truncated.png"),
                        QStringLiteral("huge.png")}[i - 1];
        QVERIFY2(lines[i].startsWith(QDir::toNativeSeparators(file(name)) + QStringLiteral(": ")),
                 qPrintable(lines[i]));
    }
    QCOMPARE(m_app->workspace()->subWindowList().size(), 1);
}

void KelvoAppTest::selectionButtonsFollowTheActiveEncoder() {
    QVERIFY(m_app->openImage(file(QStringLiteral("plain.png"))));
    QMdiSubWindow* rectangles = m_app->workspace()->activeSubWindow();
    QVERIFY(m_app->action(KelvoAction::SelectRect)->isChecked());
    QVERIFY(m_app->openImage(file(QStringLiteral("plain.png"))));
    clickTool(QStringLiteral("selectPoly"));
    QCOMPARE(m_app->activeEncoder()->selectionMode(), int(KelvoImgSelectionWidget::FreehandMode));

    m_app->workspace()->setActiveSubWindow(rectangles);
    QVERIFY(m_app->action(KelvoAction::SelectRect)->isChecked());
    QVERIFY(!m_app->action(KelvoAction::SelectPoly)->isChecked());
    m_app->workspace()->activateNextSubWindow();
    QVERIFY(m_app->action(KelvoAction::SelectPoly)->isChecked());
    QVERIFY(!m_app->action(KelvoAction::SelectRect)->isChecked());
}

void KelvoAppTest::addDataKeysAfterTheHighestKey() {
    // Region 1 erased: keys 0 and 2 remain.
    const QString coded = file(QStringLiteral("coded.png"));
    const KelvoDecodedPicture before = kelvoDecodeImage(QImage(coded));
    int index = -1;
    for (size_t i = 1; i < before.idImage.palette.size(); ++i) {
        if (qBlue(before.idImage.palette[i]) == 1) {
            index = int(i);
        }
    }
    QVERIFY(index > 0);
    const QString gap = file(QStringLiteral("gap.png"));
    KelvoToolCommands::erase(coded, gap, index);

    QVERIFY(m_app->openImage(gap));
    QCOMPARE(int(m_app->activeViewer()->regions().size()), 2);
    m_app->action(KelvoAction::AddData)->trigger();
    KelvoImgEncodeWidget* encoder = m_app->activeEncoder();
    QVERIFY(encoder);
    QCOMPARE(encoder->existingRegionCount(), 3);
    QVERIFY(!m_app->action(KelvoAction::AddData)->isEnabled());

    clickTool(QStringLiteral("selectRect"));
    EncoderTest::dragRect(encoder, QRect(QPoint(20, 100), QPoint(120, 160)));
    KelvoDialogScript script;
    EncoderTest::addSimpleText(script, QStringLiteral("new"));
    clickTool(QStringLiteral("insertTInfo"));
    QVERIFY2(script.done(), qPrintable(script.failure()));

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

KelvoImgEncodeWidget* KelvoAppTest::encoderWithText() {
    if (!m_app->openImage(file(QStringLiteral("plain.png")))) {
        return nullptr;
    }
    KelvoImgEncodeWidget* encoder = m_app->activeEncoder();
    EncoderTest::dragRect(encoder, QRect(QPoint(20, 20), QPoint(120, 100)));
    encoder->attacher().attachText(QStringLiteral("unsaved"));
    return encoder;
}

void KelvoAppTest::exitAsksAboutUngeneratedData_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("closes");
    QTest::newRow("no: closes") << "no" << true;
    QTest::newRow("yes, but the generation fails: stays") << "overlap" << false;
    QTest::newRow("yes, saved: closes") << "save" << true;
    QTest::newRow("yes, but the save is declined: closes") << "decline" << true;
    QTest::newRow("yes, but the write fails: stays") << "write fails" << false;
    QTest::newRow("cancel: stays") << "cancel" << false;
    QTest::newRow("escape: stays") << "escape" << false;
}

// Exit closes the windows oldest first and stops at one that stays open.
void KelvoAppTest::exitAsksAboutUngeneratedData() {
    QFETCH(QString, how);
    QFETCH(bool, closes);

    KelvoImgEncodeWidget* encoder = encoderWithText();
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
    const int answer = how == QLatin1String("no")       ? 2
                       : how == QLatin1String("cancel") ? 3
                       : how == QLatin1String("escape") ? 0
                                                        : 1;
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
    exitKey();
    QVERIFY2(script.done(), qPrintable(script.failure()));
    QCOMPARE(question, QStringLiteral("Image parts are associated with data.\nWould you like to "
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

void KelvoAppTest::saveAsWithUngeneratedData_data() {
    QTest::addColumn<int>("answer"); // 1 "Generate", 2 "Save plain", 3 "Cancel", 0 Escape
    QTest::newRow("generate") << 1;
    QTest::newRow("save plain") << 2;
    QTest::newRow("cancel") << 3;
    QTest::newRow("escape") << 0;
}

void KelvoAppTest::saveAsWithUngeneratedData() {
    QFETCH(int, answer);
    KelvoImgEncodeWidget* encoder = encoderWithText();
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
    saveAsKey();
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

void KelvoAppTest::exitSavesEachWindowsOwnPicture_data() {
    QTest::addColumn<QString>("firstAnswer");
    QTest::newRow("save both") << "Save";
    QTest::newRow("cancel at the first") << "Cancel";
}

// Exit closes the older window first while the newer one is active: "Save" must write the
// picture of the window being closed.
void KelvoAppTest::exitSavesEachWindowsOwnPicture() {
    QFETCH(QString, firstAnswer);
    QVERIFY(codedPicture(QStringLiteral("b")).save(file(QStringLiteral("b.png"))));
    QVERIFY(m_app->openImage(file(QStringLiteral("coded.png"))));
    KelvoImgWidget* older = m_app->activeImageWindow();
    QVERIFY(m_app->openImage(file(QStringLiteral("b.png"))));
    KelvoImgWidget* newer = m_app->activeImageWindow();
    older->setModified(true);
    newer->setModified(true);

    KelvoDialogScript script;
    const auto answer = [&script](const QString& button) {
        script.then<QMessageBox>([button](QMessageBox* box) {
            for (QAbstractButton* b : box->buttons()) {
                if (b->text() == button) {
                    QTest::mouseClick(b, Qt::LeftButton);
                }
            }
        });
    };
    answer(firstAnswer);
    if (firstAnswer == QLatin1String("Save")) {
        EncoderTest::chooseFile(script, file(QStringLiteral("older-saved.png")));
        answer(QStringLiteral("Save"));
        EncoderTest::chooseFile(script, file(QStringLiteral("newer-saved.png")));
    }
    exitKey();
    QVERIFY2(script.done(), qPrintable(script.failure()));
    if (firstAnswer == QLatin1String("Cancel")) {
        QVERIFY(m_app->isVisible());
        QVERIFY(older->isVisible() && older->isModified());
        QVERIFY(newer->isVisible() && newer->isModified());
        return;
    }
    QVERIFY(!m_app->isVisible());
    QCOMPARE(EncoderTest::decodeFile(file(QStringLiteral("older-saved.png"))).at(0).items,
             QStringList{QStringLiteral("text:0")});
    QCOMPARE(EncoderTest::decodeFile(file(QStringLiteral("newer-saved.png"))).at(0).items,
             QStringList{QStringLiteral("text:b0")});
}

// After one region is erased and the picture saved under a new name, the window is that file:
// its title, the name the HTML generator writes, and nothing left to save on Exit.
void KelvoAppTest::saveAsMakesTheViewerThatFile() {
    QVERIFY(m_app->openImage(file(QStringLiteral("coded.png"))));
    KelvoAppViewerWidget* viewer = m_app->activeViewer();
    KelvoDialogScript erase;
    erase.pressOnMessage(2).pressOnMessage(1); // one region; "OK" to the hint
    clickTool(QStringLiteral("erase"));
    QVERIFY2(erase.done(), qPrintable(erase.failure()));
    QTest::mouseClick(viewer, Qt::LeftButton, {}, viewer->offset() + regionRect(1).center());
    QTRY_VERIFY(m_app->activeViewer() && m_app->activeViewer() != viewer);
    viewer = m_app->activeViewer();
    QVERIFY(viewer->isModified());
    QCOMPARE(int(viewer->regions().size()), 2);

    KelvoDialogScript save;
    EncoderTest::chooseFile(save, file(QStringLiteral("erased")));
    saveAsKey();
    QVERIFY2(save.done(), qPrintable(save.failure()));
    QCOMPARE(EncoderTest::decodeFile(file(QStringLiteral("erased.png"))).size(), size_t(2));
    QCOMPARE(viewer->fileName(), QStringLiteral("erased.png"));
    QCOMPARE(m_app->workspace()->activeSubWindow()->windowTitle(), QStringLiteral("erased.png[*]"));
    QVERIFY(!m_app->workspace()->activeSubWindow()->isWindowModified());
    QVERIFY(!viewer->isModified());
    m_app->action(KelvoAction::GenerateHtml)->trigger();
    QCOMPARE(m_app->htmlGenerator()->fileEdit()->text(), QStringLiteral("erased.png"));

    KelvoDialogScript nothingAsked;
    exitKey();
    QVERIFY2(nothingAsked.done(), qPrintable(nothingAsked.failure()));
    QVERIFY(!m_app->isVisible());
}

void KelvoAppTest::encoderStaysWhenItsPictureCannotBeReopened() {
    KelvoImgEncodeWidget* encoder = encoderWithText();
    QVERIFY(encoder);
    KelvoDialogScript script;
    script.then<QMessageBox>([](QMessageBox* box) { box->accept(); });
    // As an encoder asks after saving its coded picture.
    emit encoder->replaceRequested(encoder, file(QStringLiteral("vanished.png")));
    QVERIFY2(script.done(), qPrintable(script.failure()));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(m_app->workspace()->subWindowList().size(), 1);
    QCOMPARE(m_app->activeEncoder(), encoder);
    QVERIFY(encoder->isVisible());
    QCOMPARE(encoder->regions().size(), size_t(1));
}

QTEST_MAIN(KelvoAppTest)
#include "kelvoapp_test.moc"
