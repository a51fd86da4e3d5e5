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
    void outlines_data() {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<QRgb>("background");
        QTest::addColumn<int>("points"); // 0: not counted, -1: no closed outline

        // Along each side of a square, one point per pixel: the diagonal steps skip the corners.
        QTest::newRow("square") << withSquare(40, 30, QRect(10, 10, 10, 10)) << kWhite << 40;
        QTest::newRow("one pixel") << withSquare(9, 9, QRect(4, 4, 1, 1)) << kWhite << 4;
        QTest::newRow("one-pixel line") << withSquare(30, 30, QRect(5, 10, 20, 1)) << kWhite << 42;
        QImage ring = canvas(60, 60);
        QImage disc = canvas(50, 40);
        {
            QPainter painter(&ring);
            painter.setPen(QPen(Qt::black, 6));
            painter.drawEllipse(QRect(15, 15, 30, 30));
            QPainter discPainter(&disc);
            discPainter.setRenderHint(QPainter::Antialiasing);
            discPainter.setBrush(QColor(200, 30, 30));
            discPainter.drawEllipse(QRect(8, 6, 30, 25));
        }
        QTest::newRow("ring") << ring << kWhite << 0;
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
        // No closed outline: the polygon given stays as it was.
        QTest::newRow("null picture") << QImage() << kWhite << -1;
        QTest::newRow("one colour") << canvas(50, 40) << kWhite << -1;
        QTest::newRow("one-pixel picture") << canvas(1, 1) << kWhite << -1;
        QTest::newRow("one-pixel object picture")
            << withSquare(1, 1, QRect(0, 0, 1, 1)) << kWhite << -1;
        QTest::newRow("colour not in picture")
            << withSquare(20, 20, QRect(5, 5, 5, 5)) << qRgb(1, 2, 3) << -1;
        const std::pair<const char*, QRect> borders[] = {{"left", QRect(0, 10, 10, 10)},
                                                         {"top", QRect(10, 0, 10, 10)},
                                                         {"right", QRect(30, 10, 10, 10)},
                                                         {"bottom", QRect(10, 20, 10, 10)}};
        for (const auto& [side, square] : borders) {
            QTest::addRow("touches %s border", side) << withSquare(40, 30, square) << kWhite << -1;
        }
        QTest::newRow("pixel in the corner") << withSquare(9, 9, QRect(0, 0, 1, 1)) << kWhite << -1;
        QImage stripes = canvas(40, 40);
        for (int y = 0; y < 40; y += 2) {
            QPainter(&stripes).fillRect(0, y, 40, 1, Qt::black);
        }
        QTest::newRow("stripes") << stripes << kWhite << -1;
        QImage noise = canvas(64, 64);
        QRandomGenerator random(5);
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                noise.setPixel(x, y, random.bounded(2) ? kWhite : qRgb(0, 0, 0));
            }
        }
        QTest::newRow("noise") << noise << kWhite << -1;
    }

    // The walk starts directly above the first object pixel in row order. Every point pixel beside
    // the object, each follows the last as a neighbour, none repeats, and the walk ends next to
    // where it started.
    void outlines() {
        QFETCH(QImage, image);
        QFETCH(QRgb, background);
        QFETCH(int, points);

        const QPolygon before{QPoint(1, 2), QPoint(3, 4)};
        QPolygon outline = before;
        QCOMPARE(findContour(image, outline, background), points >= 0);
        if (points < 0) {
            QCOMPARE(outline, before);
            return;
        }
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
};

QTEST_GUILESS_MAIN(KelvoContourTest)
#include "kelvocontour_test.moc"
