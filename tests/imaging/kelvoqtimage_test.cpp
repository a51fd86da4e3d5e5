#include "kelvoqtimage.h"
#include "kelvoreadablepixels.h"

#include <QTest>

class KelvoQtImageTest : public QObject {
    Q_OBJECT

private slots:
    void pixelBufferFormats_data() {
        QTest::addColumn<QImage::Format>("format");
        QTest::addColumn<int>("depth");
        QTest::addColumn<QImage::Format>("viewedAs");
        QTest::newRow("rgb32") << QImage::Format_RGB32 << 32 << QImage::Format_RGB32;
        QTest::newRow("argb32") << QImage::Format_ARGB32 << 32 << QImage::Format_ARGB32;
        QTest::newRow("rgb888") << QImage::Format_RGB888 << 32 << QImage::Format_RGB32;
        QTest::newRow("premultiplied")
            << QImage::Format_ARGB32_Premultiplied << 32 << QImage::Format_ARGB32;
        QTest::newRow("indexed8") << QImage::Format_Indexed8 << 8 << QImage::Format_Indexed8;
        QTest::newRow("null") << QImage::Format_Invalid << 0 << QImage::Format_Invalid;
    }

    // Deep pictures are viewed in place as 0xAARRGGBB, detached from shared copies so that
    // coding changes the caller's picture only; shallow ones give no pixels.
    void pixelBufferFormats() {
        QFETCH(QImage::Format, format);
        QFETCH(int, depth);
        QFETCH(QImage::Format, viewedAs);
        QImage image(7, 5, format);
        if (format == QImage::Format_Indexed8) {
            image.setColorTable({qRgb(1, 2, 3)});
        }
        image.fill(0);
        const QImage copy = image;
        const KelvoPixelBuffer buffer = kelvoPixelBuffer(image);
        QCOMPARE(buffer.depth, depth);
        QCOMPARE(image.format(), viewedAs);
        if (depth < 24) {
            QVERIFY(buffer.pixels == nullptr);
            return;
        }
        buffer.at(6, 4) = 0xff123456u;
        QCOMPARE(image.pixel(6, 4), 0xff123456u);
        QCOMPARE(copy.pixel(6, 4), copy.pixel(0, 0));
    }

    // Reading needs no copy of a picture already in a 32-bit format, and leaves others alone.
    void readablePixels() {
        QImage rgb32(5, 3, QImage::Format_RGB32);
        rgb32.fill(qRgb(1, 2, 3));
        const KelvoReadablePixels shared(rgb32);
        QCOMPARE(static_cast<const void*>(shared.buffer().pixels),
                 static_cast<const void*>(rgb32.constBits()));

        QImage rgb888(5, 3, QImage::Format_RGB888);
        rgb888.fill(qRgb(1, 2, 3));
        const KelvoReadablePixels converted(rgb888);
        QCOMPARE(rgb888.format(), QImage::Format_RGB888);
        QCOMPARE(converted.buffer().at(4, 2), qRgb(1, 2, 3));

        const KelvoReadablePixels grey(QImage(5, 3, QImage::Format_Grayscale8));
        QVERIFY(grey.buffer().pixels == nullptr);
        QCOMPARE(grey.buffer().depth, 8);
    }

    // Id images keep their indices (rows narrower than a scan line) and palette both ways.
    void indexedRoundTrip() {
        KelvoIndexedImage indexed;
        indexed.width = 3;
        indexed.height = 2;
        indexed.indices = {0, 1, 2, 2, 1, 0};
        indexed.palette = {0xffffffffu, 0xff00ffd2u, 0xffff0007u};
        const QImage image = kelvoToQImage(indexed);
        QCOMPARE(image.format(), QImage::Format_Indexed8);
        QCOMPARE(image.pixelIndex(2, 0), 2);
        QCOMPARE(image.pixel(0, 1), 0xffff0007u);
        const KelvoIndexedImage back = kelvoFromQImage(image);
        QCOMPARE(back.indices, indexed.indices);
        QCOMPARE(back.palette, indexed.palette);
    }
};

QTEST_GUILESS_MAIN(KelvoQtImageTest)
#include "kelvoqtimage_test.moc"
