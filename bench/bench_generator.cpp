// Generation (mask painting and encoding) and exact PNG writing of 1, 4 and 12 megapixel
// pictures with 16 regions. Every case reports x_pngsave: its time per iteration divided by
// the time of a plain QImage PNG save of the same picture into memory, measured in the same
// run. Pictures look like photographs: smooth colours with noise in their three low bits.
// The rooms case times the figures the editor shows after each change, for the same regions.
// The editor's case runs its generation path without dialogs: the encoder window's region map
// with text holders, turned into the generator's regions, coded and written exactly.
#include "benchapplication.h"
#include "benchphoto.h"
#include "kelvocodedimagebuilder.h"
#include "kelvogenerator.h"
#include "kelvoimagewriter.h"
#include "kelvoregionrooms.h"
#include "kelvotextholderwidget.h"
#include "kelvotextpictures.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <map>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kGrid = 4; // 4 x 4 regions

// Regions covering a quarter of their grid cell, each with a text.
KelvoRegionMap regions(const QSize& size) {
    KelvoRegionMap map;
    const int cellWidth = size.width() / kGrid;
    const int cellHeight = size.height() / kGrid;
    for (int row = 0; row < kGrid; ++row) {
        for (int column = 0; column < kGrid; ++column) {
            const QRect box(column * cellWidth + cellWidth / 4, row * cellHeight + cellHeight / 4,
                            cellWidth / 2, cellHeight / 2);
            KelvoGeneratorRegion& region = map[row * kGrid + column + 1];
            region.polygons = {QPolygon(box, true)};
            region.texts = {QStringLiteral("Region %1 of a benchmark picture. ")
                                .arg(row * kGrid + column)
                                .repeated(8)};
        }
    }
    return map;
}

QByteArray savePng(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Seconds of a plain PNG save of `image`: the best of three runs, measured once per size.
double pngSaveSeconds(int megapixels, const QImage& image) {
    static std::map<int, double> measured;
    if (const auto it = measured.find(megapixels); it != measured.end()) {
        return it->second;
    }
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(savePng(image));
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return measured[megapixels] = best;
}

template <class Body>
void timeAgainstPngSave(benchmark::State& state, int megapixels, const QImage& image, Body body) {
    const double baseline = pngSaveSeconds(megapixels, image);
    const auto start = Clock::now();
    for (auto _ : state) {
        body();
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    state.counters["x_pngsave"] = seconds / double(state.iterations()) / baseline;
}

void BM_Generate(benchmark::State& state) {
    const int megapixels = int(state.range(0));
    const QImage source = benchPhoto(megapixels);
    const KelvoRegionMap map = regions(source.size());
    timeAgainstPngSave(state, megapixels, source, [&] {
        QImage output;
        if (!KelvoGenerator::generate(source, output, map, true, 0)) {
            state.SkipWithError("generation failed");
        }
        benchmark::DoNotOptimize(output.constBits());
    });
}

// What the editor works out after each change: every region's data size, room and level.
void BM_RegionRooms(benchmark::State& state) {
    const int megapixels = int(state.range(0));
    const QImage source = benchPhoto(megapixels);
    const KelvoRegionMap map = regions(source.size());
    timeAgainstPngSave(state, megapixels, source, [&] {
        if (kelvoRegionRooms(source.size(), map, 0).size() != map.size()) {
            state.SkipWithError("rooms missing");
        }
    });
}

void BM_WriteImageExact(benchmark::State& state) {
    const int megapixels = int(state.range(0));
    const QImage source = benchPhoto(megapixels);
    QImage coded;
    KelvoGenerator::generate(source, coded, regions(source.size()), true, 0);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("coded.png"));
    timeAgainstPngSave(state, megapixels, coded, [&] {
        if (!writeImageExact(path, coded, "PNG")) {
            state.SkipWithError("writing failed");
        }
    });
}

void BM_EditorGenerateAndSave(benchmark::State& state) {
    benchApplication();
    const int megapixels = int(state.range(0));
    const QImage source = benchPhoto(megapixels);
    QWidget window; // owns the text holders, as the encoder window does
    TheS_RegionMap editorRegions;
    for (const auto& [number, region] : regions(source.size())) {
        TheS_Data& data = editorRegions[number];
        data.outlines = region.polygons;
        data.texts = {new KelvoTextHolderWidget(&window, QStringLiteral("TextHolder"),
                                                region.texts.front(),
                                                KelvoTextPictures::textHolderIcon(), false)};
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("coded.png"));
    timeAgainstPngSave(state, megapixels, source, [&] {
        QImage output;
        if (!KelvoCodedImageBuilder::generate(source, editorRegions, {}, true, 0, output) ||
            !writeImageExact(path, output, "PNG")) {
            state.SkipWithError("generating or saving failed");
        }
    });
}

} // namespace

BENCHMARK(BM_EditorGenerateAndSave)->Arg(12)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Generate)->Arg(1)->Arg(4)->Arg(12)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RegionRooms)->Arg(1)->Arg(12)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteImageExact)
    ->Arg(1)
    ->Arg(4)
    ->Arg(12)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
