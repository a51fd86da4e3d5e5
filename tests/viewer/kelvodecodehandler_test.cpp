// The decode handler: statistics and objects made from records, image annotations masked to
// their region, damaged records, the dictionary menu, and pictures without hidden data.
#include "kelvodecodehandler.h"
#include "kelvotextwidget.h"
#include "kelvoviewersimplebubble.h"
#include "kelvoviewerspeechbubble.h"
#include "kelvoviewerthinkbubble.h"
#include "viewertestdata.h"

#include <QAction>
#include <QButtonGroup>
#include <QMenu>
#include <QPainter>
#include <QRadioButton>
#include <QWidgetAction>
#include <QtTest>

using namespace ViewerTestData;

Q_DECLARE_METATYPE(DecodeStatistics)
Q_DECLARE_METATYPE(std::vector<KelvoData>)

namespace {

constexpr QSize PictureSize(120, 90);
const QRect Area(10, 10, 30, 20); // 28 x 18 fill pixels
const QString Known = QStringLiteral("<_ID 7><house>Haus");

struct Built {
    DecodeStatistics stats;
    RegionViewerMap regions;
};

Built build(QWidget* parent, const std::vector<KelvoData>& records,
            const std::vector<uint32_t>& colours = {}) {
    std::map<uint32_t, KelvoDataObjs> data;
    data[5].records = records;
    data[5].colours = colours;
    Built built;
    built.stats =
        buildRegionViewerObjects(data, idImage(PictureSize, {{5, Area}}), built.regions, parent);
    return built;
}

DecodeStatistics counts(int areas, int texts, int formatted, int images, int translatable) {
    return {areas, texts, formatted, images, translatable};
}

// Image bytes: fill pixel i gets index i % modulo.
std::vector<uint8_t> cycling(int count, int modulo) {
    std::vector<uint8_t> bytes(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        bytes[size_t(i)] = uint8_t(i % modulo);
    }
    return bytes;
}

const std::vector<uint32_t> ThreeColours = {0xFF0000, 0x00FF00, 0x0000FF};

} // namespace

class KelvoDecodeHandlerTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void objectsAndCounts_data();
    void objectsAndCounts();
    void laterBalloonWins();
    void imageFillsExactlyTheRegion_data();
    void imageFillsExactlyTheRegion();
    void shapesBeyondTheLimitsAreCountedNotBuilt();
    void dictionaryMenu_data();
    void dictionaryMenu();
    void pictureWithoutData();

private:
    Dictionary* m_dictionary = nullptr;
};

void KelvoDecodeHandlerTest::initTestCase() {
    m_dictionary = new Dictionary;
}

void KelvoDecodeHandlerTest::cleanupTestCase() {
    delete m_dictionary;
}

void KelvoDecodeHandlerTest::objectsAndCounts_data() {
    QTest::addColumn<std::vector<KelvoData>>("records");
    QTest::addColumn<DecodeStatistics>("expected");
    QTest::addColumn<QStringList>("shapes"); // class names of the region's shaped texts
    QTest::addColumn<bool>("balloon");

    const auto rect = simpleShape(KindSimpleRect, {}, {40, 20}, QStringLiteral("r"));
    const auto ellipse = simpleShape(KindSimpleEllipse, {}, {40, 20}, QStringLiteral("e"));
    const auto plainText = simpleShape(KindSimpleText, {}, {40, 20}, QStringLiteral("t"));
    const auto speech = speechBubble({}, {0, 0, 60, 30}, {10, 40}, 200, 250);
    const auto think = thinkBubble({}, {0, 0, 60, 30}, {{5, 32, 8, 6}, {0, 40, 5, 4}});
    const QString simple = QStringLiteral("KelvoViewerSimpleBubble");

    QTest::newRow("nothing") << std::vector<KelvoData>{} << counts(1, 0, 0, 0, 0) << QStringList()
                             << false;
    QTest::newRow("text") << std::vector<KelvoData>{textRecord(QStringLiteral("hi"))}
                          << counts(1, 1, 0, 0, 0) << QStringList() << true;
    QTest::newRow("known dictionary entry") << std::vector<KelvoData>{dictRecord(Known)}
                                            << counts(1, 0, 0, 0, 1) << QStringList() << true;
    QTest::newRow("unknown dictionary entry")
        << std::vector<KelvoData>{dictRecord(QStringLiteral("<nothing>Nichts"))}
        << counts(1, 0, 0, 0, 0) << QStringList() << false;
    QTest::newRow("Simple_Text and Speech_Bubble")
        << std::vector<KelvoData>{shapedRecord({plainText, speech})} << counts(1, 0, 2, 0, 0)
        << QStringList{QStringLiteral("KelvoViewerSpeechBubble")} << false;
    QTest::newRow("rectangle, ellipse, think bubble")
        << std::vector<KelvoData>{shapedRecord({rect, ellipse}), shapedRecord({think})}
        << counts(1, 0, 3, 0, 0)
        << QStringList{simple, simple, QStringLiteral("KelvoViewerThinkBubble")} << false;
    QTest::newRow("two images") << std::vector<KelvoData>{imageRecord({0}), imageRecord({1})}
                                << counts(1, 0, 0, 2, 0) << QStringList() << false;
    QTest::newRow("types without meaning")
        << std::vector<KelvoData>{rawRecord(3, {1, 2}), rawRecord(5, {})} << counts(1, 0, 0, 0, 0)
        << QStringList() << false;

    KelvoData broken = shapedRecord({rect});
    broken.payload.back() = 0x23; // terminator
    QTest::newRow("block without terminator")
        << std::vector<KelvoData>{broken} << counts(1, 0, 1, 0, 0) << QStringList() << false;
    KelvoData truncated = shapedRecord({rect});
    truncated.payload.resize(truncated.payload.size() - 3);
    QTest::newRow("truncated block")
        << std::vector<KelvoData>{truncated} << counts(1, 0, 0, 0, 0) << QStringList() << false;
    auto absurd = rect;
    absurd.right = 0x7FFFFFF0;
    QTest::newRow("absurd body") << std::vector<KelvoData>{shapedRecord({absurd, ellipse})}
                                 << counts(1, 0, 2, 0, 0) << QStringList{simple} << false;
    auto farAway = speech;
    farAway.peakX = -2000000000;
    QTest::newRow("absurd peak") << std::vector<KelvoData>{shapedRecord({farAway})}
                                 << counts(1, 0, 1, 0, 0) << QStringList() << false;
}

// Each record type makes its objects, hidden children of the viewer, and is counted.
void KelvoDecodeHandlerTest::objectsAndCounts() {
    QFETCH(std::vector<KelvoData>, records);
    QFETCH(DecodeStatistics, expected);
    QFETCH(QStringList, shapes);
    QFETCH(bool, balloon);
    writeRegionObjectsSeed(QString::fromLatin1(QTest::currentDataTag()), records, ThreeColours);
    QWidget viewer;
    const Built built = build(&viewer, records, ThreeColours);
    QCOMPARE(built.stats, expected);
    QCOMPARE(built.regions.size(), size_t(1));
    const RegionViewerObjects& objects = built.regions.at(5);
    QStringList made;
    for (KelvoViewerShapedText* shape : objects.shapedTexts) {
        made << shape->shapeClassName();
        QCOMPARE(shape->parentWidget(), &viewer);
        QVERIFY(shape->isHidden());
    }
    QCOMPARE(made, shapes);
    QCOMPARE(objects.textWidget != nullptr, balloon);
    if (balloon) {
        QCOMPARE(objects.textWidget->parentWidget(), &viewer);
        QVERIFY(objects.textWidget->isHidden());
    }
    QCOMPARE(!objects.image.isNull(), expected.encodedImages > 0);
}

// Of a text and a dictionary record, the later one makes the region's balloon.
void KelvoDecodeHandlerTest::laterBalloonWins() {
    QWidget viewer;
    const QChar bullet(0x2022);
    Built textFirst = build(&viewer, {textRecord(QStringLiteral("plain")), dictRecord(Known)});
    QCOMPARE(textFirst.stats, counts(1, 1, 0, 0, 1));
    KelvoTextWidget* dict = textFirst.regions.at(5).textWidget;
    QVERIFY(dict->isDictionaryWidget());
    QCOMPARE(dict->text(), QString(bullet) + " Haus\n" + bullet + " house");

    Built dictFirst = build(&viewer, {dictRecord(Known), textRecord(QStringLiteral("plain"))});
    QVERIFY(!dictFirst.regions.at(5).textWidget->isDictionaryWidget());
    QCOMPARE(dictFirst.regions.at(5).textWidget->text(), QStringLiteral("plain"));

    // An unknown reference does not replace the text before it.
    Built unknownLast =
        build(&viewer, {textRecord(QStringLiteral("kept")), dictRecord(QStringLiteral("<x>y"))});
    QCOMPARE(unknownLast.regions.at(5).textWidget->text(), QStringLiteral("kept"));
}

void KelvoDecodeHandlerTest::imageFillsExactlyTheRegion_data() {
    const int fill = fillPixelCount(Area);
    QTest::addColumn<std::vector<uint8_t>>("bytes");
    QTest::addColumn<std::vector<uint32_t>>("colours");
    QTest::addColumn<int>("shown");  // fill pixels shown, from the first
    QTest::addColumn<int>("modulo"); // shown pixel i has colour i % modulo
    QTest::newRow("one byte per fill pixel") << cycling(fill, 3) << ThreeColours << fill << 3;
    QTest::newRow("bytes to spare") << cycling(fill + 40, 3) << ThreeColours << fill << 3;
    QTest::newRow("too few bytes") << cycling(fill / 2, 3) << ThreeColours << fill / 2 << 3;
    // Indices 3 and 4 name no colour: those pixels stay transparent.
    QTest::newRow("indices outside the colour list")
        << cycling(fill, 5) << ThreeColours << fill << 5;
    QTest::newRow("no colour list") << cycling(fill, 3) << std::vector<uint32_t>{} << 0 << 3;
    QTest::newRow("no bytes") << std::vector<uint8_t>{} << ThreeColours << 0 << 3;
}

// The image covers the region's fill pixels in raster order and nothing else: the outline
// and everything outside stay transparent, as do pixels without a valid byte.
void KelvoDecodeHandlerTest::imageFillsExactlyTheRegion() {
    QFETCH(std::vector<uint8_t>, bytes);
    QFETCH(std::vector<uint32_t>, colours);
    QFETCH(int, shown);
    QFETCH(int, modulo);
    QWidget viewer;
    const Built built = build(&viewer, {imageRecord(bytes)}, colours);
    const RegionViewerObjects& objects = built.regions.at(5);
    QCOMPARE(built.stats.encodedImages, 1);
    if (shown == 0) {
        QVERIFY(objects.image.isNull());
        return;
    }
    QImage full(PictureSize, QImage::Format_ARGB32);
    full.fill(Qt::transparent);
    QPainter(&full).drawPixmap(objects.imageOrigin, objects.image);
    int i = 0;
    for (int y = 0; y < PictureSize.height(); ++y) {
        for (int x = 0; x < PictureSize.width(); ++x) {
            const bool fill = Area.adjusted(1, 1, -1, -1).contains(x, y);
            QRgb expected = 0;
            if (fill && i < shown && uint32_t(i % modulo) < colours.size()) {
                expected = 0xFF000000u | colours[size_t(i % modulo)];
            }
            i += fill ? 1 : 0;
            QCOMPARE(full.pixel(x, y), expected);
        }
    }
}

// Shapes over the size or count limits are counted but not built; a small picture does not
// get a bubble many times its own size.
void KelvoDecodeHandlerTest::shapesBeyondTheLimitsAreCountedNotBuilt() {
    QWidget viewer;
    const auto huge = simpleShape(KindSimpleRect, {}, {1500, 1500}, QStringLiteral("big"));
    const auto small = simpleShape(KindSimpleRect, {}, {10, 10}, QStringLiteral("s"));
    const Built big = build(&viewer, {shapedRecord({huge, small})});
    QCOMPARE(big.stats.formattedTexts, 2);
    QCOMPARE(big.regions.at(5).shapedTexts.size(), size_t(1));
    QCOMPARE(big.regions.at(5).shapedTexts.front()->size(), QSize(10, 10));

    const std::vector<KelvoComicEllipseObj> many(KelvoDecodeLimits::kMaxShapedTexts + 5, small);
    const Built crowd = build(&viewer, {shapedRecord(many)});
    QCOMPARE(crowd.stats.formattedTexts, KelvoDecodeLimits::kMaxShapedTexts + 5);
    QCOMPARE(crowd.regions.at(5).shapedTexts.size(), size_t(KelvoDecodeLimits::kMaxShapedTexts));
}

void KelvoDecodeHandlerTest::dictionaryMenu_data() {
    QTest::addColumn<int>("languages");
    QTest::addColumn<int>("source"); // checked id, -1 for none
    QTest::addColumn<int>("target");
    QTest::newRow("none") << 0 << -1 << -1;
    QTest::newRow("two") << 2 << -1 << 0;
    QTest::newRow("four") << 4 << 3 << 0;
    QTest::newRow("six") << 6 << 3 << 0;
}

struct MenuReceiver : QWidget {
    QList<QPair<QString, int>> calls;
    void translFrom(int i) { calls.append({QStringLiteral("from"), i}); }
    void translTo(int i) { calls.append({QStringLiteral("to"), i}); }
    void showCodedDictItem() { calls.append({QStringLiteral("coded"), -1}); }
    void showSecEntries() { calls.append({QStringLiteral("ambiguities"), -1}); }
};

void KelvoDecodeHandlerTest::dictionaryMenu() {
    QFETCH(int, languages);
    QFETCH(int, source);
    QFETCH(int, target);
    QList<TheS_Language> list;
    for (int i = 0; i < languages; ++i) {
        list.append({QStringLiteral("t%1").arg(i), QStringLiteral("Language %1").arg(i)});
    }
    MenuReceiver receiver;
    QButtonGroup* sourceGroup = nullptr;
    QButtonGroup* targetGroup = nullptr;
    QMenu* menu = buildDictionaryMenu(list, &receiver, sourceGroup, targetGroup);
    QCOMPARE(menu->parent(), &receiver);
    QVERIFY(sourceGroup && targetGroup);
    QVERIFY(sourceGroup->exclusive());
    QCOMPARE(sourceGroup->checkedId(), source);
    QCOMPARE(targetGroup->checkedId(), target);

    const QList<QAction*> items = menu->actions();
    QCOMPARE(items.size(), 5);
    QCOMPARE(items[0]->text(), QStringLiteral("Translate from ..."));
    QCOMPARE(items[1]->text(), QStringLiteral("Translate to ..."));
    QVERIFY(items[2]->isSeparator());
    QCOMPARE(items[3]->text(), QStringLiteral("Show coded word"));
    QCOMPARE(items[3]->data().toInt(), 3);
    QCOMPARE(items[4]->text(), QStringLiteral("Show ambiguities"));
    QCOMPARE(items[4]->data().toInt(), 4);
    for (QMenu* submenu : {items[0]->menu(), items[1]->menu()}) {
        QCOMPARE(submenu->actions().size(), languages);
        for (int i = 0; i < languages; ++i) {
            auto* button = qobject_cast<QRadioButton*>(
                qobject_cast<QWidgetAction*>(submenu->actions()[i])->defaultWidget());
            QCOMPARE(button->text(), list[i].name);
        }
    }
    if (languages < 2) {
        return;
    }

    QTest::mouseClick(sourceGroup->button(1), Qt::LeftButton);
    QTest::mouseClick(targetGroup->button(languages - 1), Qt::LeftButton);
    items[3]->trigger();
    items[4]->trigger();
    items[4]->trigger();
    QCOMPARE(sourceGroup->checkedId(), 1);
    QCOMPARE(targetGroup->checkedId(), languages - 1);
    QVERIFY(items[3]->isChecked());
    QVERIFY(!items[4]->isChecked());
    const QList<QPair<QString, int>> expected = {{QStringLiteral("from"), 1},
                                                 {QStringLiteral("to"), languages - 1},
                                                 {QStringLiteral("coded"), -1},
                                                 {QStringLiteral("ambiguities"), -1},
                                                 {QStringLiteral("ambiguities"), -1}};
    QCOMPARE(receiver.calls, expected);
}

// A picture without hidden data: zero counts, the outline image is the picture, the id image
// and the map stay as they were.
void KelvoDecodeHandlerTest::pictureWithoutData() {
    QWidget viewer;
    const QImage plain = picture(PictureSize);
    QImage ids = idImage(PictureSize, {{1, Area}});
    const QImage idsBefore = ids;
    QImage outline;
    RegionViewerMap regions;
    regions[1] = RegionViewerObjects();
    QCOMPARE(decodeImage(plain, ids, outline, regions, &viewer), DecodeStatistics());
    QCOMPARE(outline, plain);
    QCOMPARE(ids, idsBefore);
    QCOMPARE(regions.size(), size_t(1));
    QVERIFY(viewer.children().isEmpty());
}

QTEST_MAIN(KelvoDecodeHandlerTest)
#include "kelvodecodehandler_test.moc"
