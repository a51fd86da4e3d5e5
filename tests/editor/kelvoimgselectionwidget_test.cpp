// Rectangle and freehand selection with real mouse events: the outlines in both coordinate
// systems, what counts as complete, clamping, and the outline drawn over the picture.
#include "kelvoimgselectionwidget.h"
#include "selectiontestsupport.h"

#include <QtTest>

using SelectionTestSupport::drag;

namespace {

class Selector : public KelvoImgSelectionWidget {
public:
    int nextRegionCalls = 0;
    QList<bool> reports;

    Selector(int mode, QSize size, QColor colour = Qt::gray) {
        QImage picture(100, 100, QImage::Format_RGB32);
        picture.fill(colour);
        setImage(picture);
        setSelectionMode(mode);
        connect(this, &KelvoImgSelectionWidget::selectionChanged,
                [this](bool closed) { reports.append(closed); });
        setFixedSize(size);
        show();
    }
    void nextRegionNumber() override { ++nextRegionCalls; }
};

} // namespace

class KelvoImgSelectionWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void outlines_data();
    void outlines();
    void dataAttachedStartsNextRegion();
    void resizeKeepsOutlineOnPicture();
    void clearSelection();
    void outlineDrawnOverPicture_data();
    void outlineDrawnOverPicture();
};

void KelvoImgSelectionWidgetTest::outlines_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<QPoint>>("path");
    QTest::addColumn<QPolygon>("expected"); // picture coordinates; empty: not complete

    const QSize fit(100, 100);
    const QSize wide(200, 160); // picture at (50, 30)
    QTest::newRow("rectangle dragged down and left")
        << 0 << fit << QList<QPoint>{{50, 40}, {30, 60}, {10, 90}}
        << QPolygon{{50, 40}, {10, 40}, {10, 90}, {50, 90}, {50, 40}};
    QTest::newRow("rectangle dragged up and right")
        << 0 << fit << QList<QPoint>{{10, 90}, {50, 40}}
        << QPolygon{{10, 90}, {50, 90}, {50, 40}, {10, 40}, {10, 90}};
    QTest::newRow("rectangle clamped to the picture")
        << 0 << wide << QList<QPoint>{{60, 40}, {190, 150}}
        << QPolygon{{10, 10}, {99, 10}, {99, 99}, {10, 99}, {10, 10}};
    QTest::newRow("rectangle started beside the picture")
        << 0 << wide << QList<QPoint>{{5, 5}, {70, 50}}
        << QPolygon{{0, 0}, {20, 0}, {20, 20}, {0, 20}, {0, 0}};
    QTest::newRow("click") << 0 << fit << QList<QPoint>{{30, 30}} << QPolygon();
    QTest::newRow("rectangle along one axis")
        << 0 << fit << QList<QPoint>{{10, 10}, {60, 10}} << QPolygon();
    QTest::newRow("freehand triangle") << 1 << wide << QList<QPoint>{{60, 40}, {100, 40}, {80, 80}}
                                       << QPolygon{{10, 10}, {50, 10}, {30, 50}, {10, 10}};
    QTest::newRow("freehand clamped") << 1 << wide << QList<QPoint>{{60, 40}, {199, 40}, {199, 159}}
                                      << QPolygon{{10, 10}, {99, 10}, {99, 99}, {10, 10}};
    QTest::newRow("freehand of two points")
        << 1 << fit << QList<QPoint>{{10, 10}, {50, 50}} << QPolygon();
    QTest::newRow("freehand on one line")
        << 1 << fit << QList<QPoint>{{10, 10}, {20, 20}, {40, 40}, {30, 30}} << QPolygon();
    QTest::newRow("freehand click") << 1 << fit << QList<QPoint>{{10, 10}} << QPolygon();
}

void KelvoImgSelectionWidgetTest::outlines() {
    QFETCH(int, mode);
    QFETCH(QSize, size);
    QFETCH(QList<QPoint>, path);
    QFETCH(QPolygon, expected);

    Selector selector(mode, size);
    QVERIFY(QTest::qWaitForWindowExposed(&selector));
    // A complete outline first, so that the drag must replace it.
    drag(&selector, {{1, 1}, {size.width() - 2, 1}, {size.width() - 2, size.height() - 2}});
    QVERIFY(selector.isSelectionClosed());
    selector.reports.clear();

    drag(&selector, path);
    const bool closed = !expected.isEmpty();
    QCOMPARE(selector.isSelectionClosed(), closed);
    QCOMPARE(selector.reports, (QList<bool>{false, closed}));
    QCOMPARE(selector.imageOutline(), expected);
    QCOMPARE(selector.toWidgetPolygon(expected), QPolygonF(expected.translated(selector.offset())));
    QVERIFY(selector.wasPressed());
}

void KelvoImgSelectionWidgetTest::dataAttachedStartsNextRegion() {
    Selector selector(0, {100, 100});
    drag(&selector, {{10, 10}, {40, 40}});
    selector.setDataAttached(true);
    drag(&selector, {{20, 20}, {50, 50}});
    QCOMPARE(selector.nextRegionCalls, 1);
    QVERIFY(!selector.isDataAttached());
    drag(&selector, {{30, 30}, {60, 60}});
    QCOMPARE(selector.nextRegionCalls, 1);
}

void KelvoImgSelectionWidgetTest::resizeKeepsOutlineOnPicture() {
    Selector selector(1, {200, 160});
    drag(&selector, {{60, 40}, {100, 40}, {80, 80}});
    const QPolygon onPicture = selector.imageOutline();
    selector.setFixedSize(300, 260);
    QCOMPARE(selector.offset(), QPoint(100, 80));
    QCOMPARE(selector.imageOutline(), onPicture);
    QCOMPARE(selector.toWidgetPolygon(onPicture), QPolygonF(onPicture.translated(100, 80)));
}

void KelvoImgSelectionWidgetTest::clearSelection() {
    Selector selector(0, {100, 100});
    drag(&selector, {{10, 10}, {40, 40}});
    selector.setRepaintEnabled(false);
    selector.clearSelection();
    QVERIFY(!selector.isSelectionClosed());
    QVERIFY(selector.imageOutline().isEmpty());
    QVERIFY(selector.isRepaintEnabled());
}

void KelvoImgSelectionWidgetTest::outlineDrawnOverPicture_data() {
    QTest::addColumn<QColor>("colour");
    QTest::newRow("white picture") << QColor(Qt::white);
    QTest::newRow("black picture") << QColor(Qt::black);
}

// The dotted line shows both black and white over any picture; the picture stays untouched
// inside the outline and where an earlier outline was.
void KelvoImgSelectionWidgetTest::outlineDrawnOverPicture() {
    QFETCH(QColor, colour);
    Selector selector(0, {100, 100}, colour);
    QVERIFY(QTest::qWaitForWindowExposed(&selector));
    drag(&selector, {{70, 70}, {90, 90}});
    drag(&selector, {{10, 10}, {60, 50}});
    const QImage shown = selector.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int black = 0;
    int white = 0;
    for (int x = 12; x < 58; ++x) {
        const QRgb pixel = shown.pixel(x, 10);
        black += pixel == qRgb(0, 0, 0);
        white += pixel == qRgb(255, 255, 255);
    }
    QVERIFY(black > 10);
    QVERIFY(white > 10);
    QCOMPARE(QColor(shown.pixel(30, 30)), colour);
    QCOMPARE(QColor(shown.pixel(70, 80)), colour);
}

QTEST_MAIN(KelvoImgSelectionWidgetTest)
#include "kelvoimgselectionwidget_test.moc"
