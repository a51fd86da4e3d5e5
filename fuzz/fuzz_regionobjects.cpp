// The viewer objects of one region's records, from arbitrary bytes:
//
//   u8 n | n colours of 3 bytes (red, green, blue) | an uninflated record stream
//
// (record stream layout in kelvodataprocessor.h). The records belong to region 1 of a 64 x 48
// id image that also holds region 2. Whatever the records say, the objects must stay inside
// the picture and the counts must agree with what was built.
#include "fuzzcheck.h"
#include "kelvodataprocessor.h"
#include "kelvodecodehandler.h"
#include "kelvoviewershapedtext.h"
#include "viewertestdata.h"

#include <QApplication>
#include <QImage>
#include <QWidget>

#include <memory>

namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 48;

void ensureApplication() {
    static int argc = 1;
    static char name[] = "fuzz_regionobjects";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    (void)app;
}

} // namespace

// Font look-ups keep their caches for the life of the process; the leak checker is told so.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ensureApplication();
    if (size < 1) {
        return 0;
    }
    const size_t colourBytes = std::min<size_t>(size_t(data[0]) * 3, size - 1);
    std::map<uint32_t, KelvoDataObjs> regions;
    KelvoDataObjs& region = regions[1];
    for (size_t i = 0; i + 2 < colourBytes; i += 3) {
        region.colours.push_back(uint32_t(data[1 + i]) << 16 | uint32_t(data[2 + i]) << 8 |
                                 data[3 + i]);
    }
    KelvoDataProcessor processor;
    KelvoPropsStruct closing;
    processor.setRaw(data + 1 + colourBytes, size - 1 - colourBytes);
    processor.parseRecords(region.records, closing, false);

    // Region 1 fills most of the picture, region 2 a corner; outlines on their edges.
    const QImage ids = ViewerTestData::idImage(
        QSize(kWidth, kHeight), {{1, QRect(2, 2, 44, 40)}, {2, QRect(50, 30, 12, 12)}});
    auto viewer = std::make_unique<QWidget>();
    viewer->resize(kWidth, kHeight);
    RegionViewerMap objects;
    const DecodeStatistics stats = buildRegionViewerObjects(regions, ids, objects, viewer.get());

    const RegionViewerObjects& built = objects.at(1);
    check(stats.annotatedAreas == 1 && objects.size() == 1 &&
          int(built.shapedTexts.size()) <= stats.formattedTexts &&
          (!built.textWidget || stats.unformattedTexts + stats.translatableTexts > 0));
    check(built.image.isNull() ||
          ids.rect().contains(QRect(built.imageOrigin, built.image.size())));
    for (const KelvoViewerShapedText* shape : built.shapedTexts) {
        check(shape->width() <= KelvoViewerShapedText::kMaxCoordinate * 2 + 2 &&
              shape->height() <= KelvoViewerShapedText::kMaxCoordinate * 2 + 2);
    }
    return 0;
}
