// The main window: which kind of window an opened picture becomes and how windows are named,
// the tool buttons following the active window, and "Add Data" on a picture whose keys have a
// gap after one region was erased.
#include "encodertestsupport.h"
#include "kelvoapp.h"
#include "kelvoappviewerwidget.h"
#include "kelvodecodeimage.h"
#include "kelvodialogscript.h"
#include "kelvogenerator.h"
#include "kelvoimgencodewidget.h"
#include "kelvoimginputdlg.h"
#include "kelvotexttypedlg.h"
#include "kelvotoolcommands.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QRadioButton>
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

// A coded picture with texts "0", "1", "2" in three regions, keyed 0 to 2.
QImage codedPicture() {
    KelvoRegionMap regions;
    for (int i = 0; i < 3; ++i) {
        regions[i + 1].polygons = {QPolygon(regionRect(i))};
        regions[i + 1].texts = {QString::number(i)};
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

private:
    QString file(const QString& name) const { return m_dir.filePath(name); }
    void clickTool(const QString& name) {
        auto* button = m_app->findChild<QToolButton*>(name);
        QVERIFY2(button && button->isEnabled(), qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QTemporaryDir m_dir;
    std::unique_ptr<KelvoApp> m_app;
};

void KelvoAppTest::init() {
    QVERIFY(plainPicture(Width, Height).save(file(QStringLiteral("plain.png"))));
    QVERIFY(codedPicture().save(file(QStringLiteral("coded.png"))));
    m_app = std::make_unique<KelvoApp>();
    m_app->resize(800, 600);
    m_app->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_app.get()));
}

void KelvoAppTest::cleanup() {
    m_app.reset();
}

void KelvoAppTest::windowsByKindAndCounter() {
    QVERIFY(!m_app->tool(QStringLiteral("buildImg"))->isEnabled());
    QVERIFY(m_app->openImage(file(QStringLiteral("plain.png"))));
    KelvoImgWidget* first = m_app->activeImageWindow();
    QCOMPARE(first->objectName(), QStringLiteral("_IMG_WIDGET_0"));
    QCOMPARE(first->widgetKey(), QStringLiteral("KELVO_ENCODER_WIDGET"));
    QVERIFY(m_app->overviewAction()->isEnabled());
    QVERIFY(!m_app->addDataAction()->isEnabled());

    QVERIFY(m_app->openImage(file(QStringLiteral("coded.png"))));
    KelvoImgWidget* second = m_app->activeImageWindow();
    QCOMPARE(second->objectName(), QStringLiteral("_IMG_WIDGET_1"));
    QCOMPARE(second->widgetKey(), QStringLiteral("KELVO_APP_VIEWER_WIDGET"));
    QVERIFY(m_app->addDataAction()->isEnabled());
    QVERIFY(m_app->tool(QStringLiteral("showOutlines"))->isEnabled());
    QVERIFY(!m_app->tool(QStringLiteral("selectRect"))->isEnabled());

    // A file that cannot be read leaves no window.
    KelvoDialogScript script;
    script.then<QMessageBox>([](QMessageBox* box) { box->accept(); });
    QVERIFY(!m_app->openImage(file(QStringLiteral("missing.png"))));
    QVERIFY2(script.done(), qPrintable(script.failure()));
    QCOMPARE(m_app->workspace()->subWindowList().size(), 2);

    m_app->workspace()->closeAllSubWindows();
    QTRY_COMPARE(m_app->workspace()->subWindowList().size(), 0);
    QVERIFY(!m_app->saveAsAction()->isEnabled());
    QVERIFY(!m_app->tool(QStringLiteral("selectRect"))->isEnabled());
    QVERIFY(m_app->openImage(file(QStringLiteral("coded.png"))));
    QCOMPARE(m_app->activeImageWindow()->objectName(), QStringLiteral("_IMG_WIDGET_0"));
}

void KelvoAppTest::selectionButtonsFollowTheActiveEncoder() {
    QVERIFY(m_app->openImage(file(QStringLiteral("plain.png"))));
    QMdiSubWindow* rectangles = m_app->workspace()->activeSubWindow();
    QVERIFY(m_app->tool(QStringLiteral("selectRect"))->isChecked());
    QVERIFY(m_app->openImage(file(QStringLiteral("plain.png"))));
    clickTool(QStringLiteral("selectPoly"));
    QCOMPARE(m_app->activeEncoder()->selectionMode(), int(KelvoImgSelectionWidget::FreehandMode));

    m_app->workspace()->setActiveSubWindow(rectangles);
    QVERIFY(m_app->tool(QStringLiteral("selectRect"))->isChecked());
    QVERIFY(!m_app->tool(QStringLiteral("selectPoly"))->isChecked());
    m_app->workspace()->activateNextSubWindow();
    QVERIFY(m_app->tool(QStringLiteral("selectPoly"))->isChecked());
    QVERIFY(!m_app->tool(QStringLiteral("selectRect"))->isChecked());
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
    m_app->addDataAction()->trigger();
    KelvoImgEncodeWidget* encoder = m_app->activeEncoder();
    QVERIFY(encoder);
    QCOMPARE(encoder->existingRegionCount(), 3);
    QVERIFY(!m_app->addDataAction()->isEnabled());

    clickTool(QStringLiteral("selectRect"));
    const QRect fresh(QPoint(20, 100), QPoint(120, 160));
    QTest::mousePress(encoder, Qt::LeftButton, {}, encoder->offset() + fresh.topLeft());
    QTest::mouseMove(encoder, encoder->offset() + fresh.bottomRight());
    QTest::mouseRelease(encoder, Qt::LeftButton, {}, encoder->offset() + fresh.bottomRight());
    KelvoDialogScript script;
    script
        .then<KelvoTextTypeDlg>([](KelvoTextTypeDlg* dialog) {
            QTest::mouseClick(dialog->findChild<QRadioButton*>(QStringLiteral("Simple_Text")),
                              Qt::LeftButton, {}, QPoint(8, 8));
            KelvoDialogScript::click(dialog, QStringLiteral("okButton"));
        })
        .then<KelvoImgInputDlg>([](KelvoImgInputDlg* dialog) {
            KelvoDialogScript::type(dialog, QStringLiteral("textEdit"), QStringLiteral("new"));
            KelvoDialogScript::click(dialog, QStringLiteral("okButton"));
        });
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

void KelvoAppTest::exitAsksAboutUngeneratedData_data() {
    QTest::addColumn<int>("answer");    // 1 "Yes", 2 "No"
    QTest::addColumn<bool>("conflict"); // an image part over the text region: generation fails
    QTest::addColumn<bool>("closes");
    QTest::newRow("no: closes") << 2 << true << true;
    QTest::newRow("yes, but the generation fails: stays") << 1 << true << false;
    QTest::newRow("yes, saved: closes") << 1 << false << true;
}

void KelvoAppTest::exitAsksAboutUngeneratedData() {
    QFETCH(int, answer);
    QFETCH(bool, conflict);
    QFETCH(bool, closes);

    QVERIFY(m_app->openImage(file(QStringLiteral("plain.png"))));
    KelvoImgEncodeWidget* encoder = m_app->activeEncoder();
    const QRect region(QPoint(20, 20), QPoint(120, 100));
    QTest::mousePress(encoder, Qt::LeftButton, {}, encoder->offset() + region.topLeft());
    QTest::mouseMove(encoder, encoder->offset() + region.bottomRight());
    QTest::mouseRelease(encoder, Qt::LeftButton, {}, encoder->offset() + region.bottomRight());
    encoder->attachText(QStringLiteral("unsaved"));
    if (conflict) {
        encoder->attachImage(plainPicture(Width, Height), QPolygon(QRect(40, 40, 20, 20)));
    }

    KelvoDialogScript script;
    QString question;
    EncoderTest::answerMessage(script, &question, answer);
    const QString saved = file(QStringLiteral("on-exit.png"));
    if (answer == 1 && conflict) {
        EncoderTest::answerMessage(script, nullptr);
    } else if (answer == 1) {
        EncoderTest::saveAs(script, saved);
    }
    for (QAction* action : m_app->findChildren<QAction*>()) {
        if (action->text() == QStringLiteral("E&xit")) {
            action->trigger();
        }
    }
    QVERIFY2(script.done(), qPrintable(script.failure()));
    QVERIFY(question.startsWith(QStringLiteral("Image parts are associated with data.")));
    QCOMPARE(m_app->isVisible(), !closes);
    QCOMPARE(encoder->isVisible(), !closes);
    if (answer == 1 && !conflict) {
        const auto regions = EncoderTest::decodeFile(saved);
        QCOMPARE(regions.size(), std::size_t(1));
        QCOMPARE(regions.begin()->second.items, QStringList{QStringLiteral("text:unsaved")});
    }
}

QTEST_MAIN(KelvoAppTest)
#include "kelvoapp_test.moc"
