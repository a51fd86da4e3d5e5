// The viewer zoomed and with long texts: regions are found and painted at their picture pixels
// at every zoom, and a balloon grows with its text up to a third of the viewer's width and half
// its height, wraps long words and stays inside the viewer wherever the pointer is.
#include "kelvodecodehandler.h"
#include "kelvotextwidget.h"
#include "kelvoviewerwidget.h"
#include "viewertestdata.h"

#include <QTextEdit>
#include <QtTest>

namespace {

// A viewer whose whole picture is one region carrying `text`.
class OneRegionViewer : public KelvoViewerWidget {
public:
    OneRegionViewer(QSize size, const QString& text) {
        resize(size);
        setImage(ViewerTestData::picture(size));
        m_idImage = ViewerTestData::idImage(size, {{1, QRect(QPoint(), size)}});
        std::map<uint32_t, KelvoDataObjs> data;
        data[1].records = {ViewerTestData::textRecord(text)};
        buildRegionViewerObjects(data, m_idImage, m_regions, this);
        setMouseTracking(true);
    }
    KelvoTextWidget* balloon() const { return m_regions.at(1).textWidget; }
};

const QSize OldBalloon(125, 70);

} // namespace

class KelvoViewerZoomTest : public QObject {
    Q_OBJECT

private slots:
    void zoomedViewerShowsPicturePixels();
    void balloonFitsItsText_data();
    void balloonFitsItsText();
};

// At 300% and scrolled, the pointer finds the region under it and the painted pixels are the
// picture's own.
void KelvoViewerZoomTest::zoomedViewerShowsPicturePixels() {
    OneRegionViewer viewer(QSize(200, 150), QStringLiteral("Zoomed"));
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    viewer.setZoom(3.0, QPoint(100, 75));
    const QPoint pixel(120, 80);
    const QPoint at = viewer.toWidgetCoordinates(pixel) + QPoint(1, 1);
    QVERIFY(viewer.viewportRect().contains(at));
    QCOMPARE(viewer.toImageCoordinates(at), pixel);
    const QImage shown = viewer.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.pixel(at), viewer.picture().pixel(pixel));
    QTest::mouseMove(&viewer, at);
    QVERIFY(viewer.balloon()->isVisible());
    QCOMPARE(viewer.balloon()->pos() + viewer.balloon()->anchorPoint(), at);
}

void KelvoViewerZoomTest::balloonFitsItsText_data() {
    QTest::addColumn<QSize>("viewerSize");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("grows");
    const QString longText =
        QStringLiteral("A long annotation that needs many lines. ").repeated(12);
    const QString longWord = QString(QLatin1Char('w')).repeated(200);
    QTest::newRow("short text") << QSize(900, 600) << QStringLiteral("Hello") << false;
    QTest::newRow("long text, small viewer") << QSize(300, 200) << longText << false;
    QTest::newRow("long text, large viewer") << QSize(900, 600) << longText << true;
    QTest::newRow("long word") << QSize(900, 600) << longWord << true;
}

void KelvoViewerZoomTest::balloonFitsItsText() {
    QFETCH(QSize, viewerSize);
    QFETCH(QString, text);
    QFETCH(bool, grows);
    OneRegionViewer viewer(viewerSize, text);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    KelvoTextWidget* balloon = viewer.balloon();
    const QRect inside(QPoint(), viewerSize);
    const int w = viewerSize.width();
    const int h = viewerSize.height();
    for (const QPoint& at : {QPoint(w / 2, h / 2), QPoint(3, 3), QPoint(w - 3, 3), QPoint(3, h - 3),
                             QPoint(w - 3, h - 3)}) {
        QTest::mouseMove(&viewer, at);
        QVERIFY(balloon->isVisible());
        QVERIFY2(inside.contains(balloon->geometry()),
                 qPrintable(QStringLiteral("at %1,%2").arg(at.x()).arg(at.y())));
    }
    QCOMPARE(balloon->textView()->toPlainText(), text);
    QVERIFY(balloon->width() <= std::max(OldBalloon.width(), w / 3));
    QVERIFY(balloon->height() <= std::max(OldBalloon.height(), h / 2));
    if (grows) {
        QVERIFY(balloon->width() > OldBalloon.width());
        QVERIFY(balloon->height() > OldBalloon.height());
    } else {
        QVERIFY(balloon->width() <= OldBalloon.width());
    }
}

QTEST_MAIN(KelvoViewerZoomTest)
#include "kelvoviewerzoom_test.moc"
