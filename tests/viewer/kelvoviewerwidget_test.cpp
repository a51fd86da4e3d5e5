// The viewer's hover logic, driven by pointer events through the window system, over regions
// built from records: balloons follow the pointer and swap, pinned balloons stay, images show
// masked to their region, bubbles come and go, outlines toggle, translations refresh.
#define QTEST_QPA_MOUSE_HANDLING
#include "kelvodecodehandler.h"
#include "kelvotextwidget.h"
#include "kelvotwanchorbutton.h"
#include "kelvoviewershapedtext.h"
#include "kelvoviewerwidget.h"
#include "viewertestdata.h"

#include <QPainter>
#include <QtTest>

using namespace ViewerTestData;

namespace {

constexpr QSize PictureSize(400, 300);
const QRect TextA(20, 100, 80, 60);
const QRect TextB(120, 100, 80, 60);
const QRect ImageAndText(220, 100, 60, 60);
const QRect Shapes(300, 100, 60, 60);
const QRect Dict(20, 200, 80, 60);
const QRect TopRight(330, 2, 68, 40);
const QPoint BubbleAt(300, 80); // reaching into its region
const QSize BubbleSize(70, 40);
const QRgb SnippetColour = qRgb(10, 200, 30);

QPoint centreOf(const QRect& r) {
    return r.center();
}

// A host: shows a picture and the objects of the given records over an id image.
class TestViewer : public KelvoViewerWidget {
public:
    TestViewer() { resize(PictureSize); }

    DecodeStatistics showRegions(const std::map<uint32_t, KelvoDataObjs>& data,
                                 const std::vector<Region>& regions) {
        setImage(ViewerTestData::picture(PictureSize));
        clearDecodedData();
        m_idImage = ViewerTestData::idImage(PictureSize, regions);
        m_outlineImage = m_picture.copy();
        for (const Region& region : regions) {
            QPainter(&m_outlineImage).fillRect(region.rect, Qt::red);
        }
        const DecodeStatistics stats = buildRegionViewerObjects(data, m_idImage, m_regions, this);
        setMouseTracking(true);
        return stats;
    }
    const RegionViewerObjects& objects(uint32_t key) const { return m_regions.at(key); }

    QList<QPair<Qt::MouseButton, QPoint>> presses;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        presses.append({event->button(), event->position().toPoint()});
    }
};

std::map<uint32_t, KelvoDataObjs> sampleData() {
    std::map<uint32_t, KelvoDataObjs> data;
    data[1].records = {textRecord(QStringLiteral("Alpha"))};
    data[2].records = {textRecord(QStringLiteral("Beta"))};
    KelvoDataObjs& both = data[3];
    both.records = {textRecord(QStringLiteral("hidden by the image")),
                    imageRecord(std::vector<uint8_t>(size_t(fillPixelCount(ImageAndText)), 0))};
    both.colours = {SnippetColour & 0xFFFFFF};
    KelvoComicEllipseObj bubble =
        simpleShape(KindSimpleRect, BubbleAt, BubbleSize, QStringLiteral("Bubble"));
    bubble.backgroundFilled = false; // the picture, or its outlines, show through
    data[4].records = {shapedRecord({bubble})};
    data[5].records = {dictRecord(QStringLiteral("<_ID 7><house>Haus"))};
    data[6].records = {textRecord(QStringLiteral("Top right corner"))};
    return data;
}

const std::vector<Region> SampleRegions = {{1, TextA},  {2, TextB}, {3, ImageAndText},
                                           {4, Shapes}, {5, Dict},  {6, TopRight}};

} // namespace

class KelvoViewerWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void balloonFollowsThePointerAndSwaps();
    void balloonGoesWhenThePointerLeaves_data();
    void balloonGoesWhenThePointerLeaves();
    void pinnedBalloonStays();
    void imageShowsInsteadOfText();
    void bubblesShowAndHide();
    void outlinesToggleImageAndBubbles();
    void translationRefreshesDictionaryBalloons();
    void balloonFlipsNearEdges();
    void otherButtonsReachTheViewer();
    void offsetPicture();
    void regionWithoutObjectsOrOutsidePalette();

private:
    Dictionary* m_dictionary = nullptr;
    TestViewer* m_viewer = nullptr;

    void move(QPoint p) { QTest::mouseMove(m_viewer, p); }
    KelvoTextWidget* balloon(uint32_t key) const { return m_viewer->objects(key).textWidget; }
};

void KelvoViewerWidgetTest::init() {
    m_dictionary = new Dictionary;
    m_viewer = new TestViewer;
    m_viewer->showRegions(sampleData(), SampleRegions);
    m_viewer->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_viewer));
    move(QPoint(5, 5));
}

void KelvoViewerWidgetTest::cleanup() {
    delete m_viewer;
    delete m_dictionary;
}

void KelvoViewerWidgetTest::balloonFollowsThePointerAndSwaps() {
    const QPoint a = centreOf(TextA);
    move(a);
    KelvoTextWidget* alpha = balloon(1);
    QVERIFY(alpha->isVisible());
    QCOMPARE(alpha->text(), QStringLiteral("Alpha"));
    QCOMPARE(alpha->pos() + alpha->anchorPoint(), a);
    QCOMPARE(m_viewer->activeTextWidget(), alpha);
    QCOMPARE(QWidget::mouseGrabber(), alpha->anchorButton());

    // Moves arrive at the grabbing button, which passes them on.
    move(a + QPoint(10, 5));
    QCOMPARE(alpha->pos() + alpha->anchorPoint(), a + QPoint(10, 5));

    const QPoint b = centreOf(TextB);
    move(b);
    QVERIFY(!alpha->isVisible());
    QVERIFY(balloon(2)->isVisible());
    QCOMPARE(balloon(2)->pos() + balloon(2)->anchorPoint(), b);
    QCOMPARE(m_viewer->textRegion(), 2);
    QCOMPARE(QWidget::mouseGrabber(), balloon(2)->anchorButton());
}

void KelvoViewerWidgetTest::balloonGoesWhenThePointerLeaves_data() {
    QTest::addColumn<QPoint>("away");
    QTest::newRow("to the background") << QPoint(110, 20);
    QTest::newRow("out of the viewer") << QPoint(-30, 150);
}

void KelvoViewerWidgetTest::balloonGoesWhenThePointerLeaves() {
    QFETCH(QPoint, away);
    move(centreOf(TextA));
    QVERIFY(balloon(1)->isVisible());
    move(away);
    QVERIFY(!balloon(1)->isVisible());
    QVERIFY(QWidget::mouseGrabber() == nullptr);

    // Back over the region, the balloon comes back.
    move(centreOf(TextA) + QPoint(1, 1));
    QVERIFY(balloon(1)->isVisible());
}

void KelvoViewerWidgetTest::pinnedBalloonStays() {
    const QPoint a = centreOf(TextA);
    move(a);
    KelvoTextWidget* alpha = balloon(1);
    QTest::mouseClick(m_viewer, Qt::LeftButton, {}, a);
    QVERIFY(alpha->isAnchored());
    QVERIFY(QWidget::mouseGrabber() == nullptr);
    const QPoint pinnedAt = alpha->pos();

    for (const QPoint& p : {QPoint(110, 20), centreOf(TextB), QPoint(380, 290)}) {
        move(p);
        QVERIFY(alpha->isVisible());
        QCOMPARE(alpha->pos(), pinnedAt);
    }
    QVERIFY(balloon(2)->isHidden());
    move(centreOf(TextB) + QPoint(2, 0));
    QVERIFY(balloon(2)->isVisible());
    QVERIFY(alpha->isVisible());

    // Unpinned, it goes with the next move away from its region.
    alpha->anchorButton()->setChecked(false);
    move(centreOf(TextA));
    move(QPoint(110, 20));
    QVERIFY(!alpha->isVisible());
}

// The image of a region is drawn masked to the region's fill pixels; its text is not shown.
void KelvoViewerWidgetTest::imageShowsInsteadOfText() {
    move(centreOf(TextA));
    QVERIFY(balloon(1)->isVisible());
    move(centreOf(ImageAndText));
    QCOMPARE(m_viewer->imageRegion(), 3);
    QVERIFY(!balloon(1)->isVisible());
    QVERIFY(!balloon(3)->isVisible());
    QVERIFY(m_viewer->activeTextWidget() == nullptr);

    const QImage shown = m_viewer->grab(ImageAndText.adjusted(-2, -2, 2, 2)).toImage();
    const QImage plain = picture(PictureSize);
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QPoint p = ImageAndText.topLeft() + QPoint(x - 2, y - 2);
            const bool fill = ImageAndText.adjusted(1, 1, -1, -1).contains(p);
            QCOMPARE(shown.pixel(x, y), fill ? SnippetColour : plain.pixel(p));
        }
    }
    move(QPoint(110, 20));
    QCOMPARE(m_viewer->imageRegion(), -1);
    QCOMPARE(m_viewer->grab(ImageAndText).toImage().pixel(29, 29),
             plain.pixel(centreOf(ImageAndText)));
}

// Bubbles show at their position while the pointer is over their region, and go with the
// first move onto the background.
void KelvoViewerWidgetTest::bubblesShowAndHide() {
    const auto& bubbles = m_viewer->objects(4).shapedTexts;
    QCOMPARE(bubbles.size(), size_t(1));
    KelvoViewerShapedText* bubble = bubbles.front();
    QVERIFY(bubble->isHidden());
    move(centreOf(Shapes));
    QVERIFY(bubble->isVisible());
    QCOMPARE(bubble->geometry(), QRect(BubbleAt, BubbleSize));
    QCOMPARE(m_viewer->shapesRegion(), 4);

    // Moves over the bubble reach the viewer: the region under it is looked up.
    QTest::mouseMove(bubble, QPoint(20, 30));
    QCOMPARE(m_viewer->shapesRegion(), 4);
    QVERIFY(bubble->isVisible());
    QTest::mouseMove(bubble, QPoint(20, 10));
    QVERIFY(bubble->isHidden());
    move(centreOf(Shapes));
    QVERIFY(bubble->isVisible());

    move(QPoint(380, 290));
    QVERIFY(bubble->isHidden());
    QCOMPARE(m_viewer->shapesRegion(), -1);
}

void KelvoViewerWidgetTest::outlinesToggleImageAndBubbles() {
    move(centreOf(Shapes));
    KelvoViewerShapedText* bubble = m_viewer->objects(4).shapedTexts.front();
    QCOMPARE(m_viewer->displayedImage(), &m_viewer->pictureImage());
    QVERIFY(!bubble->showsOutlineBackground());

    m_viewer->setOutlinesShown(true);
    QCOMPARE(m_viewer->displayedImage(), &m_viewer->outlineImage());
    QVERIFY(bubble->showsOutlineBackground());
    QCOMPARE(m_viewer->grab(QRect(TextA.topLeft(), QSize(1, 1))).toImage().pixel(0, 0),
             qRgb(255, 0, 0));
    auto rgb = [](const QPixmap& pixmap) {
        return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    };
    QCOMPARE(rgb(bubble->grab()), rgb(bubble->outlineBackground()));
    QVERIFY(rgb(bubble->outlineBackground()) != rgb(bubble->plainBackground()));

    m_viewer->setOutlinesShown(false);
    QCOMPARE(m_viewer->displayedImage(), &m_viewer->pictureImage());
    QCOMPARE(rgb(bubble->grab()), rgb(bubble->plainBackground()));
}

void KelvoViewerWidgetTest::translationRefreshesDictionaryBalloons() {
    KelvoTextWidget* dict = balloon(5);
    QVERIFY(dict->isDictionaryWidget());
    const QChar bullet(0x2022);
    QCOMPARE(dict->text(), QString(bullet) + " Haus\n" + bullet + " house");

    move(centreOf(Dict));
    QTest::mouseClick(m_viewer, Qt::LeftButton, {}, centreOf(Dict));
    QVERIFY(dict->isAnchored());
    const QRect button = dict->anchorButton()->geometry().translated(dict->pos());

    m_viewer->setTranslation({3, 1, true, true});
    QCOMPARE(dict->text(), QString(bullet) + " Haus\n" + bullet + " maison\n\n(Haus)");
    QCOMPARE(m_viewer->translation(), KelvoTranslationSettings({3, 1, true, true}));
    QVERIFY(dict->isVisible());
    QCOMPARE(dict->anchorButton()->geometry().translated(dict->pos()), button);

    m_viewer->setTranslation({3, 0, true, false});
    QCOMPARE(dict->text(), QString(bullet) + " Haus\n" + bullet + " house {home, building}");
    QCOMPARE(dict->anchorButton()->geometry().translated(dict->pos()), button);
    QCOMPARE(balloon(1)->text(), QStringLiteral("Alpha"));
}

void KelvoViewerWidgetTest::balloonFlipsNearEdges() {
    const QPoint corner(TopRight.right() - 10, TopRight.top() + 10);
    move(corner);
    KelvoTextWidget* top = balloon(6);
    QVERIFY(top->isVisible());
    QVERIFY(!top->placedRight());
    QVERIFY(!top->placedAbove());
    QCOMPARE(top->pos() + top->anchorPoint(), corner);
    QVERIFY(m_viewer->rect().contains(top->geometry()));
}

// A right click on a balloon's button or on a bubble reaches the viewer (a host's context
// menu) at the pointer's place.
void KelvoViewerWidgetTest::otherButtonsReachTheViewer() {
    const QPoint a = centreOf(TextA);
    move(a);
    QTest::mouseClick(m_viewer, Qt::RightButton, {}, a);
    QVERIFY(!balloon(1)->isAnchored());
    move(centreOf(Shapes));
    KelvoViewerShapedText* bubble = m_viewer->objects(4).shapedTexts.front();
    QTest::mouseClick(bubble, Qt::RightButton, {}, QPoint(20, 30));
    const QList<QPair<Qt::MouseButton, QPoint>> expected = {
        {Qt::RightButton, a}, {Qt::RightButton, BubbleAt + QPoint(20, 30)}};
    QCOMPARE(m_viewer->presses, expected);
}

// With the picture centred in a larger viewer, the regions are found under the pointer.
void KelvoViewerWidgetTest::offsetPicture() {
    m_viewer->resize(PictureSize + QSize(100, 60));
    QTRY_COMPARE(m_viewer->offset(), QPoint(50, 30));
    move(centreOf(TextB) + QPoint(50, 30));
    QVERIFY(balloon(2)->isVisible());
    QCOMPARE(balloon(2)->pos() + balloon(2)->anchorPoint(), centreOf(TextB) + QPoint(50, 30));
    move(centreOf(Shapes) + QPoint(50, 30));
    QCOMPARE(m_viewer->objects(4).shapedTexts.front()->pos(), BubbleAt + QPoint(50, 30));
}

void KelvoViewerWidgetTest::regionWithoutObjectsOrOutsidePalette() {
    // Key 9 has pixels but no map entry: nothing changes.
    TestViewer viewer;
    std::map<uint32_t, KelvoDataObjs> data;
    data[1].records = {textRecord(QStringLiteral("one"))};
    viewer.showRegions(data, {{1, TextA}, {9, TextB}});
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    QTest::mouseMove(&viewer, centreOf(TextA));
    QVERIFY(viewer.objects(1).textWidget->isVisible());
    QTest::mouseMove(&viewer, centreOf(TextB));
    QCOMPARE(viewer.textRegion(), 1);
    QVERIFY(viewer.objects(1).textWidget->isVisible());
}

QTEST_MAIN(KelvoViewerWidgetTest)
#include "kelvoviewerwidget_test.moc"
