// The automatic outline search on pictures of one object, of none, and of objects that the
// walk cannot go round.
#include "kelvocontour.h"

#include <QPainter>
#include <QtTest>

namespace {

const QRgb kWhite = qRgb(255, 255, 255);

QImage canvas(int width, int height, QImage::Format format = QImage::Format_RGB32) {
    QImage image(width, height, format);
    image.fill(Qt::white);
    return image;
}

QImage withSquare(int width, int height, const QRect& square) {
    QImage image = canvas(width, height);
    QPainter(&image).fillRect(square, Qt::black);
    return image;
}

QImage ring() {
    QImage image = canvas(60, 60);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 6));
    painter.drawEllipse(QRect(15, 15, 30, 30));
    return image;
}

bool isObject(const QImage& image, QPoint p, QRgb background) {
    return image.valid(p) && (image.pixel(p) & 0xFFFFFF) != (background & 0xFFFFFF);
}

QPoint firstObjectPixel(const QImage& image, QRgb background) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isObject(image, {x, y}, background)) {
                return {x, y};
            }
        }
    }
    return {-1, -1};
}

} // namespace

class KelvoContourTest : public QObject {
    Q_OBJECT
private slots:
    void closedOutlines_data() {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<QRgb>("background");
        QTest::addColumn<int>("points"); // 0: not counted

        // Along each side of a square, one point per pixel: the diagonal steps skip the corners.
        QTest::newRow("square") << withSquare(40, 30, QRect(10, 10, 10, 10)) << kWhite << 40;
        QTest::newRow("ring") << ring() << kWhite << 0;
        QTest::newRow("one pixel") << withSquare(9, 9, QRect(4, 4, 1, 1)) << kWhite << 4;
        QTest::newRow("one-pixel line") << withSquare(30, 30, QRect(5, 10, 20, 1)) << kWhite << 42;
        QImage disc = canvas(50, 40);
        {
            QPainter painter(&disc);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setBrush(QColor(200, 30, 30));
            painter.drawEllipse(QRect(8, 6, 30, 25));
        }
        QTest::newRow("antialiased disc") << disc << kWhite << 0;
        // The object is where the clicked colour is not: here white on a black background.
        QImage inverted = withSquare(30, 30, QRect(8, 8, 12, 12));
        inverted.invertPixels();
        QTest::newRow("light on dark") << inverted << qRgb(0, 0, 0) << 48;
        QImage palette = withSquare(30, 30, QRect(5, 6, 7, 8))
                             .convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
        QTest::newRow("palette picture") << palette << kWhite << 30;
        QImage alpha = withSquare(30, 30, QRect(5, 6, 7, 8)).convertToFormat(QImage::Format_ARGB32);
        QTest::newRow("alpha ignored") << alpha << qRgba(255, 255, 255, 0) << 30;
    }

    // The walk starts directly above the first object pixel in row order. Every point pixel beside
    // the object, each follows the last as a neighbour, none repeats, and the walk ends next to
    // where it started.
    void closedOutlines() {
        QFETCH(QImage, image);
        QFETCH(QRgb, background);
        QFETCH(int, points);

        QPolygon outline;
        QVERIFY(findContour(image, outline, background));
        QVERIFY(outline.size() >= 3);
        QVERIFY(points == 0 || outline.size() == points);
        const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
        QCOMPARE(outline.first(), firstObjectPixel(rgb, background) - QPoint(0, 1));
        QSet<QPair<int, int>> seen;
        for (qsizetype i = 0; i < outline.size(); ++i) {
            const QPoint p = outline[i];
            QVERIFY2(!isObject(rgb, p, background),
                     qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
            QVERIFY(isObject(rgb, p + QPoint(1, 0), background) ||
                    isObject(rgb, p - QPoint(1, 0), background) ||
                    isObject(rgb, p + QPoint(0, 1), background) ||
                    isObject(rgb, p - QPoint(0, 1), background));
            const QPoint step = outline[(i + 1) % outline.size()] - p;
            QVERIFY(qAbs(step.x()) <= 1 && qAbs(step.y()) <= 1);
            QVERIFY(!seen.contains({p.x(), p.y()}));
            seen.insert({p.x(), p.y()});
        }
    }

    void noClosedOutline_data() {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<QRgb>("background");

        QTest::newRow("null picture") << QImage() << kWhite;
        QTest::newRow("one colour") << canvas(50, 40) << kWhite;
        QTest::newRow("one-pixel picture") << canvas(1, 1) << kWhite;
        QTest::newRow("one-pixel object picture") << withSquare(1, 1, QRect(0, 0, 1, 1)) << kWhite;
        QTest::newRow("colour not in picture")
            << withSquare(20, 20, QRect(5, 5, 5, 5)) << qRgb(1, 2, 3);
        QTest::newRow("touches left border") << withSquare(40, 30, QRect(0, 10, 10, 10)) << kWhite;
        QTest::newRow("touches top border") << withSquare(40, 30, QRect(10, 0, 10, 10)) << kWhite;
        QTest::newRow("touches right border")
            << withSquare(40, 30, QRect(30, 10, 10, 10)) << kWhite;
        QTest::newRow("touches bottom border")
            << withSquare(40, 30, QRect(10, 20, 10, 10)) << kWhite;
        QTest::newRow("pixel in the corner") << withSquare(9, 9, QRect(0, 0, 1, 1)) << kWhite;
        QImage stripes = canvas(40, 40);
        for (int y = 0; y < 40; y += 2) {
            QPainter(&stripes).fillRect(0, y, 40, 1, Qt::black);
        }
        QTest::newRow("stripes") << stripes << kWhite;
        QImage noise = canvas(64, 64);
        QRandomGenerator random(5);
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                noise.setPixel(x, y, random.bounded(2) ? kWhite : qRgb(0, 0, 0));
            }
        }
        QTest::newRow("noise") << noise << kWhite;
    }

    void noClosedOutline() {
        QFETCH(QImage, image);
        QFETCH(QRgb, background);

        const QPolygon before{QPoint(1, 2), QPoint(3, 4)};
        QPolygon outline = before;
        QVERIFY(!findContour(image, outline, background));
        QCOMPARE(outline, before);
    }
};

QTEST_GUILESS_MAIN(KelvoContourTest)
#include "kelvocontour_test.moc"
