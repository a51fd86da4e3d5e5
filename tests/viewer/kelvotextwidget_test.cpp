// The text balloon: anchor button pixmaps, measuring, masks, placement, dictionary texts and
// pinned balloons that keep their button in place.
#include "kelvotextwidget.h"
#include "kelvotwanchorbutton.h"

#include <QBitmap>
#include <QScrollBar>
#include <QTextEdit>
#include <QtTest>

namespace {

// The two 15 x 15 discs: '.' transparent, g #C0C0C0, W #FFFFFF, D #808080.
const char* const NotAnchored[] = {
    ".....ggggg.....", "...ggWWWWWgg...", "..gWWWWWWWWWg..", ".gWWWgggggWgDg.", ".gWWgggggggDDg.",
    "gWWgggggggggDDg", "gWWgggggggggDDg", "gWWgggggggggDDg", "gWWgggggggggDDg", "gWWgggggggggDDg",
    ".gWggggggggDDg.", ".gWWDgggggDDDg.", "..gDDDDDDDDDg..", "...ggDDDDDgg...", ".....ggggg.....",
};
const char* const Anchored[] = {
    ".....ggggg.....", "...ggDDDDDgg...", "..gDDDDDDDDDg..", ".gDDDggggggWWg.", ".gDDggggggggWg.",
    "gDDgggggggggWWg", "gDDgggggggggWWg", "gDDgggggggggWWg", "gDDgggggggggWWg", "gDDgggggggggWWg",
    ".gDDgggggggWWg.", ".gDgWgggggWWWg.", "..gWWWWWWWWWg..", "...ggWWWWWgg...", ".....ggggg.....",
};

QRgb expectedColour(char c) {
    switch (c) {
    case 'g':
        return qRgb(0xC0, 0xC0, 0xC0);
    case 'W':
        return qRgb(0xFF, 0xFF, 0xFF);
    case 'D':
        return qRgb(0x80, 0x80, 0x80);
    default:
        return 0;
    }
}

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

bool maskBit(const QImage& mask, int x, int y) {
    return mask.pixelIndex(x, y) == 1;
}

} // namespace

class KelvoTextWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void anchorPixmaps_data();
    void anchorPixmaps();
    void balloonMaskHoldsTheButtonDisc_data();
    void balloonMaskHoldsTheButtonDisc();
    void measuring_data();
    void measuring();
    void externalBarsFollowTheTextView();
    void placement_data();
    void placement();
    void dictionaryText_data();
    void dictionaryText();
    void pinnedBalloonKeepsItsButton_data();
    void pinnedBalloonKeepsItsButton();
};

void KelvoTextWidgetTest::anchorPixmaps_data() {
    QTest::addColumn<bool>("anchored");
    QTest::newRow("raised") << false;
    QTest::newRow("sunken") << true;
}

// The button paints the disc of its balloon's state, pixel for pixel, and is masked to it.
void KelvoTextWidgetTest::anchorPixmaps() {
    QFETCH(bool, anchored);
    QWidget viewer;
    KelvoTextWidget balloon(&viewer);
    balloon.setText(QStringLiteral("x"));
    balloon.anchorButton()->setChecked(anchored);
    QCOMPARE(balloon.isAnchored(), anchored);

    const QImage painted =
        balloon.anchorButton()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage pixmap =
        balloon.anchorButton()->pixmap(anchored).toImage().convertToFormat(QImage::Format_ARGB32);
    const QRegion shape = balloon.anchorButton()->mask();
    const char* const* rows = anchored ? Anchored : NotAnchored;
    QCOMPARE(painted.size(), QSize(15, 15));
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 15; ++x) {
            const char c = rows[y][x];
            QCOMPARE(pixmap.pixel(x, y), expectedColour(c));
            QCOMPARE(shape.contains(QPoint(x, y)), c != '.');
            if (c != '.') {
                QCOMPARE(painted.pixel(x, y), expectedColour(c));
            }
        }
    }
}

void KelvoTextWidgetTest::balloonMaskHoldsTheButtonDisc_data() {
    QTest::addColumn<int>("placement");
    QTest::addColumn<QPoint>("button");
    QTest::addColumn<QPoint>("anchor"); // relative to the far corner: negative = from W or H
    QTest::addColumn<QRect>("body");
    QTest::newRow("up-right") << int(KelvoTextWidget::UpRight) << QPoint(0, -15) << QPoint(8, -8)
                              << QRect(15, 0, -15, -15);
    QTest::newRow("up-left") << int(KelvoTextWidget::UpLeft) << QPoint(-15, -15) << QPoint(-8, -8)
                             << QRect(0, 0, -15, -15);
    QTest::newRow("down-left") << int(KelvoTextWidget::DownLeft) << QPoint(-15, 0) << QPoint(-8, 8)
                               << QRect(0, 15, -15, -15);
    QTest::newRow("down-right") << int(KelvoTextWidget::DownRight) << QPoint(0, 0) << QPoint(8, 8)
                                << QRect(15, 15, -15, -15);
}

// Each placement's mask covers the body, the disc under the button and the stem between them,
// and nothing of the opposite corner.
void KelvoTextWidgetTest::balloonMaskHoldsTheButtonDisc() {
    QFETCH(int, placement);
    QFETCH(QPoint, button);
    QFETCH(QPoint, anchor);
    QFETCH(QRect, body);
    QWidget viewer;
    KelvoTextWidget balloon(&viewer);
    balloon.setText(QStringLiteral("hello"));
    const int W = balloon.width();
    const int H = balloon.height();
    auto resolve = [&](QPoint p) {
        return QPoint(p.x() < 0 ? W + p.x() : p.x(), p.y() < 0 ? H + p.y() : p.y());
    };
    const QPoint buttonAt = resolve(button);
    const QPoint anchorAt = resolve(anchor);
    const QRect bodyRect(body.x(), body.y(), W + body.width(), H + body.height());
    const QImage mask = balloon.placementMask(KelvoTextWidget::Placement(placement))
                            .toImage()
                            .convertToFormat(QImage::Format_Mono);
    const QImage disc = balloon.anchorButton()->pixmap(true).toImage();

    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 15; ++x) {
            if (qAlpha(disc.pixel(x, y)) != 0) {
                QVERIFY2(maskBit(mask, buttonAt.x() + x, buttonAt.y() + y),
                         qPrintable(QStringLiteral("disc pixel %1,%2").arg(x).arg(y)));
            }
        }
    }
    QVERIFY(maskBit(mask, anchorAt.x(), anchorAt.y()));
    for (const QPoint& corner : {bodyRect.topLeft(), bodyRect.topRight(), bodyRect.bottomLeft(),
                                 bodyRect.bottomRight(), bodyRect.center()}) {
        QVERIFY(maskBit(mask, corner.x(), corner.y()));
    }
    // Half way from the button's centre to the body's nearest corner lies the stem.
    const QPoint stem = (anchorAt + QPoint(anchorAt.x() < W / 2 ? 23 : W - 23,
                                           anchorAt.y() < H / 2 ? 23 : H - 23)) /
                        2;
    QVERIFY(maskBit(mask, stem.x(), stem.y()));
    // The corner of the button's cell diagonal to the body is outside the disc.
    const QPoint outer(buttonAt.x() + (anchorAt.x() < W / 2 ? 0 : 14),
                       buttonAt.y() + (anchorAt.y() < H / 2 ? 0 : 14));
    QVERIFY(!maskBit(mask, outer.x(), outer.y()));
}

void KelvoTextWidgetTest::measuring_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("horizontalBar");
    QTest::addColumn<bool>("verticalBar");
    QTest::newRow("one word") << QStringLiteral("Hello") << false << false;
    QTest::newRow("long text") << LongText << false << true;
    QTest::newRow("unbreakable") << QStringLiteral("Pneumonoultramicroscopicsilicovolcanoconiosis")
                                 << true << false;
}

// Texts that fit show whole without bars; the balloon is the text view plus 15 each way.
void KelvoTextWidgetTest::measuring() {
    QFETCH(QString, text);
    QFETCH(bool, horizontalBar);
    QFETCH(bool, verticalBar);
    QWidget viewer;
    viewer.resize(400, 300);
    KelvoTextWidget balloon(&viewer);
    balloon.setText(text);
    viewer.show();
    balloon.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));

    const QSize view = balloon.textView()->size();
    QCOMPARE(balloon.size(), view + QSize(15, 15));
    QCOMPARE(balloon.horizontalBarShown(), horizontalBar);
    QCOMPARE(balloon.verticalBarShown(), verticalBar);
    QCOMPARE(balloon.horizontalBar()->isVisible(), horizontalBar);
    QCOMPARE(balloon.verticalBar()->isVisible(), verticalBar);
    if (horizontalBar) {
        QCOMPARE(view.width(), 110);
    } else {
        QVERIFY(view.width() < 111);
        QCOMPARE(balloon.textView()->horizontalScrollBar()->maximum(), 0);
    }
    if (verticalBar) {
        QCOMPARE(view.height(), 55);
        QCOMPARE(balloon.height(), 70);
    } else {
        QVERIFY(view.height() < 56);
        QCOMPARE(balloon.textView()->verticalScrollBar()->maximum(), 0);
    }
    QCOMPARE(balloon.text(), text);
}

void KelvoTextWidgetTest::externalBarsFollowTheTextView() {
    QWidget viewer;
    viewer.resize(400, 300);
    KelvoTextWidget balloon(&viewer);
    balloon.setText(LongText);
    viewer.show();
    balloon.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));

    QScrollBar* own = balloon.textView()->verticalScrollBar();
    QTRY_VERIFY(own->maximum() > 0);
    QTRY_COMPARE(balloon.verticalBar()->maximum(), own->maximum());
    balloon.verticalBar()->setValue(own->maximum());
    QCOMPARE(own->value(), own->maximum());
    own->setValue(1);
    QCOMPARE(balloon.verticalBar()->value(), 1);
    QCOMPARE(balloon.verticalBar()->geometry().width(), 7);
}

void KelvoTextWidgetTest::placement_data() {
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<bool>("right");
    QTest::addColumn<bool>("above");
    QTest::newRow("room everywhere") << QPoint(200, 150) << true << true;
    QTest::newRow("near the right edge") << QPoint(395, 150) << false << true;
    QTest::newRow("near the top") << QPoint(200, 4) << true << false;
    QTest::newRow("top right corner") << QPoint(399, 0) << false << false;
}

// The balloon flips to the side of the pointer it fits on; its anchor point is the centre of
// the button in the corner nearest the pointer, and the balloon stays inside the viewer.
void KelvoTextWidgetTest::placement() {
    QFETCH(QPoint, pointer);
    QFETCH(bool, right);
    QFETCH(bool, above);
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
    QCOMPARE(balloon.anchorPoint(), QPoint(right ? 8 : W - 8, above ? H - 8 : 8));
    QCOMPARE(balloon.anchorButton()->geometry(),
             QRect(right ? 0 : W - 15, above ? H - 15 : 0, 15, 15));
    QCOMPARE(balloon.textView()->pos(), QPoint(right ? 15 : 0, above ? 0 : 15));
    const auto placement = right ? (above ? KelvoTextWidget::UpRight : KelvoTextWidget::DownRight)
                                 : (above ? KelvoTextWidget::UpLeft : KelvoTextWidget::DownLeft);
    QCOMPARE(balloon.mask(), QRegion(balloon.placementMask(placement)));
    QVERIFY(viewer.rect().contains(balloon.geometry().adjusted(8, 8, -8, -8)));
}

void KelvoTextWidgetTest::dictionaryText_data() {
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("target");
    QTest::addColumn<bool>("ambiguities");
    QTest::addColumn<bool>("codedWord");
    QTest::addColumn<QString>("expected");
    const QString bullet(QChar(0x2022));
    QTest::newRow("plain") << 3 << 0 << false << false << bullet + " Haus\n" + bullet + " house";
    QTest::newRow("ambiguities") << 3 << 0 << true << false
                                 << bullet + " Haus\n" + bullet + " house {home, building}";
    QTest::newRow("coded word") << 3 << 0 << false << true
                                << bullet + " Haus\n" + bullet + " house\n\n(Haus)";
    QTest::newRow("reversed, no secondaries")
        << 0 << 3 << true << false << bullet + " house\n" + bullet + " Haus";
    QTest::newRow("target missing") << 3 << 2 << false << false << QStringLiteral("[Haus]");
    QTest::newRow("target missing, coded word ignored")
        << 3 << 2 << true << true << QStringLiteral("[Haus]");
    QTest::newRow("source missing") << 5 << 0 << false << false << QStringLiteral("[Haus]");
}

void KelvoTextWidgetTest::dictionaryText() {
    QFETCH(int, source);
    QFETCH(int, target);
    QFETCH(bool, ambiguities);
    QFETCH(bool, codedWord);
    QFETCH(QString, expected);
    QWidget viewer;
    KelvoTextWidget balloon(&viewer);
    QVERIFY(!balloon.isDictionaryWidget());
    balloon.setDictionaryItem(houseItem(), QStringLiteral("Haus"));
    QVERIFY(balloon.isDictionaryWidget());
    balloon.showDictionaryText({source, target, ambiguities, codedWord});
    QCOMPARE(balloon.text(), expected);

    KelvoTextWidget broken(&viewer);
    broken.setDictionaryItem(TheS_DictItem(), QString());
    QVERIFY(broken.isDictionaryWidget());
    broken.showDictionaryText({source, target, ambiguities, codedWord});
    QCOMPARE(broken.text(), QStringLiteral("error"));
}

void KelvoTextWidgetTest::pinnedBalloonKeepsItsButton_data() {
    QTest::addColumn<bool>("flipDown");
    QTest::addColumn<bool>("flipLeft");
    QTest::newRow("room everywhere") << false << false;
    QTest::newRow("near the top: opens downwards when it grows") << true << false;
    QTest::newRow("near the right edge: flips left when it grows") << false << true;
    QTest::newRow("near the top right corner") << true << true;
}

// A pinned balloon that gets a longer translation keeps its button where it was, also when it
// must open to another side to fit.
void KelvoTextWidgetTest::pinnedBalloonKeepsItsButton() {
    QFETCH(bool, flipDown);
    QFETCH(bool, flipLeft);
    QWidget viewer;
    viewer.resize(400, 300);
    KelvoTextWidget balloon(&viewer);
    TheS_DictItem item = houseItem();
    item.translations[0].secondaries << LongText
                                     << QStringLiteral("Pneumonoultramicroscopicsilicovolcano");
    balloon.setDictionaryItem(item, QStringLiteral("Haus"));
    balloon.showDictionaryText(KelvoTranslationSettings());
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    const QSize before = balloon.size();
    const QSize grown(125, 70); // the longest text scrolls both ways
    QVERIFY(before.width() < grown.width() && before.height() < grown.height());
    // Where the small balloon still fits above or right of the pointer and the grown one no
    // longer does.
    const QPoint pointer(flipLeft ? (400 - (grown.width() - 8) + 400 - (before.width() - 8)) / 2
                                  : 150,
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

QTEST_MAIN(KelvoTextWidgetTest)
#include "kelvotextwidget_test.moc"
