// The decode handler: statistics and objects made from records, image annotations masked to
// their region, damaged records, the dictionary menu, and pictures without hidden data.
#include "kelvodecodehandler.h"
#include "kelvotextwidget.h"
#include "kelvotranslationmenu.h"
#include "kelvoviewershapedtext.h"
#include "viewertestdata.h"

#include <QAction>
#include <QButtonGroup>
#include <QPainter>
#include <QRadioButton>
#include <QtTest>

using namespace ViewerTestData;
using Records = std::vector<KelvoData>;
using Stats = DecodeStatistics;

Q_DECLARE_METATYPE(Stats)
Q_DECLARE_METATYPE(Records)

namespace {

constexpr QSize PictureSize(120, 90);
const QRect Area(10, 10, 30, 20); // 28 x 18 fill pixels
const QString Bullet(QChar(0x2022));
const std::vector<uint32_t> ThreeColours = {0xFF0000, 0x00FF00, 0x0000FF};

struct Built {
    Stats stats;
    RegionViewerMap regions;
};

Built build(QWidget* parent, const Records& records, const std::vector<uint32_t>& colours = {}) {
    std::map<uint32_t, KelvoDataObjs> data;
    data[5].records = records;
    data[5].colours = colours;
    Built built;
    built.stats =
        buildRegionViewerObjects(data, idImage(PictureSize, {{5, Area}}), built.regions, parent);
    return built;
}

// Image bytes: fill pixel i gets index i % modulo.
std::vector<uint8_t> cycling(int count, int modulo) {
    std::vector<uint8_t> bytes(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        bytes[size_t(i)] = uint8_t(i % modulo);
    }
    return bytes;
}

} // namespace

class KelvoDecodeHandlerTest : public QObject {
    Q_OBJECT
private slots:
    void objectsAndCounts_data() {
        QTest::addColumn<Records>("records");
        QTest::addColumn<Stats>("expected");
        QTest::addColumn<QStringList>("shapes"); // class names of the region's shaped texts
        QTest::addColumn<QString>("balloon");    // its text, null for none

        const auto rect = simpleShape(KindSimpleRect, {}, {40, 20}, QStringLiteral("r"));
        const auto ellipse = simpleShape(KindSimpleEllipse, {}, {40, 20}, QStringLiteral("e"));
        const auto plainText = simpleShape(KindSimpleText, {}, {40, 20}, QStringLiteral("t"));
        const auto speech = speechBubble({}, {0, 0, 60, 30}, {10, 40}, 200, 250);
        const auto think = thinkBubble({}, {0, 0, 60, 30}, {{5, 32, 8, 6}, {0, 40, 5, 4}});
        const QString simple = QStringLiteral("KelvoViewerSimpleBubble");
        const QString plain = QStringLiteral("plain");
        const KelvoData text = textRecord(plain);
        const KelvoData known = textRecord(QStringLiteral("<_ID 7><house>Haus"), TypeDictEntry);
        const KelvoData unknown = textRecord(QStringLiteral("<nothing>Nichts"), TypeDictEntry);
        const QString translated =
            Bullet + QStringLiteral(" Haus\n") + Bullet + QStringLiteral(" house");

        QTest::newRow("meaningless types, unknown dictionary entry")
            << Records{record(3, {1, 2}), record(5, {}), unknown} << Stats{1, 0, 0, 0, 0}
            << QStringList() << QString();
        // One balloon shows every text, in stored order, and below them the known entry's terms.
        QTest::newRow("dictionary entry between texts")
            << Records{text, known, textRecord(QStringLiteral("second"))} << Stats{1, 2, 0, 0, 1}
            << QStringList() << plain + QStringLiteral("\nsecond\n") + translated;
        QTest::newRow("text, then unknown entry")
            << Records{text, unknown} << Stats{1, 1, 0, 0, 0} << QStringList() << plain;
        // Simple_Text items are shown by no widget, so they are not counted.
        QTest::newRow("every shape kind")
            << Records{shapedRecord({plainText, speech, rect}), shapedRecord({ellipse, think})}
            << Stats{1, 0, 4, 0, 0}
            << QStringList{QStringLiteral("KelvoViewerSpeechBubble"), simple, simple,
                           QStringLiteral("KelvoViewerThinkBubble")}
            << QString();
        // The later image replaces the earlier one: one image is shown.
        QTest::newRow("two images") << Records{record(TypeImage, {0}), record(TypeImage, {1})}
                                    << Stats{1, 0, 0, 1, 0} << QStringList() << QString();

        KelvoData broken = shapedRecord({rect});
        broken.payload.back() = 0x23; // terminator
        KelvoData truncated = shapedRecord({rect});
        truncated.payload.resize(truncated.payload.size() - 3);
        QTest::newRow("block without terminator, truncated block")
            << Records{broken, truncated} << Stats{1, 0, 0, 0, 0} << QStringList() << QString();
        auto absurd = rect;
        absurd.right = 0x7FFFFFF0;
        auto farAway = speech;
        farAway.peakX = -2000000000;
        QTest::newRow("absurd body and peak")
            << Records{shapedRecord({absurd, ellipse, farAway})} << Stats{1, 0, 1, 0, 0, 2}
            << QStringList{simple} << QString();
        // A small picture does not get a bubble many times its own size, nor too many bubbles.
        const auto huge = simpleShape(KindSimpleRect, {}, {1500, 1500}, QStringLiteral("big"));
        const auto small = simpleShape(KindSimpleRect, {}, {10, 10}, QStringLiteral("s"));
        QTest::newRow("huge body") << Records{shapedRecord({huge, small})}
                                   << Stats{1, 0, 1, 0, 0, 1} << QStringList{simple} << QString();
        const int most = KelvoDecodeLimits::kMaxShapedTexts;
        QTest::newRow("too many shapes")
            << Records{shapedRecord(std::vector<KelvoComicEllipseObj>(most + 5, small))}
            << Stats{1, 0, most, 0, 0, 5} << QStringList(most, simple) << QString();
    }

    // Each record type makes its objects and is counted.
    void objectsAndCounts() {
        QFETCH(Records, records);
        QFETCH(Stats, expected);
        QFETCH(QStringList, shapes);
        QFETCH(QString, balloon);
        writeRegionObjectsSeed(QString::fromLatin1(QTest::currentDataTag()), records, ThreeColours);
        QWidget viewer;
        const Built built = build(&viewer, records, ThreeColours);
        QCOMPARE(built.stats, expected);
        QCOMPARE(built.regions.size(), size_t(1));
        const RegionViewerObjects& objects = built.regions.at(5);
        QStringList made;
        for (KelvoViewerShapedText* shape : objects.shapedTexts) {
            made << shape->shapeClassName();
        }
        QCOMPARE(made, shapes);
        QCOMPARE(objects.textWidget != nullptr, !balloon.isNull());
        if (objects.textWidget) {
            QCOMPARE(objects.textWidget->text(), balloon);
            QCOMPARE(objects.textWidget->isDictionaryWidget(), balloon.contains(Bullet));
        }
        QCOMPARE(!objects.image.isNull(), expected.encodedImages > 0);
    }

    // The image covers the region's fill pixels in raster order and nothing else: the outline and
    // everything outside stay transparent, as do pixels without a byte or with an index outside the
    // colour list; bytes past the fill pixels are ignored.
    void imageFillsExactlyTheRegion() {
        const int fill = fillPixelCount(Area);
        const std::vector<uint32_t> none;
        // bytes (fill pixel i gets i % modulo), colours, fill pixels shown, modulo
        const std::tuple<int, const std::vector<uint32_t>&, int, int> rows[] = {
            {fill, ThreeColours, fill, 3},
            {fill + 40, ThreeColours, fill, 3},
            {fill / 2, ThreeColours, fill / 2, 3},
            {fill, ThreeColours, fill, 5},
            {fill, none, 0, 3},
            {0, ThreeColours, 0, 3}};
        for (const auto& [count, colours, shown, modulo] : rows) {
            QWidget viewer;
            const Built built =
                build(&viewer, {record(TypeImage, cycling(count, modulo))}, colours);
            const RegionViewerObjects& objects = built.regions.at(5);
            QCOMPARE(built.stats.encodedImages, shown == 0 ? 0 : 1); // only images shown count
            QCOMPARE(objects.image.isNull(), shown == 0);
            QImage full(PictureSize, QImage::Format_ARGB32);
            full.fill(Qt::transparent);
            QPainter(&full).drawPixmap(objects.imageOrigin, objects.image);
            int i = 0;
            for (int y = 0; y < PictureSize.height(); ++y) {
                for (int x = 0; x < PictureSize.width(); ++x) {
                    const bool inside = Area.adjusted(1, 1, -1, -1).contains(x, y);
                    QRgb expected = 0;
                    if (inside && i < shown && uint32_t(i % modulo) < colours.size()) {
                        expected = 0xFF000000u | colours[size_t(i % modulo)];
                    }
                    i += inside ? 1 : 0;
                    QCOMPARE(full.pixel(x, y), expected);
                }
            }
        }
    }

    // Three nested regions each span nearly the whole picture, so the third image would take the
    // images past twice the picture's pixels: it is left out and counted as not shown.
    void imagesBeyondTheLimitAreCountedAsNotShown() {
        QWidget viewer;
        std::map<uint32_t, KelvoDataObjs> data;
        std::vector<ViewerTestData::Region> areas;
        for (uint32_t key = 1; key <= 3; ++key) {
            const int inset = 2 * int(key - 1);
            areas.push_back(
                {key, QRect(QPoint(inset, inset), PictureSize - QSize(2 * inset, 2 * inset))});
            data[key].records = {
                record(TypeImage, cycling(PictureSize.width() * PictureSize.height(), 3))};
            data[key].colours = ThreeColours;
        }
        RegionViewerMap regions;
        const Stats stats =
            buildRegionViewerObjects(data, idImage(PictureSize, areas), regions, &viewer);
        QCOMPARE(stats, Stats({3, 0, 0, 2, 0, 1}));
        QVERIFY(!regions.at(1).image.isNull());
        QVERIFY(!regions.at(2).image.isNull());
        QVERIFY(regions.at(3).image.isNull());
    }

    // The menu's initial choices where the list has them, and the picks and toggles reaching the
    // translation settings.
    void dictionaryMenu() {
        QWidget owner;
        QList<TheS_Language> languages;
        for (int i = 0; i < 4; ++i) {
            languages.append({QStringLiteral("t%1").arg(i), QStringLiteral("Language %1").arg(i)});
        }
        for (int count : {0, 2}) {
            const KelvoDictionaryMenu built = makeDictionaryMenu(languages.mid(0, count), &owner);
            QCOMPARE(built.sourceGroup->checkedId(), -1);
            QCOMPARE(built.targetGroup->checkedId(), count > 0 ? 0 : -1);
        }
        KelvoTranslationMenu translation(languages, &owner);
        std::vector<KelvoTranslationSettings> heard;
        connect(&translation, &KelvoTranslationMenu::changed,
                [&](const KelvoTranslationSettings& settings) { heard.push_back(settings); });
        const QList<QAction*> items = translation.menu()->actions();
        const auto groups = translation.menu()->findChildren<QButtonGroup*>();
        QTest::mouseClick(groups[0]->button(1), Qt::LeftButton);
        QTest::mouseClick(groups[1]->button(3), Qt::LeftButton);
        items[3]->trigger();
        items[4]->trigger();
        items[4]->trigger();
        QCOMPARE(heard.size(), size_t(5));
        QCOMPARE(heard.back(), (KelvoTranslationSettings{1, 3, false, true}));
        QVERIFY(heard[3].showAmbiguities);
    }

    // A picture without hidden data: zero counts, the outline image is the picture, the id image
    // and the map stay as they were.
    void pictureWithoutData() {
        QWidget viewer;
        const QImage plain = picture(PictureSize);
        QImage ids = idImage(PictureSize, {{1, Area}});
        const QImage idsBefore = ids;
        QImage outline;
        RegionViewerMap regions;
        regions[1] = RegionViewerObjects();
        QCOMPARE(decodeImage(plain, ids, outline, regions, &viewer), Stats());
        QCOMPARE(outline, plain);
        QCOMPARE(ids, idsBefore);
        QCOMPARE(regions.size(), size_t(1));
        QVERIFY(viewer.children().isEmpty());
    }

private:
    const Dictionary m_dictionary;
};

QTEST_MAIN(KelvoDecodeHandlerTest)
#include "kelvodecodehandler_test.moc"
