// The automatic selection of the grabber's windows: armed by a confirmed message, run by the
// next click, and refused with a message when no closed outline exists there.
#include "kelvocontour.h"
#include "kelvodialogscript.h"
#include "kelvoimgselectcopywidget.h"
#include "selectiontestsupport.h"

#include <QPainter>
#include <QtTest>

using SelectionTestSupport::drag;

namespace {

const QString kNoContour = QStringLiteral("Unfortunately, no closed contour could be found.");

// A 100 x 80 picture with a black square, or of one colour, shown at (50, 40).
struct Window {
    KelvoImgSelectCopyWidget widget;
    QList<bool> reports;

    explicit Window(bool withSquare) {
        QImage picture(100, 80, QImage::Format_RGB32);
        picture.fill(Qt::white);
        if (withSquare) {
            QPainter(&picture).fillRect(30, 20, 20, 20, Qt::black);
        }
        widget.setImage(picture, QStringLiteral("/pictures/square.png"));
        QObject::connect(&widget, &KelvoImgSelectionWidget::selectionChanged,
                         [this](bool closed) { reports.append(closed); });
        widget.setFixedSize(200, 160);
        widget.show();
    }

    void arm() {
        QString text;
        KelvoDialogScript script;
        script.pressOnMessage(1, &text);
        widget.armAutoSelection();
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QCOMPARE(text, QStringLiteral("Click on the image background ..."));
        QVERIFY(widget.isAutoArmed());
    }
};

} // namespace

class KelvoImgSelectCopyWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void clickOnBackgroundOutlinesObject();
    void noOutlineKeepsSelection_data();
    void noOutlineKeepsSelection();
};

void KelvoImgSelectCopyWidgetTest::clickOnBackgroundOutlinesObject() {
    Window window(true);
    QVERIFY(QTest::qWaitForWindowExposed(&window.widget));
    window.arm();
    // While armed, press and move draw nothing; the release searches.
    drag(&window.widget, {{60, 50}, {150, 110}, {55, 45}});
    QVERIFY(!window.widget.isAutoArmed());
    QVERIFY(window.widget.isSelectionClosed());
    QCOMPARE(window.reports, QList<bool>{true});
    QPolygon expected;
    QVERIFY(findContour(window.widget.picture(), expected, qRgb(255, 255, 255)));
    QCOMPARE(window.widget.imageOutline(), expected);
    QCOMPARE(expected.first(), QPoint(30, 19));
    QCOMPARE(window.widget.offset(), QPoint(50, 40));
    // The armed state lasted one release: the next drag selects a rectangle again.
    drag(&window.widget, {{60, 50}, {70, 60}});
    QCOMPARE(window.widget.imageOutline().first(), QPoint(10, 10));
}

void KelvoImgSelectCopyWidgetTest::noOutlineKeepsSelection_data() {
    QTest::addColumn<bool>("withSquare");
    QTest::addColumn<QPoint>("click");
    QTest::newRow("picture of one colour") << false << QPoint(60, 50);
    QTest::newRow("click beside the picture") << true << QPoint(10, 10);
}

void KelvoImgSelectCopyWidgetTest::noOutlineKeepsSelection() {
    QFETCH(bool, withSquare);
    QFETCH(QPoint, click);
    Window window(withSquare);
    drag(&window.widget, {{60, 50}, {70, 60}});
    const QPolygon before = window.widget.imageOutline();
    window.reports.clear();
    window.arm();

    QString text;
    KelvoDialogScript script;
    script.pressOnMessage(1, &text);
    QTest::mouseClick(&window.widget, Qt::LeftButton, {}, click);
    QVERIFY2(script.done(), qPrintable(script.failure()));
    QCOMPARE(text, kNoContour);
    QVERIFY(!window.widget.isAutoArmed());
    QCOMPARE(window.widget.imageOutline(), before);
    QVERIFY(window.widget.isSelectionClosed());
    QVERIFY(window.reports.isEmpty());
}

QTEST_MAIN(KelvoImgSelectCopyWidgetTest)
#include "kelvoimgselectcopywidget_test.moc"
