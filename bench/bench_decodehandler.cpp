// Decoding for a viewer, on a 12 MP picture with 64 regions: decodeImage (codec decode, id
// image and outline image, balloons, bubbles and image annotations) beside the codec's decode
// alone as the baseline. And a pointer move over the viewer of that picture beside a move over
// a small picture: a move costs the same whatever the picture and the number of regions.
#include "benchapplication.h"
#include "kelvocomicellipseshape.h"
#include "kelvodecodehandler.h"
#include "kelvogenerator.h"
#include "kelvoimglsbsdecoder.h"
#include "kelvoqtimage.h"
#include "kelvoviewerwidget.h"

#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kColumns = 8;
constexpr int kRows = 8; // 64 regions
constexpr QSize kLarge(4000, 3000);
constexpr QSize kSmall(320, 240);

QRect cell(QSize size, int column, int row) {
    const int w = size.width() / kColumns;
    const int h = size.height() / kRows;
    return QRect(column * w + w / 8, row * h + h / 8, w * 3 / 4, h * 3 / 4);
}

std::vector<uint8_t> bubble(int n) {
    KelvoComicEllipseShape shape;
    auto object = std::make_unique<KelvoComicEllipseObj>();
    object->kind = KindSpeechBubble;
    object->x = 10 * n;
    object->y = 10;
    object->right = 159;
    object->bottom = 59;
    object->peakX = 60;
    object->peakY = 90;
    object->angle1 = 280;
    object->angle2 = 255;
    object->backgroundFilled = true;
    object->backgroundColour = {255, 255, 255};
    object->text = u"A speech bubble";
    shape.comicObjects.push_back(std::move(object));
    shape.serialize();
    return shape.bytes;
}

// A picture with 64 rectangular regions in a grid, each with a text; every fourth also with a
// speech bubble, every eighth also with an image snippet as large as its region.
QImage codedPicture(QSize size) {
    QImage source(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(source.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            line[x] = qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF);
        }
    }
    KelvoRegionMap regions;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const int n = row * kColumns + column;
            const QRect area = cell(size, column, row);
            KelvoGeneratorRegion& region = regions[n + 1];
            region.polygons = {QPolygon(area)};
            region.texts = {QStringLiteral("Region %1 of the benchmark picture").arg(n)};
            if (n % 4 == 0) {
                region.shapedTexts = {bubble(n)};
            }
            if (n % 8 == 0) {
                QImage snippet(area.size(), QImage::Format_RGB32);
                snippet.fill(qRgb(n * 4, 128, 255 - n * 4));
                QPainter(&snippet).fillRect(0, 0, area.width() / 2, area.height(), Qt::white);
                region.images = {{snippet, QPolygon(QRect(QPoint(), area.size()))}};
            }
        }
    }
    QImage coded;
    KelvoGenerator::generate(source, coded, regions, true, 0);
    return coded;
}

const QImage& picture(QSize size) {
    static std::map<int, QImage> pictures;
    QImage& coded = pictures[size.width()];
    if (coded.isNull()) {
        coded = codedPicture(size);
    }
    return coded;
}

void BM_CodecDecode(benchmark::State& state) {
    QImage coded = picture(kLarge);
    if (coded.isNull()) {
        state.SkipWithError("the picture could not be coded");
        return;
    }
    for (auto _ : state) {
        KelvoIndexedImage ids;
        std::map<uint32_t, KelvoDataObjs> data;
        KelvoArgbImage marks;
        KelvoImgLSBsDecoder decoder(kelvoPixelBuffer(coded));
        decoder.decode(ids, data, marks);
        benchmark::DoNotOptimize(data);
    }
}
BENCHMARK(BM_CodecDecode)->Unit(benchmark::kMillisecond);

void BM_DecodeImage(benchmark::State& state) {
    benchApplication();
    const QImage& coded = picture(kLarge);
    if (coded.isNull()) {
        state.SkipWithError("the picture could not be coded");
        return;
    }
    for (auto _ : state) {
        auto viewer = std::make_unique<QWidget>();
        QImage ids;
        QImage outline;
        RegionViewerMap regions;
        const DecodeStatistics stats = decodeImage(coded, ids, outline, regions, viewer.get());
        if (stats.annotatedAreas != kColumns * kRows) {
            state.SkipWithError("not every region was decoded");
        }
        state.PauseTiming();
        viewer.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DecodeImage)->Unit(benchmark::kMillisecond);

// A host that moves the pointer back and forth between two regions with texts and one with
// a bubble, as fast as the viewer handles the moves.
class HoverHost : public KelvoViewerWidget {
public:
    explicit HoverHost(const QImage& coded) {
        setImage(coded);
        resize(coded.size());
        decodePicture();
    }
    void moveTo(QPoint p) {
        m_pointerPos = p;
        m_lookupPos = p;
        updateHover();
    }
};

void BM_PointerMove(benchmark::State& state) {
    benchApplication();
    const QSize size = state.range(0) ? kLarge : kSmall;
    const QImage& coded = picture(size);
    HoverHost viewer(coded);
    const QPoint stops[] = {cell(size, 1, 1).center(), cell(size, 1, 1).center() + QPoint(3, 2),
                            cell(size, 2, 1).center(), cell(size, 4, 4).center(), QPoint(1, 1)};
    size_t i = 0;
    for (auto _ : state) {
        viewer.moveTo(stops[i++ % std::size(stops)]);
    }
    state.SetLabel(state.range(0) ? "12 MP, 64 regions" : "baseline: 320 x 240, 64 regions");
}
BENCHMARK(BM_PointerMove)->Arg(0)->Arg(1);

} // namespace
