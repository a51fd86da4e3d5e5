// Angles of a speech bubble's handles: the point angle, the corner angle of the body and the
// placing of a handle's point on the shape.
#include "kelvospeechbubblegeometry.h"

#include <QtTest>

class KelvoSpeechBubbleGeometryTest : public QObject {
    Q_OBJECT
private slots:
    void pointAngle_data();
    void pointAngle();
    void cornerAngle();
    void placedAngle_data();
    void placedAngle();
    void scaledPeakOffset_data();
    void scaledPeakOffset();
};

void KelvoSpeechBubbleGeometryTest::pointAngle_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<double>("angle");
    QTest::newRow("right") << QPoint(10, 0) << 0.0;
    QTest::newRow("up") << QPoint(0, -10) << 90.0;
    QTest::newRow("left") << QPoint(-10, 0) << 180.0;
    QTest::newRow("down") << QPoint(0, 10) << 270.0;
    QTest::newRow("down right") << QPoint(10, 10) << 315.0;
    QTest::newRow("centre") << QPoint(0, 0) << 0.0;
}

void KelvoSpeechBubbleGeometryTest::pointAngle() {
    QFETCH(QPoint, point);
    QFETCH(double, angle);
    QVERIFY(std::abs(kelvoPointAngle(point, QPoint(0, 0)) - angle) < 1e-9);
}

void KelvoSpeechBubbleGeometryTest::cornerAngle() {
    // The diagonal (149, -69) of the default body lies at 24.8 degrees.
    QCOMPARE(kelvoCornerAngle(QRect(0, 0, 150, 70)), 24);
    QCOMPARE(kelvoCornerAngle(QRect(0, 0, 101, 101)), 45);
    QCOMPARE(kelvoCornerAngle(QRect(0, 0, 1, 1)), 0);
}

// On a square body a handle keeps its own angle on each side; on a wide body the points are
// drawn in from the sides and out from top and bottom, which keeps the four main directions.
void KelvoSpeechBubbleGeometryTest::placedAngle_data() {
    QTest::addColumn<QRect>("body");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<double>("angle");
    const QRect square(0, 0, 101, 101);
    QTest::newRow("square, right") << square << QPoint(200, 50) << 0.0;
    QTest::newRow("square, top") << square << QPoint(50, -30) << 90.0;
    QTest::newRow("square, left") << square << QPoint(-5, 50) << 180.0;
    QTest::newRow("square, bottom") << square << QPoint(50, 400) << 270.0;
    // Meets the right side at (100, 30).
    QTest::newRow("square, up right") << square << QPoint(130, 17) << 21.8014;
    const QRect wide(0, 0, 150, 70);
    QTest::newRow("wide, below the centre") << wide << QPoint(74, 100) << 270.0;
    QTest::newRow("wide, left of the centre") << wide << QPoint(-20, 34) << 180.0;
    // The default tail's first point meets the bottom at (89, 69), drawn down to (89, 109).
    QTest::newRow("wide, default angle 1") << wide << QPoint(90, 70) << 281.3099;
}

void KelvoSpeechBubbleGeometryTest::placedAngle() {
    QFETCH(QRect, body);
    QFETCH(QPoint, point);
    QFETCH(double, angle);
    const double placed = kelvoPlacedAngle(point, body);
    QVERIFY2(std::abs(placed - angle) < 1e-3, qPrintable(QString::number(placed)));
}

// The box handle of a bubble on a picture some 50,000 pixels wide multiplies two such widths.
void KelvoSpeechBubbleGeometryTest::scaledPeakOffset_data() {
    QTest::addColumn<int>("reference");
    QTest::addColumn<int>("grown");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("scaled");
    QTest::newRow("doubled") << 100 << 100 << 30 << 60;
    QTest::newRow("shrunk, truncated") << 100 << -33 << 10 << 6;
    QTest::newRow("no extent") << 0 << 40 << 7 << 7;
    QTest::newRow("wide picture") << 50000 << 10000 << 49000 << 58800;
    QTest::newRow("shrunk on a wide picture") << 60000 << -1 << 60000 << 59999;
}

void KelvoSpeechBubbleGeometryTest::scaledPeakOffset() {
    QFETCH(int, reference);
    QFETCH(int, grown);
    QFETCH(int, offset);
    QFETCH(int, scaled);
    QCOMPARE(kelvoScaledPeakOffset(reference, grown, offset), scaled);
}

QTEST_MAIN(KelvoSpeechBubbleGeometryTest)
#include "kelvospeechbubblegeometry_test.moc"
