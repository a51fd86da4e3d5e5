// The viewer's shaped texts: what each shape draws and masks, fake transparency over the
// picture and its outline image, sizes, limits and the values taken from the codec's objects.
#include "kelvobubbledataconversion.h"
#include "kelvospeechbubbleoutline.h"
#include "kelvoviewersimplebubble.h"
#include "kelvoviewerspeechbubble.h"
#include "kelvoviewerthinkbubble.h"
#include "kelvoviewerwidget.h"
#include "viewertestdata.h"

#include <QtTest>

using namespace ViewerTestData;

namespace {

constexpr QSize PictureSize(300, 200);

// A viewer showing the test picture, with an outline image painted all blue.
class Viewer : public KelvoViewerWidget {
public:
    Viewer() {
        setImage(ViewerTestData::picture(PictureSize));
        m_outlineImage = QImage(PictureSize, QImage::Format_RGB32);
        m_outlineImage.fill(Qt::blue);
        resize(PictureSize);
    }
};

QImage image(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

// Whether the widget's mask holds every point of `inside` and none of `outside`.
bool masks(const QWidget& widget, const std::vector<QPoint>& inside,
           const std::vector<QPoint>& outside) {
    const QRegion mask = widget.mask();
    return std::all_of(inside.begin(), inside.end(), [&](QPoint p) { return mask.contains(p); }) &&
           std::none_of(outside.begin(), outside.end(), [&](QPoint p) { return mask.contains(p); });
}

const QRgb Outline = qRgb(200, 0, 0);
const QRgb Fill = qRgb(255, 255, 200);

} // namespace

class KelvoViewerShapedTextTest : public QObject {
    Q_OBJECT
private slots:
    // Outline width w gives w one-pixel frames on the edge pixels, the innermost filled; the
    // rectangle covers the whole widget, which has no mask. Shown over the viewer, an unfilled
    // ellipse shows its outline and, inside and around it, the picture: on the plain copy the
    // picture, on the outline copy the outline image.
    void simpleBubbles() {
        Viewer viewer;
        for (const int width : {0, 1, 3}) {
            auto object = simpleShape(KindSimpleRect, {10, 10}, {60, 30}, QString());
            object.outlineWidth = uint8_t(width);
            KelvoViewerSimpleBubble bubble(&viewer, QString(), object, KindSimpleRect);
            QCOMPARE(bubble.size(), QSize(60, 30));
            QVERIFY(bubble.shapeMask().isNull());
            QVERIFY(bubble.mask().isEmpty());
            const QImage drawn = image(bubble.plainBackground());
            for (int x = 0; x < 60; ++x) {
                const int inset = std::min({x, 59 - x, 15});
                QCOMPARE(drawn.pixel(x, 15), inset < width ? Outline : Fill);
            }
            for (int y = 0; y < 30; ++y) {
                const int inset = std::min({y, 29 - y, 30});
                QCOMPARE(drawn.pixel(30, y), inset < width ? Outline : Fill);
            }
        }

        // The unfilled ellipse.
        const QPoint at(100, 50);
        auto object = simpleShape(KindSimpleEllipse, at, {80, 40}, QString());
        object.backgroundFilled = false;
        auto* bubble = new KelvoViewerSimpleBubble(&viewer, QString(), object, KindSimpleEllipse);
        bubble->move(at);
        bubble->show();
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        const QImage shown = image(viewer.grab(QRect(at, bubble->size())));
        const QImage& picture = viewer.pictureImage();
        for (const QPoint& corner : {QPoint(0, 0), QPoint(79, 0), QPoint(0, 39), QPoint(79, 39)}) {
            QVERIFY(!bubble->mask().contains(corner));
            QCOMPARE(shown.pixel(corner), picture.pixel(at + corner));
        }
        for (const QPoint& edge : {QPoint(0, 20), QPoint(79, 20), QPoint(40, 0), QPoint(40, 39)}) {
            QVERIFY(bubble->mask().contains(edge));
            QCOMPARE(shown.pixel(edge), Outline);
        }
        const QPoint inside(55, 28);
        QVERIFY(bubble->mask().contains(inside));
        QCOMPARE(shown.pixel(inside), picture.pixel(at + inside));
        QCOMPARE(image(bubble->outlineBackground()).pixel(inside), qRgb(0, 0, 255));
    }

    // The arc spans across 0, the whole ellipse for equal angles, with angles taken modulo 360.
    // The outline runs along the arc from the start angle to the end angle and then to the peak;
    // the widget covers ellipse and peak and is masked to the outline. Think bubbles likewise.
    void bubbleOutlinesAndMasks() {
        QCOMPARE(kelvoSpeechBubbleSpan(300, 60), 120);
        QCOMPARE(kelvoSpeechBubbleSpan(60, 300), 240);
        QCOMPARE(kelvoSpeechBubbleSpan(90, 90), 360);
        QCOMPARE(kelvoSpeechBubbleSpan(-30, 30), 60);
        QCOMPARE(kelvoSpeechBubbleSpan(390, 45), 15);
        Viewer viewer;
        // The arc leaves a gap at the bottom left, between 200 and 250 degrees, for the tail.
        const QRect ellipse(0, 0, 101, 61);
        const auto object = speechBubble({20, 20}, ellipse, {5, 80}, 250, 200);
        KelvoViewerSpeechBubble bubble(&viewer, QString(), object);
        QCOMPARE(bubble.size(), QSize(101, 81));
        const QPolygon& outline = bubble.outline();
        QCOMPARE(outline.last(), QPoint(5, 80));
        // Angles count counter-clockwise from the right with y upwards.
        auto onEllipse = [](double degrees) {
            const double a = degrees * M_PI / 180;
            return QPoint(int(std::lround(50 + 50 * std::cos(a))),
                          int(std::lround(30 - 30 * std::sin(a))));
        };
        QCOMPARE(outline.first(), onEllipse(250));
        QCOMPARE(outline[outline.size() - 2], onEllipse(200));
        QVERIFY(outline.contains(onEllipse(0)));
        QVERIFY(outline.contains(onEllipse(90)));

        // Inside, on the right edge and along the tail; not in the corners.
        QVERIFY(masks(bubble, {{50, 30}, {98, 30}, {8, 74}}, {{100, 80}, {0, 0}}));
        QCOMPARE(image(bubble.plainBackground()).pixel(85, 30), Fill);

        // A think bubble covers its body and circles and is masked to them.
        const auto thought =
            thinkBubble({30, 30}, {0, 0, 80, 40}, {{60, 44, 12, 10}, {75, 56, 8, 6}});
        KelvoViewerThinkBubble think(&viewer, QString(), thought);
        QCOMPARE(think.size(), QSize(83 + 2, 62 + 2));
        // The body and both circles; not between body and first circle, the margin, a corner.
        QVERIFY(masks(think, {{40, 20}, {65, 48}, {78, 58}}, {{70, 41}, {84, 63}, {0, 0}}));
    }

    // An empty body or coordinates beyond the limits make no widget, whatever the shape.
    void unusableGeometry() {
        const int big = KelvoViewerShapedText::kMaxCoordinate + 1;
        const auto body = speechBubble({0, 0}, {0, 0, 50, 30}, {10, 40}, 200, 250);
        std::vector<KelvoComicEllipseObj> objects(4, body);
        objects[0].right = objects[0].left - 1;
        objects[1].right = big;
        objects[2].x = -big;
        objects[3].labelY = big;
        for (const KelvoComicEllipseObj& object : objects) {
            QVERIFY(KelvoViewerSimpleBubble::widgetSize(object).isEmpty());
            QVERIFY(KelvoViewerSpeechBubble::widgetSize(object).isEmpty());
            QVERIFY(KelvoViewerThinkBubble::widgetSize(object).isEmpty());
        }
        auto peak = body;
        peak.peakY = -big;
        QVERIFY(KelvoViewerSpeechBubble::widgetSize(peak).isEmpty());
        const auto circle = thinkBubble({0, 0}, {0, 0, 50, 30}, {{0, 0, INT32_MAX, 4}});
        QVERIFY(KelvoViewerThinkBubble::widgetSize(circle).isEmpty());
    }

    // Alignment codes add to word wrap, stored weights map onto the toolkit's, colour channels are
    // clamped and the body's edges are inclusive.
    void valuesFromTheObject() {
        KelvoEllipseObj object;
        object.textColour = {300, -5, 128};
        object.left = 2;
        object.top = 3;
        object.right = 41;
        object.bottom = 23;
        object.text = u"Grüße";
        const std::tuple<int, int, Qt::Alignment, QFont::Weight> rows[] = {
            {1, 25, Qt::AlignLeft, QFont::Light},
            {2, 50, Qt::AlignHCenter, QFont::Normal},
            {3, 63, Qt::AlignRight, QFont::DemiBold},
            {0, 75, {}, QFont::Bold},
            {7, 87, {}, QFont::Black}};
        for (const auto& [alignment, weight, flags, qtWeight] : rows) {
            object.alignment = alignment;
            object.font = {"Times New Roman", 14, weight, true};
            const TheS_BubbleData data = kelvoBubbleData(object);
            QCOMPARE(data.textData.alignmentFlags, int(Qt::TextWordWrap | flags));
            QCOMPARE(data.textData.font.weight(), qtWeight);
        }
        const TheS_BubbleData data = kelvoBubbleData(object);
        QCOMPARE(data.textData.font.family(), QStringLiteral("Times New Roman"));
        QCOMPARE(data.textData.font.pointSize(), 14);
        QVERIFY(data.textData.font.italic());
        QCOMPARE(data.textData.textColour, QColor(255, 0, 128));
        QCOMPARE(data.textData.text, QStringLiteral("Grüße"));
        QCOMPARE(data.rect, QRect(2, 3, 40, 21));
    }
};

QTEST_MAIN(KelvoViewerShapedTextTest)
#include "kelvoviewershapedtext_test.moc"
