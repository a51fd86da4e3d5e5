// A picture coded by the generator, opened in a viewer the way a host does: the coded-data
// notice, the decode statistics, the outline image, and each kind of annotation under the
// pointer.
#define QTEST_QPA_MOUSE_HANDLING
#include "kelvocomicellipseshape.h"
#include "kelvogenerator.h"
#include "kelvotextwidget.h"
#include "kelvoviewershapedtext.h"
#include "kelvoviewerwidget.h"
#include "viewertestdata.h"

#include <QPainter>
#include <QtTest>

using namespace ViewerTestData;

namespace {

constexpr QSize PictureSize(320, 240);
const QRect TextArea(20, 20, 80, 60);
const QRect ImageArea(120, 20, 80, 60);
const QRect ShapeArea(220, 20, 80, 60);
const QRect DictArea(20, 120, 80, 60);

std::vector<uint8_t> block(const KelvoComicEllipseObj& object) {
    KelvoComicEllipseShape shape;
    shape.comicObjects.push_back(std::make_unique<KelvoComicEllipseObj>(object));
    shape.serialize();
    return shape.bytes;
}

// Two colours side by side, filling the snippet's whole area.
QImage snippet() {
    QImage image(ImageArea.size(), QImage::Format_RGB32);
    image.fill(qRgb(250, 20, 20));
    QPainter(&image).fillRect(0, 0, ImageArea.width() / 2, ImageArea.height(), qRgb(20, 20, 250));
    return image;
}

QImage codedPicture() {
    KelvoRegionMap regions;
    regions[1].polygons = {QPolygon(TextArea)};
    regions[1].texts = {QStringLiteral("Hello there")};
    regions[2].polygons = {QPolygon(ImageArea)};
    regions[2].images = {{snippet(), QPolygon(QRect(QPoint(), ImageArea.size()))}};
    regions[3].polygons = {QPolygon(ShapeArea)};
    regions[3].shapedTexts = {block(speechBubble({230, 90}, {0, 0, 80, 40}, {10, 60}, 250, 200))};
    regions[4].polygons = {QPolygon(DictArea)};
    regions[4].dictEntry = KelvoDictEntryRef{7, QStringLiteral("house"), QStringLiteral("Haus")};
    QImage coded;
    KelvoGeneratorError error;
    if (!KelvoGenerator::generate(picture(PictureSize), coded, regions, true, 0, {}, &error)) {
        qWarning() << error.message();
    }
    return coded;
}

void onStatus(void* context, const QString& message, int durationMs) {
    *static_cast<QString*>(context) = QStringLiteral("%1 (%2)").arg(message).arg(durationMs);
}

} // namespace

class KelvoCodedPictureTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void openAndDecode();
    void hoverEachAnnotation();

private:
    Dictionary* m_dictionary = nullptr;
    QImage m_coded;
};

void KelvoCodedPictureTest::initTestCase() {
    m_dictionary = new Dictionary;
    m_coded = codedPicture();
    QVERIFY(!m_coded.isNull());
}

void KelvoCodedPictureTest::cleanupTestCase() {
    delete m_dictionary;
}

void KelvoCodedPictureTest::openAndDecode() {
    KelvoViewerWidget viewer;
    QString status;
    viewer.setStatusCallback(onStatus, &status);
    QVERIFY(viewer.setImage(m_coded));
    QVERIFY(viewer.hasCodedData());
    QCOMPARE(status, QStringLiteral("The image has coded data. (10000)"));

    QCOMPARE(viewer.decodePicture(), DecodeStatistics({4, 1, 1, 1, 1}));
    QVERIFY(viewer.hasMouseTracking());
    const RegionViewerMap& regions = viewer.regions();
    QCOMPARE(regions.size(), size_t(4));
    QCOMPARE(regions.at(0).textWidget->text(), QStringLiteral("Hello there"));
    QVERIFY(regions.at(3).textWidget->isDictionaryWidget());
    QCOMPARE(regions.at(2).shapedTexts.size(), size_t(1));

    // The snippet lies on the region's fill pixels only.
    const RegionViewerObjects& image = regions.at(1);
    QVERIFY(!image.image.isNull());
    const QImage pixels = image.image.toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage& ids = viewer.idImage();
    int opaque = 0;
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
            const QPoint p = image.imageOrigin + QPoint(x, y);
            const QRgb entry = ids.color(ids.pixelIndex(p));
            const bool fill = qRed(entry) == 255 && qBlue(entry) == 1;
            const QRgb shown = pixels.pixel(x, y);
            QCOMPARE(qAlpha(shown) != 0, fill);
            if (fill) {
                ++opaque;
                QVERIFY(shown == qRgb(250, 20, 20) || shown == qRgb(20, 20, 250));
            }
        }
    }
    QVERIFY(opaque > (ImageArea.width() - 4) * (ImageArea.height() - 4));

    // Outlines are dotted over the picture; away from them the outline image is the picture.
    const QImage& outline = viewer.outlineImage();
    QCOMPARE(outline.size(), PictureSize);
    QCOMPARE(outline.pixel(310, 230), m_coded.pixel(310, 230));
    QCOMPARE(outline.pixel(60, 50), m_coded.pixel(60, 50));
    int dotted = 0;
    for (int x = TextArea.left(); x <= TextArea.right(); ++x) {
        dotted += outline.pixel(x, TextArea.top()) != m_coded.pixel(x, TextArea.top()) ? 1 : 0;
    }
    QVERIFY(dotted > TextArea.width() / 2);

    viewer.setOutlinesShown(true);
    QCOMPARE(viewer.displayedImage(), &viewer.outlineImage());
}

void KelvoCodedPictureTest::hoverEachAnnotation() {
    KelvoViewerWidget viewer;
    viewer.setImage(m_coded);
    viewer.resize(PictureSize);
    viewer.decodePicture();
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    const RegionViewerMap& regions = viewer.regions();

    QTest::mouseMove(&viewer, TextArea.center());
    QVERIFY(regions.at(0).textWidget->isVisible());
    QTest::mouseMove(&viewer, ImageArea.center());
    QVERIFY(!regions.at(0).textWidget->isVisible());
    QCOMPARE(viewer.imageRegion(), 1);
    QTest::mouseMove(&viewer, ShapeArea.center());
    QVERIFY(regions.at(2).shapedTexts.front()->isVisible());
    QCOMPARE(regions.at(2).shapedTexts.front()->pos(), QPoint(230, 90));
    QTest::mouseMove(&viewer, DictArea.center());
    KelvoTextWidget* dict = regions.at(3).textWidget;
    QVERIFY(dict->isVisible());
    QVERIFY(dict->text().contains(QStringLiteral("Haus")));
    QTest::mouseMove(&viewer, QPoint(310, 230));
    QTest::mouseMove(&viewer, QPoint(311, 230));
    QVERIFY(!dict->isVisible());
    QVERIFY(!regions.at(2).shapedTexts.front()->isVisible());
}

QTEST_MAIN(KelvoCodedPictureTest)
#include "kelvocodedpicture_test.moc"
