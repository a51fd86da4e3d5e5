// The viewer's hover logic, driven by pointer events through the window system, over regions
// built from records: balloons follow the pointer and swap, pinned balloons stay, images show
// masked to their region, bubbles come and go, outlines toggle, translations refresh, regions
// are found in a centred and in a zoomed picture. Last, the outlines of a picture coded by the
// generator.
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
const QRect NoObjects(120, 200, 80, 60); // in the id image, not in the map
const QPoint BubbleAt(300, 80);          // reaching into its region
const QSize BubbleSize(70, 40);
const QRgb SnippetColour = qRgb(10, 200, 30);

using Presses = QList<QPair<Qt::MouseButton, QPoint>>;

// A host: shows the picture and the objects of the records over an id image of the regions.
class TestViewer : public KelvoViewerWidget {
public:
    TestViewer(const std::map<uint32_t, KelvoDataObjs>& data, const std::vector<Region>& regions) {
        resize(PictureSize);
        setImage(ViewerTestData::picture(PictureSize));
        m_idImage = ViewerTestData::idImage(PictureSize, regions);
        m_outlineImage = m_picture.copy();
        for (const Region& region : regions) {
            QPainter(&m_outlineImage).fillRect(region.rect, Qt::red);
        }
        buildRegionViewerObjects(data, m_idImage, m_regions, this);
        setMouseTracking(true);
    }

    Presses presses;

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
    both.records = {
        textRecord(QStringLiteral("hidden by the image")),
        record(TypeImage, std::vector<uint8_t>(size_t(fillPixelCount(ImageAndText)), 0))};
    both.colours = {SnippetColour & 0xFFFFFF};
    KelvoComicEllipseObj bubble =
        simpleShape(KindSimpleRect, BubbleAt, BubbleSize, QStringLiteral("Bubble"));
    bubble.backgroundFilled = false; // the picture, or its outlines, show through
    data[4].records = {shapedRecord({bubble})};
    data[5].records = {textRecord(QStringLiteral("<_ID 7><house>Haus"), TypeDictEntry),
                       textRecord(QStringLiteral("A house"))};
    return data;
}

const std::vector<Region> SampleRegions = {{1, TextA},  {2, TextB}, {3, ImageAndText},
                                           {4, Shapes}, {5, Dict},  {9, NoObjects}};

// Whether the balloon shows with its anchor point at `p`.
bool shownAt(const KelvoTextWidget* balloon, QPoint p) {
    return balloon->isVisible() && balloon->pos() + balloon->anchorPoint() == p;
}

} // namespace

class KelvoViewerWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_viewer = std::make_unique<TestViewer>(sampleData(), SampleRegions);
        m_viewer->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_viewer.get()));
        move(QPoint(5, 5));
    }
    void cleanup() { m_viewer.reset(); }

    // The balloon of the region under the pointer follows it, swaps with the next region's and goes
    // when the pointer leaves its region or the viewer.
    void balloonFollowsThePointer() {
        const QPoint a = TextA.center();
        move(a);
        KelvoTextWidget* alpha = balloon(1);
        QVERIFY(shownAt(alpha, a));
        QCOMPARE(alpha->text(), QStringLiteral("Alpha"));
        QCOMPARE(m_viewer->activeTextWidget(), alpha);
        QCOMPARE(QWidget::mouseGrabber(), alpha->anchorButton());
        // Moves arrive at the grabbing button, which passes them on.
        move(a + QPoint(10, 5));
        QVERIFY(shownAt(alpha, a + QPoint(10, 5)));
        // A region of the id image without objects changes nothing.
        move(NoObjects.center());
        QCOMPARE(m_viewer->textRegion(), 1);
        QVERIFY(alpha->isVisible());

        QPoint b = TextB.center();
        move(b);
        QVERIFY(!alpha->isVisible());
        QVERIFY(shownAt(balloon(2), b));
        QCOMPARE(m_viewer->textRegion(), 2);
        QCOMPARE(QWidget::mouseGrabber(), balloon(2)->anchorButton());

        for (const QPoint& away : {QPoint(110, 20), QPoint(-30, 150)}) {
            move(away);
            QVERIFY(!balloon(2)->isVisible());
            QVERIFY(QWidget::mouseGrabber() == nullptr);
            b += QPoint(1, 1); // back over the region
            move(b);
            QVERIFY(balloon(2)->isVisible());
        }
    }

    // A right click reaches the viewer (a host's context menu) and pins nothing; a left click pins.
    // The pinned balloon stays where it is while the pointer goes on, also when the pointer leaves
    // unannounced, as from a window embedded in another program's, where no Leave or move may reach
    // the viewer: the balloon that follows the pointer goes all the same. Unpinned, it goes with
    // the next move away from its region.
    void pinnedBalloonStays() {
        const QPoint a = TextA.center();
        move(a);
        KelvoTextWidget* alpha = balloon(1);
        QTest::mouseClick(m_viewer.get(), Qt::RightButton, {}, a);
        QVERIFY(!alpha->isAnchored());
        QCOMPARE(m_viewer->presses, (Presses{{Qt::RightButton, a}}));
        QTest::mouseClick(m_viewer.get(), Qt::LeftButton, {}, a);
        QVERIFY(alpha->isAnchored());
        QVERIFY(QWidget::mouseGrabber() == nullptr);
        const QPoint pinnedAt = alpha->pos();
        for (const QPoint& p : {QPoint(110, 20), QPoint(380, 290), TextB.center()}) {
            move(p);
            QVERIFY(alpha->isVisible());
            QCOMPARE(alpha->pos(), pinnedAt);
        }
        QVERIFY(balloon(2)->isVisible());
        QCursor::setPos(m_viewer->mapToGlobal(QPoint(PictureSize.width() + 50, 20)));
        QTRY_VERIFY(balloon(2)->isHidden());
        QVERIFY(QWidget::mouseGrabber() == nullptr);
        QVERIFY(alpha->isVisible());

        alpha->anchorButton()->setChecked(false);
        move(a);
        move(QPoint(110, 20));
        QVERIFY(!alpha->isVisible());

        // New settings reach every dictionary balloon, also a pinned one, which stays; the
        // region's text stays above the terms.
        KelvoTextWidget* dict = balloon(5);
        move(Dict.center());
        QTest::mouseClick(m_viewer.get(), Qt::LeftButton, {}, Dict.center());
        QVERIFY(dict->isAnchored());
        m_viewer->setTranslation({3, 1, true, true});
        const QString bullet(QChar(0x2022));
        QCOMPARE(dict->text(), "A house\n" + bullet + " Haus\n" + bullet + " maison\n\n(Haus)");
        QVERIFY(dict->isVisible());
        QCOMPARE(alpha->text(), QStringLiteral("Alpha"));
    }

    // The image of a region is drawn masked to the region's fill pixels; its text is not shown.
    void imageShowsInsteadOfText() {
        move(TextA.center());
        QVERIFY(balloon(1)->isVisible());
        move(ImageAndText.center());
        QCOMPARE(m_viewer->imageRegion(), 3);
        QVERIFY(!balloon(1)->isVisible());
        QVERIFY(!balloon(3)->isVisible());
        QVERIFY(m_viewer->activeTextWidget() == nullptr);

        // The corners of the fill and of the outline: which pixels the image covers is the
        // decode handler's test.
        const QImage shown = m_viewer->grab().toImage();
        const QImage plain = picture(PictureSize);
        const QRect fill = ImageAndText.adjusted(1, 1, -1, -1);
        for (const QPoint& p : {fill.topLeft(), fill.bottomRight()})
            QCOMPARE(shown.pixel(p), SnippetColour);
        for (const QPoint& p : {ImageAndText.topLeft(), ImageAndText.bottomRight()})
            QCOMPARE(shown.pixel(p), plain.pixel(p));
        move(QPoint(110, 20));
        QCOMPARE(m_viewer->imageRegion(), -1);
        QCOMPARE(m_viewer->grab(ImageAndText).toImage().pixel(29, 29),
                 plain.pixel(ImageAndText.center()));
    }

    // Bubbles show at their position while the pointer is over their region, over the picture or,
    // with outlines shown, over the outline image; they go with the first move onto the background.
    void bubblesShowAndHide() {
        KelvoViewerShapedText* bubble = m_viewer->regions().at(4).shapedTexts.front();
        QVERIFY(bubble->isHidden());
        move(Shapes.center());
        QVERIFY(bubble->isVisible());
        QCOMPARE(bubble->geometry(), QRect(BubbleAt, BubbleSize));
        QCOMPARE(m_viewer->shapesRegion(), 4);

        // Moves over the bubble reach the viewer: the region under it is looked up.
        QTest::mouseMove(bubble, QPoint(20, 30));
        QCOMPARE(m_viewer->shapesRegion(), 4);
        QVERIFY(bubble->isVisible());
        QTest::mouseMove(bubble, QPoint(20, 10));
        QVERIFY(bubble->isHidden());
        move(Shapes.center());
        QVERIFY(bubble->isVisible());
        // A right click on the bubble reaches the viewer at the pointer's place.
        QTest::mouseClick(bubble, Qt::RightButton, {}, QPoint(20, 30));
        QCOMPARE(m_viewer->presses, (Presses{{Qt::RightButton, BubbleAt + QPoint(20, 30)}}));

        auto rgb = [](const QPixmap& pixmap) {
            return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
        };
        QVERIFY(rgb(bubble->outlineBackground()) != rgb(bubble->plainBackground()));
        for (bool outlines : {true, false}) {
            m_viewer->setOutlinesShown(outlines);
            QCOMPARE(m_viewer->grab(QRect(TextA.topLeft(), QSize(1, 1))).toImage().pixel(0, 0),
                     outlines ? qRgb(255, 0, 0) : picture(PictureSize).pixel(TextA.topLeft()));
            QCOMPARE(bubble->showsOutlineBackground(), outlines);
            QCOMPARE(rgb(bubble->grab()),
                     rgb(outlines ? bubble->outlineBackground() : bubble->plainBackground()));
        }

        move(QPoint(380, 290));
        QVERIFY(bubble->isHidden());
        QCOMPARE(m_viewer->shapesRegion(), -1);
    }

    // With the picture centred in a larger viewer, and then zoomed to 300% and scrolled, the
    // regions are found under the pointer and the painted pixels are the picture's own.
    void offsetAndZoomedPicture() {
        const QPoint offset(50, 30);
        m_viewer->resize(PictureSize + QSize(100, 60));
        QTRY_COMPARE(m_viewer->offset(), offset);
        move(TextB.center() + offset);
        QVERIFY(shownAt(balloon(2), TextB.center() + offset));
        move(Shapes.center() + offset);
        QCOMPARE(m_viewer->regions().at(4).shapedTexts.front()->pos(), BubbleAt + offset);

        m_viewer->setZoom(3.0, TextA.center() + offset);
        const QPoint pixel = TextA.center() + QPoint(5, 3);
        const QPoint at = m_viewer->toWidgetCoordinates(pixel) + QPoint(1, 1);
        QCOMPARE(m_viewer->grab().toImage().convertToFormat(QImage::Format_RGB32).pixel(at),
                 m_viewer->picture().pixel(pixel));
        move(at);
        QVERIFY(shownAt(balloon(1), at));
    }

    // A picture coded by the generator: the outline image dots the region's edge over the picture
    // and leaves the rest as it was.
    void codedPicture() {
        const QImage coded = ViewerTestData::codedPicture(PictureSize, {{TextA, "Hello there"}});
        QVERIFY(!coded.isNull());
        KelvoViewerWidget viewer;
        QVERIFY(viewer.setImage(coded));
        QCOMPARE(viewer.decodePicture().annotatedAreas, 1);
        const QImage& outline = viewer.outlineImage();
        QCOMPARE(outline.pixel(380, 290), coded.pixel(380, 290));
        QCOMPARE(outline.pixel(TextA.center()), coded.pixel(TextA.center()));
        int dotted = 0;
        for (int x = TextA.left(); x <= TextA.right(); ++x) {
            dotted += outline.pixel(x, TextA.top()) != coded.pixel(x, TextA.top()) ? 1 : 0;
        }
        QVERIFY(dotted > TextA.width() / 2);
    }

private:
    const Dictionary m_dictionary;
    std::unique_ptr<TestViewer> m_viewer;

    void move(QPoint p) { QTest::mouseMove(m_viewer.get(), p); }
    KelvoTextWidget* balloon(uint32_t key) const { return m_viewer->regions().at(key).textWidget; }
};

QTEST_MAIN(KelvoViewerWidgetTest)
#include "kelvoviewerwidget_test.moc"
