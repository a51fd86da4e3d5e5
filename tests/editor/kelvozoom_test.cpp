// Zoom and scroll in the editor's picture windows, driven by real events: selections made at
// any zoom cover the same picture pixels, attached data keep their picture points, the View
// menu's keys and Ctrl+wheel zoom, and the corner of a 4000 x 3000 picture can be scrolled to
// and annotated.
#include "encodertestsupport.h"
#include "kelvoapp.h"
#include "kelvoimgencodewidget.h"
#include "kelvoimgsnip.h"
#include "kelvotextholderwidget.h"
#include "selectiontestsupport.h"

#include <QTemporaryDir>
#include <QtTest>

using EncoderTest::plainPicture;

namespace {

void wheel(QWidget* widget, QPoint at, QPoint angle, Qt::KeyboardModifiers modifiers = {}) {
    QWheelEvent event(at, widget->mapToGlobal(at), {}, angle, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class KelvoZoomTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_encoder = std::make_unique<KelvoImgEncodeWidget>();
        QVERIFY(m_encoder->setImage(plainPicture(240, 180), QStringLiteral("plain.png")));
        m_encoder->resize(300, 250);
        m_encoder->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_encoder.get()));
        m_encoder->setZoom(2.0, QPoint());
    }

    void selectionCoversTheSamePixels_data() {
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("mode");
        for (const double zoom : {0.5, 2.0}) {
            QTest::addRow("rectangle at %g%%", zoom * 100) << zoom << 0;
            QTest::addRow("freehand at %g%%", zoom * 100) << zoom << 1;
        }
    }

    void selectionCoversTheSamePixels() {
        QFETCH(double, zoom);
        QFETCH(int, mode);
        m_encoder->setZoom(zoom, QPoint());
        m_encoder->setSelectionMode(mode);
        const QList<QPoint> path = {{20, 40}, {120, 40}, {120, 100}, {20, 100}};
        EncoderTest::drag(m_encoder.get(), mode == 0 ? QList<QPoint>{path[0], path[2]} : path);
        QCOMPARE(m_encoder->imageOutline(), QPolygon(path) << path[0]);
        m_encoder->attacher().attachText(QStringLiteral("zoomed"));
        QCOMPARE(m_encoder->regions().at(1).outlines.front(), QPolygon(path));
    }

    // Holders and snippets stay on their picture points through zooming; a snippet dragged while
    // zoomed in is coded where it then lies on the picture.
    void attachedDataKeepTheirPicturePoint() {
        EncoderTest::drag(m_encoder.get(), {{30, 20}, {60, 50}});
        m_encoder->attacher().attachText(QStringLiteral("held"));
        auto* holder = m_encoder->findChild<KelvoTextHolderWidget*>();
        const QPolygon part(QRect(10, 10, 20, 20));
        m_encoder->attacher().attachImage(plainPicture(240, 180), part);
        auto* snippet = m_encoder->findChild<KelvoImgSnip*>();
        QVERIFY(holder && snippet);
        QCOMPARE(m_encoder->picturePosition(snippet), QPoint(10, 10));
        SelectionTestSupport::drag(snippet, {{2, 2}, {22, 42}}); // 10 by 20 picture pixels at 200%

        for (const double zoom : {2.0, 0.25, 3.0, 1.0}) {
            m_encoder->setZoom(zoom, QPoint(77, 55));
            QCOMPARE(m_encoder->picturePosition(holder), QPoint(30, 20));
            QCOMPARE(m_encoder->picturePosition(snippet), QPoint(20, 30));
            QCOMPARE(holder->pos(), m_encoder->toWidgetCoordinates(QPoint(30, 20)));
        }
        QVERIFY(m_encoder->generation().prepareItems());
        QCOMPARE(m_encoder->regions().at(2).outlines.front().boundingRect(),
                 part.boundingRect().translated(10, 20));
    }

    // A 4000 x 3000 picture opens whole; Ctrl+1, Ctrl++, Ctrl+- and Ctrl+0 from the View menu,
    // and Ctrl+wheel, which keeps the pixel under the pointer. At 100% the wheel scrolls to the
    // bottom right corner, where a region reaching the last pixel is drawn and gets a text.
    void keysWheelAndTheCornerOfALargePicture() {
        KelvoImgEncodeWidget* encoder = open(plainPicture(4000, 3000));
        QVERIFY(encoder);
        QTRY_VERIFY(encoder->zoom() < 1.0);
        QVERIFY(encoder->viewportRect().contains(encoder->pictureRect()));
        const double fit = encoder->zoom();
        const std::pair<int, double> keys[] = {
            {Qt::Key_1, 1.0}, {Qt::Key_Plus, 1.5}, {Qt::Key_Minus, 1.0}, {Qt::Key_0, fit}};
        for (const auto& [key, zoom] : keys) {
            QTest::keyClick(m_app.get(), Qt::Key(key), Qt::ControlModifier);
            QCOMPARE(encoder->zoom(), zoom);
        }
        const QPoint at = encoder->pictureRect().center() + QPoint(20, 10);
        const QPoint pixel = encoder->toImageCoordinates(at);
        wheel(encoder, at, QPoint(0, 120), Qt::ControlModifier);
        QVERIFY(encoder->zoom() > fit);
        QVERIFY((encoder->toImageCoordinates(at) - pixel).manhattanLength() <= 2);
        wheel(encoder, at, QPoint(0, -240), Qt::ControlModifier);
        QVERIFY(encoder->zoom() < fit);

        QTest::keyClick(m_app.get(), Qt::Key_1, Qt::ControlModifier);
        const QRect view = encoder->viewportRect();
        for (int i = 0; i < 100; ++i) {
            wheel(encoder, view.center(), QPoint(0, -1200));
            wheel(encoder, view.center(), QPoint(-1200, 0));
        }
        QCOMPARE(encoder->toImageCoordinates(view.bottomRight()), QPoint(3999, 2999));
        const QPoint corner = view.bottomRight();
        SelectionTestSupport::drag(encoder, {corner - QPoint(80, 60), corner + QPoint(30, 30)});
        encoder->attacher().attachText(QStringLiteral("corner"));
        QCOMPARE(encoder->regions().at(1).outlines.front().boundingRect().bottomRight(),
                 QPoint(3999, 2999));
    }

private:
    // The main window with `picture` opened from a file.
    KelvoImgEncodeWidget* open(const QImage& picture);

    QTemporaryDir m_dir;
    std::unique_ptr<KelvoApp> m_app;
    std::unique_ptr<KelvoImgEncodeWidget> m_encoder; // a 240 x 180 picture at 200%
};

KelvoImgEncodeWidget* KelvoZoomTest::open(const QImage& picture) {
    const QString file = m_dir.filePath(QStringLiteral("picture.png"));
    m_app = std::make_unique<KelvoApp>();
    m_app->resize(800, 600);
    m_app->show();
    m_app->activateWindow();
    const bool opened =
        picture.save(file) && QTest::qWaitForWindowActive(m_app.get()) && m_app->openImage(file);
    return opened ? m_app->activeEncoder() : nullptr;
}

QTEST_MAIN(KelvoZoomTest)
#include "kelvozoom_test.moc"
