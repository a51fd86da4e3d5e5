// The parts of a shaped text: a body resized by its handle, its mask, and the label dragged
// inside its shaped text, all with real pointer events.
#include "kelvobubble.h"
#include "kelvobubbletext.h"
#include "kelvobutton.h"
#include "kelvoeditorsimplebubble.h"
#include "shapedtexttestsupport.h"

#include <QtTest>

using namespace ShapedTextTest;

namespace {

QPoint centreOf(const QWidget* widget) {
    return QPoint(widget->width() / 2, widget->height() / 2);
}

} // namespace

class KelvoBubbleTest : public QObject {
    Q_OBJECT
private slots:
    void resizeByHandle_data();
    void resizeByHandle();
    void maskFollowsFill_data();
    void maskFollowsFill();
    void labelStaysInside();
};

void KelvoBubbleTest::resizeByHandle_data() {
    QTest::addColumn<QPoint>("by");
    QTest::addColumn<QSize>("body");
    QTest::newRow("grow") << QPoint(30, 10) << QSize(180, 80);
    QTest::newRow("shrink") << QPoint(-100, -50) << QSize(50, 20);
    QTest::newRow("down to one pixel") << QPoint(-149, -69) << QSize(1, 1);
    QTest::newRow("past the top-left: unchanged") << QPoint(-150, -70) << QSize(150, 70);
    QTest::newRow("past the left only: unchanged") << QPoint(-160, 10) << QSize(150, 70);
    // The handle stays on the picture (320 x 260, the shaped text at (40, 30)).
    QTest::newRow("held on the picture") << QPoint(400, 400) << QSize(280, 230);
}

void KelvoBubbleTest::resizeByHandle() {
    QFETCH(QPoint, by);
    QFETCH(QSize, body);
    PictureWidget picture(testPicture(QSize(320, 260)));
    auto* shaped = new KelvoEditorSimpleBubble(&picture, QStringLiteral("s"), 1);
    shaped->move(40, 30);
    picture.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picture));
    auto* bubble = shaped->mainBubble();
    QStringList resized;
    QObject::connect(bubble, &KelvoBubble::resized, [&](const QString& name) { resized << name; });
    drag(bubble->handle(), QPoint(4, 4), by);
    QCOMPARE(bubble->bodyRect(), QRect(QPoint(0, 0), body));
    QCOMPARE(bubble->handle()->geometry().center(), bubble->bodyRect().bottomRight());
    QCOMPARE(resized, QStringList{QStringLiteral("MainBubble")});
    QCOMPARE(shaped->size(), bubble->size());
}

// A filled body takes its inside; a transparent one only its outline, frame and handle.
void KelvoBubbleTest::maskFollowsFill_data() {
    QTest::addColumn<bool>("ellipse");
    QTest::addColumn<bool>("filled");
    QTest::addColumn<bool>("insideShown");
    QTest::newRow("rectangle filled") << false << true << true;
    QTest::newRow("rectangle transparent") << false << false << false;
    QTest::newRow("ellipse filled") << true << true << true;
    QTest::newRow("ellipse transparent") << true << false << false;
}

void KelvoBubbleTest::maskFollowsFill() {
    QFETCH(bool, ellipse);
    QFETCH(bool, filled);
    QFETCH(bool, insideShown);
    QWidget owner;
    KelvoBubble bubble(&owner, QStringLiteral("b"), QPoint(0, 0), QPoint(99, 49), false, ellipse);
    bubble.setShapeProperties(Qt::white, Qt::black, 3, filled);
    const QRegion mask(bubble.shapeMask());
    QCOMPARE(mask.contains(QPoint(50, 25)), insideShown);
    QVERIFY(mask.contains(ellipse ? QPoint(50, 1) : QPoint(2, 25))); // the outline
    QVERIFY(!mask.contains(QPoint(50, 4)) || insideShown);
    QVERIFY(bubble.mask().contains(bubble.handle()->geometry().center()));
}

// The label follows the pointer, by its glyphs or by its handle, but never leaves the shaped
// text.
void KelvoBubbleTest::labelStaysInside() {
    PictureWidget picture(testPicture(QSize(320, 260)));
    auto* shaped = new KelvoEditorSimpleBubble(&picture, QStringLiteral("s"), 1);
    shaped->move(40, 30);
    picture.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picture));
    KelvoBubbleText* label = shaped->label();
    const QPoint start = label->pos();
    drag(label->handle(), QPoint(4, 4), QPoint(-5, 3));
    QCOMPARE(label->pos(), start + QPoint(-5, 3));
    drag(label, centreOf(label), QPoint(-500, -500));
    QCOMPARE(label->pos(), QPoint(0, 0));
    drag(label, centreOf(label), QPoint(500, 500));
    QCOMPARE(label->geometry().bottomRight(), shaped->rect().bottomRight());
    QCOMPARE(shaped->codecObject(QPoint()).labelX, label->x());
}

QTEST_MAIN(KelvoBubbleTest)
#include "kelvobubble_test.moc"
