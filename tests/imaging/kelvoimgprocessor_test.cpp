#include "kelvoimgprocessor.h"

#include "kelvoregionmask.h"

#include <QTest>

namespace {

QPolygon triangle() {
    return QPolygon({QPoint(2, 2), QPoint(28, 4), QPoint(10, 20)});
}

// The interior pixels of `polygon` as the region mask paints them, in raster order.
std::vector<QPoint> interior(const QSize& size, const QPolygon& polygon) {
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

QImage gradient(QImage::Format format) {
    QImage image(32, 24, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(x * 8, y * 10, (x + y) % 2 ? 40 : 200));
        }
    }
    return image.convertToFormat(format);
}

} // namespace

class KelvoImgProcessorTest : public QObject {
    Q_OBJECT

private slots:
    void selectedPixels_data() {
        QTest::addColumn<QImage>("snippet");
        QTest::addColumn<bool>("exactColours"); // at most 256 colours inside the outline
        QTest::newRow("rgb32") << gradient(QImage::Format_RGB32) << false;
        QTest::newRow("few colours")
            << gradient(QImage::Format_RGB32)
                   .convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither)
                   .convertToFormat(QImage::Format_RGB32)
            << true;
        QTest::newRow("indexed")
            << gradient(QImage::Format_RGB32).convertToFormat(QImage::Format_Indexed8) << true;
    }

    // One index per interior pixel, in raster order, each naming the pixel's colour (exactly
    // when the snippet has few colours, nearly otherwise).
    void selectedPixels() {
        QFETCH(QImage, snippet);
        QFETCH(bool, exactColours);
        const KelvoImageObjs objs = KelvoImgProcessor::prepare({snippet, triangle()}, 5);
        const std::vector<QPoint> points = interior(snippet.size(), triangle());
        QCOMPARE(objs.pixelIndices.size(), points.size());
        QVERIFY(!objs.colourTable.empty() && objs.colourTable.size() <= 256);
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

    void nothingSelected_data() {
        QTest::addColumn<QImage>("snippet");
        QTest::addColumn<QPolygon>("polygon");
        QTest::newRow("empty picture") << QImage() << triangle();
        QTest::newRow("flat polygon") << gradient(QImage::Format_RGB32)
                                      << QPolygon({QPoint(2, 2), QPoint(20, 2), QPoint(10, 2)});
        QTest::newRow("outside") << gradient(QImage::Format_RGB32)
                                 << QPolygon({QPoint(50, 50), QPoint(70, 50), QPoint(60, 70)});
    }

    void nothingSelected() {
        QFETCH(QImage, snippet);
        QFETCH(QPolygon, polygon);
        const KelvoImageObjs objs = KelvoImgProcessor::prepare({snippet, polygon}, 1);
        QVERIFY(objs.pixelIndices.empty());
        QVERIFY(objs.colourTable.empty());
    }
};

QTEST_GUILESS_MAIN(KelvoImgProcessorTest)
#include "kelvoimgprocessor_test.moc"
