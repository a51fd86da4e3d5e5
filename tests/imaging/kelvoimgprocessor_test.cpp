#include "kelvoimgprocessor.h"

#include "kelvoregionmask.h"

#include <QTest>

namespace {

QPolygon triangle() {
    return QPolygon({QPoint(2, 2), QPoint(28, 4), QPoint(10, 20)});
}

// The interior pixels of `polygon` as the region mask paints them, in raster order.
std::vector<QPoint> interior(const QSize& size, const QPolygon& polygon) {
    if (size.isEmpty()) {
        return {};
    }
    QImage mask(size, QImage::Format_RGB32);
    mask.fill(Qt::white);
    kelvoPaintRegion(mask, {polygon}, 1);
    std::vector<QPoint> points;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if (mask.pixel(x, y) == kelvoMaskFillColour(1)) {
                points.emplace_back(x, y);
            }
        }
    }
    return points;
}

QImage gradient() {
    QImage image(32, 24, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(x * 8, y * 10, (x + y) % 2 ? 40 : 200));
        }
    }
    return image;
}

} // namespace

class KelvoImgProcessorTest : public QObject {
    Q_OBJECT

private slots:
    void selectedPixels_data() {
        QTest::addColumn<QImage>("snippet");
        QTest::addColumn<QPolygon>("polygon");
        QTest::addColumn<bool>("exactColours"); // at most 256 colours inside the outline
        const QImage rgb32 = gradient();
        QTest::newRow("rgb32") << rgb32 << triangle() << false;
        QTest::newRow("few colours")
            << rgb32.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither)
                   .convertToFormat(QImage::Format_RGB32)
            << triangle() << true;
        QTest::newRow("indexed") << rgb32.convertToFormat(QImage::Format_Indexed8) << triangle()
                                 << true;
        // Nothing selected: no indices and no colour table.
        QTest::newRow("empty picture") << QImage() << triangle() << true;
        QTest::newRow("flat polygon")
            << rgb32 << QPolygon({QPoint(2, 2), QPoint(20, 2), QPoint(10, 2)}) << true;
        QTest::newRow("outside") << rgb32
                                 << QPolygon({QPoint(50, 50), QPoint(70, 50), QPoint(60, 70)})
                                 << true;
    }

    // One index per interior pixel, in raster order, each naming the pixel's colour (exactly
    // when the snippet has few colours, nearly otherwise).
    void selectedPixels() {
        QFETCH(QImage, snippet);
        QFETCH(QPolygon, polygon);
        QFETCH(bool, exactColours);
        const KelvoImageObjs objs = KelvoImgProcessor::prepare({snippet, polygon}, 5);
        const std::vector<QPoint> points = interior(snippet.size(), polygon);
        QCOMPARE(objs.pixelIndices.size(), points.size());
        QCOMPARE(objs.colourTable.empty(), points.empty());
        QVERIFY(objs.colourTable.size() <= 256);
        QCOMPARE(objs.colour, kelvoMaskFillColour(5));
        for (std::size_t i = 0; i < points.size(); ++i) {
            QVERIFY(objs.pixelIndices[i] < objs.colourTable.size());
            const QRgb expected = snippet.pixel(points[i]) & 0xffffffu;
            const QRgb actual = objs.colourTable[objs.pixelIndices[i]];
            if (exactColours) {
                QCOMPARE(actual, expected);
            } else {
                QVERIFY(qAbs(qRed(actual) - qRed(expected)) < 64);
                QVERIFY(qAbs(qGreen(actual) - qGreen(expected)) < 64);
            }
        }
    }
};

QTEST_GUILESS_MAIN(KelvoImgProcessorTest)
#include "kelvoimgprocessor_test.moc"
