// Image snippets: cut and masked to their selection, placed as asked, refused when larger
// than the picture, and dragged by the mouse no further than the allowed area.
#include "dialogdriver.h"
#include "kelvoimgsnip.h"

#include <QLabel>
#include <QtTest>

namespace {

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

class KelvoImgSnipTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_window.reset(); }
    void geometry_data();
    void geometry();
    void maskKeepsBorderPixels();
    void largerThanThePictureIsRefused();
    void draggingStopsAtTheArea_data();
    void draggingStopsAtTheArea();

private:
    std::unique_ptr<QWidget> m_window;
    KelvoImgSnip* m_snip = nullptr;
};

void KelvoImgSnipTest::init() {
    m_window = std::make_unique<QWidget>();
    m_window->resize(400, 300);
    m_snip = new KelvoImgSnip(m_window.get(), QStringLiteral("snippet"));
    m_snip->setAllowedArea(Area.x(), Area.y(), Area.width(), Area.height());
}

void KelvoImgSnipTest::geometry_data() {
    QTest::addColumn<bool>("keepPosition");
    QTest::addColumn<QRect>("geometry");
    // Selection bounds (10, 20) 41 x 31; position (100, 100).
    QTest::newRow("centred on the point") << false << QRect(80, 85, 41, 31);
    QTest::newRow("kept where it was") << true << QRect(110, 120, 41, 31);
}

void KelvoImgSnipTest::geometry() {
    QFETCH(bool, keepPosition);
    QFETCH(QRect, geometry);
    const QPolygon triangle({QPoint(10, 20), QPoint(50, 20), QPoint(30, 50)});
    QVERIFY(m_snip->setSnippet(source(QSize(120, 90)), triangle, QPoint(100, 100), keepPosition));
    QCOMPARE(m_snip->geometry(), geometry);
    QCOMPARE(m_snip->snippet().size(), QSize(41, 31));
    QCOMPARE(m_snip->snippet().pixel(0, 0), qRgb(10, 20, 100));
    QCOMPARE(m_snip->outline(), QPolygon({QPoint(0, 0), QPoint(40, 0), QPoint(20, 30)}));
    QVERIFY(m_snip->shapeMask().contains(QPoint(20, 10)));
    QVERIFY(!m_snip->shapeMask().contains(QPoint(2, 28)));
    QCOMPARE(m_snip->mask(), m_snip->shapeMask());
}

void KelvoImgSnipTest::maskKeepsBorderPixels() {
    // The whole source picture, its outline on the border pixels.
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

void KelvoImgSnipTest::largerThanThePictureIsRefused() {
    QString caption;
    QString text;
    answerNextDialog([&](QWidget* dialog) {
        caption = dialog->windowTitle();
        text = dialog->findChild<QLabel*>()->text();
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    const QPolygon wide({QPoint(0, 0), QPoint(Area.width(), 0), QPoint(Area.width(), 20)});
    QVERIFY(!m_snip->setSnippet(source(QSize(300, 100)), wide, QPoint(100, 100), false));
    QCOMPARE(caption, QStringLiteral("Kelvo - Message"));
    QCOMPARE(text, QStringLiteral("Selected image region is larger than the original image."));
    QVERIFY(m_snip->snippet().isNull());
}

void KelvoImgSnipTest::draggingStopsAtTheArea_data() {
    QTest::addColumn<QPoint>("drag");
    QTest::addColumn<QPoint>("topLeft");
    // The 40 x 30 snippet starts at (100, 100); the area spans x 50..249, y 40..189.
    QTest::newRow("inside") << QPoint(30, -20) << QPoint(130, 80);
    QTest::newRow("against the right edge") << QPoint(500, 0) << QPoint(210, 100);
    QTest::newRow("against the left edge") << QPoint(-500, 0) << QPoint(50, 100);
    QTest::newRow("against the bottom edge") << QPoint(0, 400) << QPoint(100, 160);
    QTest::newRow("into the top-left corner") << QPoint(-300, -300) << QPoint(50, 40);
}

void KelvoImgSnipTest::draggingStopsAtTheArea() {
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

QTEST_MAIN(KelvoImgSnipTest)
#include "kelvoimgsnip_test.moc"
