#include "kelvoregionmask.h"

#include <QTest>

namespace {

QPolygon rect(int left, int top, int right, int bottom) {
    return QPolygon(
        {QPoint(left, top), QPoint(right, top), QPoint(right, bottom), QPoint(left, bottom)});
}

} // namespace

class KelvoRegionMaskTest : public QObject {
    Q_OBJECT

private slots:
    // A rectangle gets a 1-pixel outline on its corner coordinates and a solid interior.
    void rectangleRegion() {
        KelvoRegionMap regions;
        regions[7].polygons = {rect(2, 3, 9, 8)};
        const QImage mask = kelvoPaintRegionMask(QSize(12, 12), regions);
        QCOMPARE(mask.format(), QImage::Format_RGB32);
        for (int y = 0; y < mask.height(); ++y) {
            for (int x = 0; x < mask.width(); ++x) {
                const bool inside = x >= 2 && x <= 9 && y >= 3 && y <= 8;
                const bool interior = x > 2 && x < 9 && y > 3 && y < 8;
                const QRgb expected = interior ? qRgb(7, 255, 0)
                                      : inside ? qRgb(255, 7, 0)
                                               : qRgb(255, 255, 255);
                QCOMPARE(mask.pixel(x, y), expected);
            }
        }
    }

    // Slanted edges are painted without antialiasing: every pixel has one of the three colours.
    void noBlendedPixels() {
        KelvoRegionMap regions;
        regions[1].polygons = {QPolygon({QPoint(3, 2), QPoint(30, 9), QPoint(12, 28)}),
                               QPolygon({QPoint(35, 30), QPoint(38, 4), QPoint(39, 33)})};
        regions[2].polygons = {QPolygon({QPoint(20, 20), QPoint(38, 36), QPoint(6, 38)})};
        const QImage mask = kelvoPaintRegionMask(QSize(40, 40), regions);
        const QList<QRgb> allowed = {qRgb(255, 255, 255), kelvoMaskFillColour(1),
                                     kelvoMaskOutlineColour(1), kelvoMaskFillColour(2),
                                     kelvoMaskOutlineColour(2)};
        int fill = 0;
        for (int y = 0; y < mask.height(); ++y) {
            for (int x = 0; x < mask.width(); ++x) {
                QVERIFY2(allowed.contains(mask.pixel(x, y)),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                fill += mask.pixel(x, y) == kelvoMaskFillColour(2);
            }
        }
        QVERIFY(fill > 50);
        // The later region is painted over the earlier one where they cross.
        QCOMPARE(mask.pixel(20, 25), kelvoMaskFillColour(2));
    }
};

QTEST_GUILESS_MAIN(KelvoRegionMaskTest)
#include "kelvoregionmask_test.moc"
