// The editor's viewer window over pictures coded by the generator: what it tells the main
// window after loading, and erasing answered through its dialogs and chosen by mouse clicks:
// everything (after which nothing is asked), one of two regions, a region in two parts, the
// only region, and clicks where there is no region. A stand-in main window reopens the
// picture as the real one does.
#define QTEST_QPA_MOUSE_HANDLING
#include "kelvoappviewerwidget.h"
#include "kelvocodedpicture.h"
#include "kelvodialogscript.h"
#include "kelvogenerator.h"
#include "kelvomsgdlg.h"
#include "kelvotextwidget.h"
#include "viewertestdata.h"

#include <QtTest>

namespace {

constexpr QSize PictureSize(200, 100);
constexpr QSize WindowSize(300, 200); // the picture sits at (50, 50)
const QRect Left(20, 20, 60, 50);
const QRect Right(120, 20, 60, 50);
const QRect LeftLow(20, 80, 60, 15); // second part of the left region, in the two-part picture

enum Layout { TwoRegions, TwoPartRegion, OneRegion };

// "Right" in Right and, beside it, "Left" with a dictionary entry in Left, or "Two parts" in
// Left and LeftLow, or nothing.
QImage coded(Layout layout) {
    KelvoRegionMap regions;
    regions[2].polygons = {QPolygon(Right)};
    regions[2].texts = {QStringLiteral("Right")};
    if (layout == TwoRegions) {
        regions[1].polygons = {QPolygon(Left)};
        regions[1].texts = {QStringLiteral("Left")};
        regions[1].dictEntry =
            KelvoDictEntryRef{7, QStringLiteral("house"), QStringLiteral("house")};
    } else if (layout == TwoPartRegion) {
        regions[1].polygons = {QPolygon(Left), QPolygon(LeftLow)};
        regions[1].texts = {QStringLiteral("Two parts")};
    }
    QImage output;
    KelvoGeneratorError error;
    if (!KelvoGenerator::generate(ViewerTestData::picture(PictureSize), output, regions, true, 0,
                                  {}, &error)) {
        qWarning() << error.message();
    }
    return output;
}

// Texts of the balloons of a viewer's regions, in key order.
QStringList balloonTexts(const KelvoViewerWidget& viewer) {
    QStringList texts;
    for (const auto& [key, objects] : viewer.regions()) {
        texts << (objects.textWidget ? objects.textWidget->text() : QString());
    }
    return texts;
}

// What the main window hears and does.
struct MainWindow {
    int activations = 0;
    bool eraseEnabled = false;
    bool dictionaryAvailable = false;
    QList<bool> eraseStates;
    QList<QPair<bool, bool>> outlineStates;
    int replacements = 0;
    QString replacementName;
    std::unique_ptr<KelvoAppViewerWidget> reopened;

    // As the main window: a new window copies the old one; the old one goes later.
    void replaceWindow(KelvoImgWidget* window, const QString& name) {
        ++replacements;
        replacementName = name;
        reopened = std::make_unique<KelvoAppViewerWidget>();
        reopened->copyFrom(*window);
    }
};

} // namespace

class KelvoAppViewerWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        m_window.reset();
        m_main = MainWindow();
    }

    void loadingReportsAndBalloonsStayPinned() {
        open(coded(TwoRegions));
        QVERIFY(m_window->hasMouseTracking());
        QVERIFY(m_main.activations > 0);
        QVERIFY(m_main.eraseEnabled);
        QVERIFY(m_main.dictionaryAvailable);

        // A focused window repeats its state whenever it paints, as the tool bar follows it.
        m_window->setFocus();
        QTRY_VERIFY(m_window->hasFocus());
        m_main.activations = 0;
        m_main.outlineStates.clear();
        m_window->repaint();
        QCOMPARE(m_main.activations, 1);
        QCOMPARE(m_main.outlineStates, (QList<QPair<bool, bool>>{{true, false}}));

        // A pinned balloon keeps its spot on the picture when the window grows.
        const QPoint spot = Right.center() + m_window->offset();
        QTest::mouseMove(m_window.get(), spot);
        KelvoTextWidget* balloon = m_window->regions().rbegin()->second.textWidget; // "Right"
        QVERIFY(balloon->isVisible());
        QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, spot);
        QVERIFY(balloon->isAnchored());
        const QPoint pinnedAt = balloon->pos();
        m_window->resize(WindowSize + QSize(100, 60));
        QCOMPARE(m_window->offset(), QPoint(100, 80));
        QCOMPARE(balloon->pos(), pinnedAt + QPoint(50, 30));
        QVERIFY(balloon->isVisible());
    }

    // Erasing is given up by "Cancel", closing a dialog, declining the region prompt or a click
    // where there is no region, which is told; the click may be beside the picture too.
    void erasingGivenUpChangesNothing_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QPoint>("windowPoint"); // where the click goes
        QTest::addColumn<QString>("caption");    // of the message the click brings up
        QTest::newRow("Cancel") << "cancel" << QPoint() << QString();
        QTest::newRow("dialog closed") << "close" << QPoint() << QString();
        QTest::newRow("region prompt declined") << "decline" << QPoint() << QString();
        // Inside the picture the caption is "Delete Data", outside it "Delete data".
        QTest::newRow("click between the regions")
            << "click" << QPoint(50, 50) + QPoint(100, 40) << QStringLiteral("Delete Data");
        QTest::newRow("click beside the picture")
            << "click" << QPoint(10, 60) << QStringLiteral("Delete data");
        QTest::newRow("click below the picture")
            << "click" << QPoint(100, 190) << QStringLiteral("Delete data");
    }

    void erasingGivenUpChangesNothing() {
        QFETCH(QString, how);
        QFETCH(QPoint, windowPoint);
        QFETCH(QString, caption);
        const QImage picture = coded(TwoRegions);
        open(picture);
        if (how == QLatin1String("cancel")) {
            answerErase(3);
        } else if (how == QLatin1String("click")) {
            QCOMPARE(m_window->offset(), QPoint(50, 50));
            answerErase(2);
            QString shownCaption;
            QString text;
            KelvoDialogScript script;
            script.pressOnMessage(1, &text, &shownCaption);
            QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, windowPoint);
            QVERIFY2(script.done(), qPrintable(script.failure()));
            QCOMPARE(shownCaption, caption);
            QCOMPARE(text, QStringLiteral("There is no data encoded in this region"));
        } else {
            KelvoDialogScript script;
            if (how == QLatin1String("close")) {
                script.then<KelvoMsgDlg>([](KelvoMsgDlg* dialog) { dialog->close(); });
            } else {
                script.pressOnMessage(2).then<KelvoMsgDlg>(
                    [](KelvoMsgDlg* prompt) { QTest::keyClick(prompt, Qt::Key_Escape); });
            }
            m_window->eraseData();
            QVERIFY2(script.done(), qPrintable(script.failure()));
        }
        QCOMPARE(m_window->picture(), picture);
        QVERIFY(!m_window->isModified());
        QVERIFY(!m_window->eraseArmed());
        QVERIFY(!m_window->outlinesShown());
        QCOMPARE(m_window->regions().size(), size_t(2));
        // Not armed: a click on a region erases nothing.
        clickPicture(Left.topLeft() + QPoint(5, 5));
        QCOMPARE(m_main.replacements, 0);
    }

    void eraseEverything() {
        open(coded(TwoRegions));
        m_window->setOutlinesShown(true);
        answerErase(1);
        QCOMPARE(m_main.replacements, 1);
        QCOMPARE(m_main.replacementName, QString());
        QVERIFY(!KelvoCodedPicture::isCoded(m_window->picture()));
        QVERIFY(m_window->isModified());
        QVERIFY(!m_window->hasCodedData());
        QVERIFY(!m_window->eraseEnabled());
        QVERIFY(!m_window->outlinesShown());
        QVERIFY(!m_window->hasMouseTracking());
        QVERIFY(m_window->regions().empty());
        QCOMPARE(m_main.eraseStates, QList<bool>{false});
        QCOMPARE(m_main.outlineStates.last(), qMakePair(true, false));
        // Handed back as a picture without data, which the main window opens as an encoder.
        QVERIFY(!m_main.reopened->hasCodedData());
        QVERIFY(m_main.reopened->isModified());
        // Nothing left to erase: no question is asked.
        KelvoDialogScript none;
        m_window->eraseData();
        QVERIFY2(none.done(), qPrintable(none.failure()));
        QCOMPARE(m_main.replacements, 1);
    }

    void eraseOneRegion_data() {
        QTest::addColumn<int>("picture"); // a Layout
        QTest::addColumn<QPoint>("click");
        QTest::addColumn<QStringList>("remaining");
        QTest::newRow("one of two") << int(TwoRegions) << Left.center() << QStringList{"Right"};
        QTest::newRow("a region in two parts")
            << int(TwoPartRegion) << LeftLow.center() << QStringList{"Right"};
        QTest::newRow("the only region") << int(OneRegion) << Right.center() << QStringList();
    }

    void eraseOneRegion() {
        QFETCH(int, picture);
        QFETCH(QPoint, click);
        QFETCH(QStringList, remaining);
        open(coded(Layout(picture)));
        // The balloon that the pointer brings up goes, so that the click reaches the picture.
        QTest::mouseMove(m_window.get(), click + m_window->offset());
        QVERIFY(m_window->activeTextWidget() && m_window->activeTextWidget()->isVisible());
        answerErase(2);
        QVERIFY(!m_window->activeTextWidget() || !m_window->activeTextWidget()->isVisible());
        QVERIFY(m_window->eraseArmed());
        QVERIFY(m_window->outlinesShown());
        QCOMPARE(m_main.replacements, 0);

        clickPicture(click);
        QVERIFY(!m_window->eraseArmed());
        QVERIFY(!m_window->outlinesShown());
        QCOMPARE(m_main.replacements, 1);
        QCOMPARE(m_main.replacementName, QString());
        QVERIFY(m_window->isModified());
        QCOMPARE(m_window->hasCodedData(), !remaining.isEmpty());
        QCOMPARE(KelvoCodedPicture::isCoded(m_window->picture()), !remaining.isEmpty());
        // Handed back as a viewer with the other regions, erasable again, or as a plain picture.
        const KelvoAppViewerWidget& reopened = *m_main.reopened;
        QCOMPARE(reopened.hasCodedData(), !remaining.isEmpty());
        QVERIFY(remaining.isEmpty() || reopened.eraseEnabled());
        QVERIFY(reopened.isModified());
        QCOMPARE(balloonTexts(reopened), remaining);
        // No part of an erased region is left behind, not even as an unreadable remnant.
        if (picture == TwoPartRegion) {
            for (const QPoint p : {Left.center(), LeftLow.center()}) {
                QVERIFY(reopened.idImage().pixelIndex(p) < 2);
            }
        }
    }

private:
    void open(const QImage& picture);
    // Answers "Delete all the data from the image?" with `button`, then, for "No", the
    // region prompt with OK.
    void answerErase(int button);
    void clickPicture(QPoint picturePoint);

    const ViewerTestData::Dictionary m_dictionary;
    MainWindow m_main;
    std::unique_ptr<KelvoAppViewerWidget> m_window;
};

void KelvoAppViewerWidgetTest::open(const QImage& picture) {
    m_window = std::make_unique<KelvoAppViewerWidget>();
    KelvoAppViewerWidget* window = m_window.get();
    MainWindow* main = &m_main;
    connect(window, &KelvoAppViewerWidget::activated, this,
            [main](bool erase, bool dictionary, const KelvoTranslationSettings&) {
                ++main->activations;
                main->eraseEnabled = erase;
                main->dictionaryAvailable = dictionary;
            });
    connect(window, &KelvoAppViewerWidget::eraseStateChanged, this,
            [main](bool enabled) { main->eraseStates << enabled; });
    connect(window, &KelvoAppViewerWidget::outlinesStateChanged, this,
            [main](bool enabled, bool on) { main->outlineStates << qMakePair(enabled, on); });
    connect(window, &KelvoImgWidget::replaceRequested, this,
            [main](KelvoImgWidget* old, const QString& name) { main->replaceWindow(old, name); });
    m_window->resize(WindowSize);
    m_window->setImage(picture, QStringLiteral("/pictures/beach.png"));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void KelvoAppViewerWidgetTest::answerErase(int button) {
    QString caption;
    QString text;
    QString prompt;
    KelvoDialogScript script;
    script.pressOnMessage(button, &text, &caption);
    if (button == 2) {
        script.pressOnMessage(1, &prompt);
    }
    m_window->eraseData();
    QVERIFY2(script.done(), qPrintable(script.failure()));
    QCOMPARE(caption, QStringLiteral("Delete Data"));
    QCOMPARE(text, QStringLiteral("Delete all the data from the image?"));
    if (button == 2) {
        QCOMPARE(prompt, QStringLiteral("Select the region in the image\nto be deleted ..."));
    }
}

void KelvoAppViewerWidgetTest::clickPicture(QPoint picturePoint) {
    QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, picturePoint + m_window->offset());
}

QTEST_MAIN(KelvoAppViewerWidgetTest)
#include "kelvoappviewerwidget_test.moc"
