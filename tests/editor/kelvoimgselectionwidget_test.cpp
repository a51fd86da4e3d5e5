// Rectangle and freehand selection with real mouse events: the outlines in both coordinate
// systems, what counts as complete, clamping, and the outline drawn over the picture. Image
// snippets: cut and masked to their selection, placed as asked, refused when larger than the
// picture, and dragged by the mouse no further than the allowed area.
#include "kelvodialogscript.h"
#include "kelvoimgselectionwidget.h"
#include "kelvoimgsnip.h"
#include "selectiontestsupport.h"

#include <QtTest>

#include <memory>

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

const QRect Area(50, 40, 200, 150);

// Every pixel's colour tells its position.
QImage source(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            image.setPixel(x, y, qRgb(x, y, 100));
        }
    }
    return image;
}

} // namespace

class KelvoImgSelectionWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_window = std::make_unique<QWidget>();
        m_window->resize(400, 300);
        m_snip = new KelvoImgSnip(m_window.get(), QStringLiteral("snippet"));
        m_snip->setAllowedArea(Area.x(), Area.y(), Area.width(), Area.height());
    }

    void cleanup() { m_window.reset(); }

    void outlines_data() {
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
        QTest::newRow("freehand triangle")
            << 1 << wide << QList<QPoint>{{60, 40}, {100, 40}, {80, 80}}
            << QPolygon{{10, 10}, {50, 10}, {30, 50}, {10, 10}};
        QTest::newRow("freehand clamped")
            << 1 << wide << QList<QPoint>{{60, 40}, {199, 40}, {199, 159}}
            << QPolygon{{10, 10}, {99, 10}, {99, 99}, {10, 10}};
        QTest::newRow("freehand of two points")
            << 1 << fit << QList<QPoint>{{10, 10}, {50, 50}} << QPolygon();
        QTest::newRow("freehand on one line")
            << 1 << fit << QList<QPoint>{{10, 10}, {20, 20}, {40, 40}, {30, 30}} << QPolygon();
        QTest::newRow("freehand click") << 1 << fit << QList<QPoint>{{10, 10}} << QPolygon();
    }

    void outlines() {
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
        QCOMPARE(selector.toWidgetPolygon(expected),
                 QPolygonF(expected.translated(selector.offset())));
        QVERIFY(selector.wasPressed());
    }

    // After a drag: a resize keeps the outline on the picture; once data are attached the next
    // press starts the next region, once; clearing drops the outline and turns repainting back on.
    void afterADrag() {
        Selector selector(1, {200, 160});
        drag(&selector, {{60, 40}, {100, 40}, {80, 80}});
        const QPolygon onPicture = selector.imageOutline();
        selector.setFixedSize(300, 260);
        QCOMPARE(selector.offset(), QPoint(100, 80));
        QCOMPARE(selector.imageOutline(), onPicture);
        QCOMPARE(selector.toWidgetPolygon(onPicture), QPolygonF(onPicture.translated(100, 80)));

        selector.setDataAttached(true);
        drag(&selector, {{120, 100}, {150, 100}, {130, 130}});
        QCOMPARE(selector.nextRegionCalls, 1);
        QVERIFY(!selector.isDataAttached());
        drag(&selector, {{130, 110}, {160, 110}, {140, 140}});
        QCOMPARE(selector.nextRegionCalls, 1);

        selector.setRepaintEnabled(false);
        selector.clearSelection();
        QVERIFY(!selector.isSelectionClosed());
        QVERIFY(selector.imageOutline().isEmpty());
        QVERIFY(selector.isRepaintEnabled());
    }

    // The dotted line shows both black and white over any picture; the picture stays untouched
    // inside the outline and where an earlier outline was.
    void outlineDrawnOverPicture() {
        for (const QColor colour : {QColor(Qt::white), QColor(Qt::black)}) {
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
            QVERIFY2(black > 10, qPrintable(colour.name()));
            QVERIFY2(white > 10, qPrintable(colour.name()));
            QCOMPARE(QColor(shown.pixel(30, 30)), colour);
            QCOMPARE(QColor(shown.pixel(70, 80)), colour);
        }
    }

    // Centred on the point asked for, or kept where it was; cut to the selection's bounds and
    // masked to it either way.
    void snippetGeometry() {
        // Selection bounds (10, 20) 41 x 31; position (100, 100).
        const std::pair<bool, QRect> placements[] = {{false, QRect(80, 85, 41, 31)},
                                                     {true, QRect(110, 120, 41, 31)}};
        const QPolygon triangle({QPoint(10, 20), QPoint(50, 20), QPoint(30, 50)});
        for (const auto& [keepPosition, geometry] : placements) {
            QVERIFY(m_snip->setSnippet(source(QSize(120, 90)), triangle, QPoint(100, 100),
                                       keepPosition));
            QCOMPARE(m_snip->geometry(), geometry);
            QCOMPARE(m_snip->snippet().size(), QSize(41, 31));
            QCOMPARE(m_snip->snippet().pixel(0, 0), qRgb(10, 20, 100));
            QCOMPARE(m_snip->outline(), QPolygon({QPoint(0, 0), QPoint(40, 0), QPoint(20, 30)}));
            QVERIFY(m_snip->shapeMask().contains(QPoint(20, 10)));
            QVERIFY(!m_snip->shapeMask().contains(QPoint(2, 28)));
            QCOMPARE(m_snip->mask(), m_snip->shapeMask());
        }
    }

    // A snippet larger than the picture is refused and told; the whole picture is taken with its
    // border pixels.
    void snippetOfTheWholePicture() {
        QString caption;
        QString text;
        KelvoDialogScript script;
        script.pressOnMessage(1, &text, &caption);
        const QPolygon wide({QPoint(0, 0), QPoint(Area.width(), 0), QPoint(Area.width(), 20)});
        QVERIFY(!m_snip->setSnippet(source(QSize(300, 100)), wide, QPoint(100, 100), false));
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QCOMPARE(caption, QStringLiteral("Kelvo - Message"));
        QCOMPARE(text, QStringLiteral("Selected image region is larger than the original image."));
        QVERIFY(m_snip->snippet().isNull());

        const QSize size(60, 45);
        const QPolygon whole({QPoint(0, 0), QPoint(59, 0), QPoint(59, 44), QPoint(0, 44)});
        QVERIFY(m_snip->setSnippet(source(size), whole, QPoint(100, 100), false));
        const QRegion& mask = m_snip->shapeMask();
        for (const QPoint corner : {QPoint(0, 0), QPoint(59, 0), QPoint(0, 44), QPoint(59, 44)}) {
            QVERIFY2(mask.contains(corner),
                     qPrintable(QStringLiteral("%1, %2").arg(corner.x()).arg(corner.y())));
        }
        QCOMPARE(mask.boundingRect(), QRect(QPoint(0, 0), size));
    }

    void snippetDraggingStopsAtTheArea_data() {
        QTest::addColumn<QPoint>("drag");
        QTest::addColumn<QPoint>("topLeft");
        // The 40 x 30 snippet starts at (100, 100); the area spans x 50..249, y 40..189.
        QTest::newRow("inside") << QPoint(30, -20) << QPoint(130, 80);
        QTest::newRow("against the right edge") << QPoint(500, 0) << QPoint(210, 100);
        QTest::newRow("against the left edge") << QPoint(-500, 0) << QPoint(50, 100);
        QTest::newRow("against the bottom edge") << QPoint(0, 400) << QPoint(100, 160);
        QTest::newRow("into the top-left corner") << QPoint(-300, -300) << QPoint(50, 40);
    }

    void snippetDraggingStopsAtTheArea() {
        QFETCH(QPoint, drag);
        QFETCH(QPoint, topLeft);
        const QPolygon rect({QPoint(0, 0), QPoint(39, 0), QPoint(39, 29), QPoint(0, 29)});
        QVERIFY(m_snip->setSnippet(source(QSize(40, 30)), rect, QPoint(100, 100), true));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));

        const QPoint grip(10, 12);
        QTest::mousePress(m_snip, Qt::LeftButton, {}, grip);
        // Two steps, each given where the pointer is relative to the snippet at that moment.
        const QPoint start = m_snip->pos() + grip;
        for (const QPoint& step : {drag / 2, drag}) {
            QTest::mouseMove(m_snip, start + step - m_snip->pos());
        }
        QTest::mouseRelease(m_snip, Qt::LeftButton, {}, start + drag - m_snip->pos());
        QCOMPARE(m_snip->pos(), topLeft);
    }

private:
    // A snippet in a window, allowed only in `Area`.
    std::unique_ptr<QWidget> m_window;
    KelvoImgSnip* m_snip = nullptr;
};

QTEST_MAIN(KelvoImgSelectionWidgetTest)
#include "kelvoimgselectionwidget_test.moc"
