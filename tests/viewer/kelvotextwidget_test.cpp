// The text balloon: measuring, masks, placement, dictionary texts and
// pinned balloons that keep their button in place.
#include "kelvotextwidget.h"
#include "kelvotwanchorbutton.h"

#include <QScrollBar>
#include <QTextEdit>
#include <QtTest>

namespace {

const QString LongText = QStringLiteral(
    "A long annotation that certainly needs more lines than the balloon can show at once, so "
    "that the reader has to scroll it down to read everything it says about the region.");

TheS_DictItem houseItem() {
    TheS_DictItem item;
    item.codedWord = QStringLiteral("house");
    item.translations[3] = {QStringLiteral("Haus"), {}};
    item.translations[0] = {QStringLiteral("house"),
                            {QStringLiteral("home"), QStringLiteral("building")}};
    return item;
}

} // namespace

class KelvoTextWidgetTest : public QObject {
    Q_OBJECT
private slots:
    // Texts that fit show whole without bars; the balloon is the text view plus 15 each way, the
    // text view at most a third of the viewer wide and half of it high. The external bars mirror
    // the text view's own.
    void measuring() {
        // A long word is broken rather than scrolled sideways.
        const std::pair<QString, bool> rows[] = {
            {QStringLiteral("Hello"), false},
            {LongText, true},
            {QStringLiteral("Pneumonoultramicroscopicsilicovolcanoconiosis"), false}};
        for (const auto& [text, verticalBar] : rows) {
            QWidget viewer;
            viewer.resize(400, 300);
            KelvoTextWidget balloon(&viewer);
            balloon.setText(text);
            viewer.show();
            balloon.show();
            QVERIFY(QTest::qWaitForWindowExposed(&viewer));

            const QSize view = balloon.textView()->size();
            const QSize most = balloon.maxTextSize();
            QCOMPARE(most, QSize(400 / 3 - 15, 300 / 2 - 15));
            QCOMPARE(balloon.size(), view + QSize(15, 15));
            QVERIFY(!balloon.horizontalBar()->isVisible());
            QCOMPARE(balloon.verticalBar()->isVisible(), verticalBar);
            QVERIFY(view.width() <= most.width());
            QCOMPARE(balloon.textView()->horizontalScrollBar()->maximum(), 0);
            if (!verticalBar) {
                QVERIFY(view.height() < most.height());
                QCOMPARE(balloon.textView()->verticalScrollBar()->maximum(), 0);
                continue;
            }
            QCOMPARE(view.height(), most.height());
            QScrollBar* own = balloon.textView()->verticalScrollBar();
            QTRY_VERIFY(own->maximum() > 0);
            QTRY_COMPARE(balloon.verticalBar()->maximum(), own->maximum());
            balloon.verticalBar()->setValue(own->maximum());
            QCOMPARE(own->value(), own->maximum());
            own->setValue(1);
            QCOMPARE(balloon.verticalBar()->value(), 1);
        }
    }

    // The balloon flips to the side of the pointer it fits on and stays inside the viewer. Its
    // button sits in the corner nearest the pointer with the anchor point in it; the mask covers
    // the body, the button's disc and the stem between them, and not the button cell's far corner.
    void placement() {
        const std::pair<QPoint, KelvoTextWidget::Placement> rows[] = {
            {{200, 150}, KelvoTextWidget::UpRight}, // room everywhere
            {{395, 150}, KelvoTextWidget::UpLeft},  // near the right edge
            {{200, 4}, KelvoTextWidget::DownRight}, // near the top
            {{399, 0}, KelvoTextWidget::DownLeft}}; // in the top right corner
        for (const auto& [pointer, placement] : rows) {
            const bool right =
                placement == KelvoTextWidget::UpRight || placement == KelvoTextWidget::DownRight;
            const bool above =
                placement == KelvoTextWidget::UpRight || placement == KelvoTextWidget::UpLeft;
            QWidget viewer;
            viewer.resize(400, 300);
            KelvoTextWidget balloon(&viewer);
            balloon.setText(QStringLiteral("Some words here"));
            balloon.placeFor(pointer.x(), pointer.y(), false);
            balloon.move(pointer - balloon.anchorPoint());

            QCOMPARE(balloon.placedRight(), right);
            QCOMPARE(balloon.placedAbove(), above);
            const int W = balloon.width();
            const int H = balloon.height();
            const QPoint anchor(right ? 8 : W - 8, above ? H - 8 : 8);
            const QRect button(right ? 0 : W - 15, above ? H - 15 : 0, 15, 15);
            const QRect body(right ? 15 : 0, above ? 0 : 15, W - 15, H - 15);
            QCOMPARE(balloon.anchorPoint(), anchor);
            QCOMPARE(balloon.anchorButton()->geometry(), button);
            QCOMPARE(balloon.textView()->pos(), body.topLeft());
            QVERIFY(viewer.rect().contains(balloon.geometry().adjusted(8, 8, -8, -8)));

            const QRegion mask = balloon.mask();
            QCOMPARE(mask, QRegion(balloon.placementMask(placement)));
            const QImage disc = balloon.anchorButton()->pixmap(true).toImage();
            for (int y = 0; y < 15; ++y) {
                for (int x = 0; x < 15; ++x) {
                    if (qAlpha(disc.pixel(x, y)) != 0) {
                        QVERIFY2(mask.contains(button.topLeft() + QPoint(x, y)),
                                 qPrintable(QStringLiteral("disc pixel %1,%2").arg(x).arg(y)));
                    }
                }
            }
            for (const QPoint& p :
                 {body.topLeft(), body.topRight(), body.bottomLeft(), body.bottomRight(),
                  body.center(), (anchor + QPoint(right ? 23 : W - 23, above ? H - 23 : 23)) / 2}) {
                QVERIFY(mask.contains(p)); // the last one half way along the stem
            }
            QVERIFY(!mask.contains(QPoint(right ? 0 : W - 1, above ? H - 1 : 0)));
        }
    }

    // Two bullet lines with the source and target terms, the target's secondaries in braces, the
    // coded word in brackets below; a missing language shows the term alone, in square brackets,
    // and an item without coded word or translations "error".
    void dictionaryText() {
        const QString bullet(QChar(0x2022));
        const QString haus = bullet + " Haus\n" + bullet + " house";
        const std::pair<KelvoTranslationSettings, QString> rows[] = {
            {{3, 0, false, false}, haus},
            {{3, 0, true, false}, haus + " {home, building}"},
            {{0, 3, true, false}, bullet + " house\n" + bullet + " Haus"},
            {{3, 2, true, true}, QStringLiteral("[Haus]")},
            {{5, 0, false, false}, QStringLiteral("[Haus]")}};
        QWidget viewer;
        for (const auto& [settings, expected] : rows) {
            KelvoTextWidget balloon(&viewer);
            balloon.setDictionaryItem(houseItem(), QStringLiteral("Haus"));
            balloon.showDictionaryText(settings);
            QCOMPARE(balloon.text(), expected);
            KelvoTextWidget broken(&viewer);
            broken.setDictionaryItem(TheS_DictItem(), QString());
            broken.showDictionaryText(settings);
            QCOMPARE(broken.text(), QStringLiteral("error"));
        }
    }

    // A pinned balloon that gets a longer translation keeps its button where it was, also when it
    // must open downwards, to the left or both to fit, and when it shrinks back.
    void pinnedBalloonKeepsItsButton() {
        for (int flips = 0; flips < 4; ++flips) {
            const bool flipDown = flips & 1;
            const bool flipLeft = flips & 2;
            QWidget viewer;
            viewer.resize(400, 300);
            KelvoTextWidget balloon(&viewer);
            TheS_DictItem item = houseItem();
            item.translations[0].secondaries
                << LongText << QStringLiteral("Pneumonoultramicroscopicsilicovolcano");
            balloon.setDictionaryItem(item, QStringLiteral("Haus"));
            balloon.showDictionaryText(KelvoTranslationSettings());
            viewer.show();
            QVERIFY(QTest::qWaitForWindowExposed(&viewer));
            const QSize before = balloon.size();
            // The longest text, measured on a balloon of its own.
            KelvoTextWidget longest(&viewer);
            longest.setDictionaryItem(item, QStringLiteral("Haus"));
            longest.showDictionaryText({3, 0, true, true});
            const QSize grown = longest.size();
            QVERIFY(before.width() < grown.width() && before.height() < grown.height());
            // Where the small balloon still fits above or right of the pointer and the grown one no
            // longer does.
            const QPoint pointer(
                flipLeft ? (400 - (grown.width() - 8) + 400 - (before.width() - 8)) / 2 : 150,
                flipDown ? (before.height() - 8 + grown.height() - 8) / 2 : 200);
            balloon.placeFor(pointer.x(), pointer.y(), false);
            QVERIFY(balloon.placedRight() && balloon.placedAbove());
            balloon.move(pointer - balloon.anchorPoint());
            balloon.show();
            balloon.anchorButton()->setChecked(true);
            const QRect button = balloon.anchorButton()->geometry().translated(balloon.pos());

            balloon.showDictionaryText({3, 0, true, true});
            QVERIFY(balloon.isVisible());
            QCOMPARE(balloon.size(), grown);
            QCOMPARE(balloon.placedAbove(), !flipDown);
            QCOMPARE(balloon.placedRight(), !flipLeft);
            QCOMPARE(balloon.anchorButton()->geometry().translated(balloon.pos()), button);

            balloon.showDictionaryText(KelvoTranslationSettings());
            QCOMPARE(balloon.size(), before);
            QCOMPARE(balloon.anchorButton()->geometry().translated(balloon.pos()), button);
        }
    }
};

QTEST_MAIN(KelvoTextWidgetTest)
#include "kelvotextwidget_test.moc"
