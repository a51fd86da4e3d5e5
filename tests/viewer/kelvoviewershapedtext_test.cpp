// The viewer's shaped texts: what each shape draws and masks, fake transparency over the
// picture and its outline image, sizes, limits and the values taken from the codec's objects.
#include "kelvobubbledataconversion.h"
#include "kelvospeechbubbleoutline.h"
#include "kelvoviewersimplebubble.h"
#include "kelvoviewerspeechbubble.h"
#include "kelvoviewerthinkbubble.h"
#include "kelvoviewerwidget.h"
#include "viewertestdata.h"

#include <QPainter>
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

bool inMask(const KelvoViewerShapedText& shape, QPoint p) {
    return shape.mask().contains(p);
}

const QRgb Outline = qRgb(200, 0, 0);
const QRgb Fill = qRgb(255, 255, 200);

} // namespace

class KelvoViewerShapedTextTest : public QObject {
    Q_OBJECT
private slots:
    void rectangleFrames_data();
    void rectangleFrames();
    void ellipseIsMaskedAndSeeThrough();
    void speechBubbleSpan_data();
    void speechBubbleSpan();
    void speechBubbleOutlineAndMask();
    void thinkBubbleSizeAndMask();
    void bubbleShowsThePictureAroundItsShape();
    void unusableGeometry_data();
    void unusableGeometry();
    void valuesFromTheObject_data();
    void valuesFromTheObject();
};

void KelvoViewerShapedTextTest::rectangleFrames_data() {
    QTest::addColumn<int>("width");
    QTest::newRow("no outline") << 0;
    QTest::newRow("one pixel") << 1;
    QTest::newRow("three nested frames") << 3;
}

// Outline width w gives w one-pixel frames on the edge pixels, the innermost filled; the
// rectangle covers the whole widget, which has no mask.
void KelvoViewerShapedTextTest::rectangleFrames() {
    QFETCH(int, width);
    Viewer viewer;
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

void KelvoViewerShapedTextTest::ellipseIsMaskedAndSeeThrough() {
    Viewer viewer;
    auto object = simpleShape(KindSimpleEllipse, {100, 50}, {80, 40}, QString());
    object.backgroundFilled = false;
    KelvoViewerSimpleBubble bubble(&viewer, QString(), object, KindSimpleEllipse);
    QCOMPARE(bubble.shapeClassName(), QStringLiteral("KelvoViewerSimpleBubble"));
    QCOMPARE(bubble.shapeKind(), 2);
    for (const QPoint& corner : {QPoint(0, 0), QPoint(79, 0), QPoint(0, 39), QPoint(79, 39)}) {
        QVERIFY(!inMask(bubble, corner));
    }
    for (const QPoint& edge : {QPoint(0, 20), QPoint(79, 20), QPoint(40, 0), QPoint(40, 39)}) {
        QVERIFY(inMask(bubble, edge));
        QCOMPARE(image(bubble.plainBackground()).pixel(edge), Outline);
    }
    // Inside, the picture shows through: on the plain copy, and on the outline copy the
    // outline image.
    const QPoint inside(55, 28);
    QVERIFY(inMask(bubble, inside));
    QCOMPARE(image(bubble.plainBackground()).pixel(inside),
             viewer.pictureImage().pixel(QPoint(100, 50) + inside));
    QCOMPARE(image(bubble.outlineBackground()).pixel(inside), qRgb(0, 0, 255));
}

void KelvoViewerShapedTextTest::speechBubbleSpan_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("span");
    QTest::newRow("across 0") << 300 << 60 << 120;
    QTest::newRow("upwards") << 60 << 300 << 240;
    QTest::newRow("equal angles: whole ellipse") << 90 << 90 << 360;
    QTest::newRow("negative start") << -30 << 30 << 60;
    QTest::newRow("beyond a turn") << 390 << 45 << 15;
}

void KelvoViewerShapedTextTest::speechBubbleSpan() {
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(int, span);
    QCOMPARE(kelvoSpeechBubbleSpan(start, end), span);
}

// The outline runs along the arc from the start angle to the end angle and then to the peak;
// the widget covers ellipse and peak and is masked to the outline.
void KelvoViewerShapedTextTest::speechBubbleOutlineAndMask() {
    Viewer viewer;
    // The arc leaves a gap at the bottom left, between 200 and 250 degrees, for the tail.
    const QRect ellipse(0, 0, 101, 61);
    const auto object = speechBubble({20, 20}, ellipse, {5, 80}, 250, 200);
    KelvoViewerSpeechBubble bubble(&viewer, QString(), object);
    QCOMPARE(bubble.shapeClassName(), QStringLiteral("KelvoViewerSpeechBubble"));
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

    QVERIFY(inMask(bubble, {50, 30}));
    QVERIFY(inMask(bubble, {98, 30}));
    QVERIFY(inMask(bubble, {8, 74})); // along the tail
    QVERIFY(!inMask(bubble, {100, 80}));
    QVERIFY(!inMask(bubble, {0, 0}));
    QCOMPARE(image(bubble.plainBackground()).pixel(85, 30), Fill);
}

void KelvoViewerShapedTextTest::thinkBubbleSizeAndMask() {
    Viewer viewer;
    const auto object = thinkBubble({30, 30}, {0, 0, 80, 40}, {{60, 44, 12, 10}, {75, 56, 8, 6}});
    KelvoViewerThinkBubble bubble(&viewer, QString(), object);
    QCOMPARE(bubble.shapeClassName(), QStringLiteral("KelvoViewerThinkBubble"));
    QCOMPARE(bubble.size(), QSize(83 + 2, 62 + 2));
    QCOMPARE(bubble.circles().size(), size_t(2));
    QCOMPARE(bubble.circles()[1].rect, QRect(0, 0, 8, 6));
    QCOMPARE(bubble.circles()[1].position, QPoint(75, 56));
    QVERIFY(inMask(bubble, {40, 20}));
    QVERIFY(inMask(bubble, {65, 48}));
    QVERIFY(inMask(bubble, {78, 58}));
    QVERIFY(!inMask(bubble, {70, 41})); // between body and first circle
    QVERIFY(!inMask(bubble, {84, 63})); // the margin
    QVERIFY(!inMask(bubble, {0, 0}));
}

// Shown over the viewer, a bubble lets the picture show around its shape: no box.
void KelvoViewerShapedTextTest::bubbleShowsThePictureAroundItsShape() {
    Viewer viewer;
    auto object = simpleShape(KindSimpleEllipse, {100, 50}, {80, 40}, QString());
    auto* bubble = new KelvoViewerSimpleBubble(&viewer, QString(), object, KindSimpleEllipse);
    bubble->move(100, 50);
    bubble->show();
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    const QImage shown = image(viewer.grab(QRect(100, 50, 80, 40)));
    QCOMPARE(shown.pixel(1, 1), viewer.pictureImage().pixel(101, 51));
    QCOMPARE(shown.pixel(78, 38), viewer.pictureImage().pixel(178, 88));
    QCOMPARE(shown.pixel(40, 30), Fill);
}

void KelvoViewerShapedTextTest::unusableGeometry_data() {
    QTest::addColumn<KelvoComicEllipseObj>("object");
    const int big = KelvoViewerShapedText::kMaxCoordinate + 1;
    auto body = speechBubble({0, 0}, {0, 0, 50, 30}, {10, 40}, 200, 250);
    auto empty = body;
    empty.right = empty.left - 1;
    QTest::newRow("empty body") << empty;
    auto wide = body;
    wide.right = big;
    QTest::newRow("body beyond the limit") << wide;
    auto far = body;
    far.x = -big;
    QTest::newRow("position beyond the limit") << far;
    auto label = body;
    label.labelY = big;
    QTest::newRow("label beyond the limit") << label;
}

void KelvoViewerShapedTextTest::unusableGeometry() {
    QFETCH(KelvoComicEllipseObj, object);
    QVERIFY(KelvoViewerSimpleBubble::widgetSize(object).isEmpty());
    QVERIFY(KelvoViewerSpeechBubble::widgetSize(object).isEmpty());
    QVERIFY(KelvoViewerThinkBubble::widgetSize(object).isEmpty());

    auto peak = speechBubble({0, 0}, {0, 0, 50, 30},
                             {0, -KelvoViewerShapedText::kMaxCoordinate - 1}, 200, 250);
    QVERIFY(KelvoViewerSpeechBubble::widgetSize(peak).isEmpty());
    auto circle = thinkBubble({0, 0}, {0, 0, 50, 30}, {{0, 0, INT32_MAX, 4}});
    QVERIFY(KelvoViewerThinkBubble::widgetSize(circle).isEmpty());
}

void KelvoViewerShapedTextTest::valuesFromTheObject_data() {
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("weight");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("qtWeight");
    QTest::newRow("left, light") << 1 << 25 << int(Qt::TextWordWrap | Qt::AlignLeft)
                                 << int(QFont::Light);
    QTest::newRow("centred, normal")
        << 2 << 50 << int(Qt::TextWordWrap | Qt::AlignHCenter) << int(QFont::Normal);
    QTest::newRow("right, demi-bold")
        << 3 << 63 << int(Qt::TextWordWrap | Qt::AlignRight) << int(QFont::DemiBold);
    QTest::newRow("no alignment, bold") << 0 << 75 << int(Qt::TextWordWrap) << int(QFont::Bold);
    QTest::newRow("unknown alignment, black")
        << 7 << 87 << int(Qt::TextWordWrap) << int(QFont::Black);
}

void KelvoViewerShapedTextTest::valuesFromTheObject() {
    QFETCH(int, alignment);
    QFETCH(int, weight);
    QFETCH(int, flags);
    QFETCH(int, qtWeight);
    KelvoEllipseObj object;
    object.alignment = alignment;
    object.font = {"Times New Roman", 14, weight, true};
    object.textColour = {300, -5, 128};
    object.outlineWidth = 4;
    object.left = 2;
    object.top = 3;
    object.right = 41;
    object.bottom = 23;
    object.text = u"Grüße";
    const TheS_BubbleData data = kelvoBubbleData(object);
    QCOMPARE(data.textData.alignmentFlags, flags);
    QCOMPARE(int(data.textData.font.weight()), qtWeight);
    QCOMPARE(data.textData.font.family(), QStringLiteral("Times New Roman"));
    QCOMPARE(data.textData.font.pointSize(), 14);
    QVERIFY(data.textData.font.italic());
    QCOMPARE(data.textData.textColour, QColor(255, 0, 128));
    QCOMPARE(data.textData.text, QStringLiteral("Grüße"));
    QCOMPARE(data.outlineWidth, 4);
    QCOMPARE(data.rect, QRect(2, 3, 40, 21));
}

QTEST_MAIN(KelvoViewerShapedTextTest)
#include "kelvoviewershapedtext_test.moc"
