// PNG writing and reading of a 12 MP photograph, beside Qt's PNG writer at the quality the exact
// writer used before (70, the first it tried) and Qt's PNG reader, measured in the same run:
// x_qtsave and x_qtread are the case's time divided by Qt's; size_vs_qt the file size divided
// by Qt's. Writing runs on one and on two threads.
#include "benchphoto.h"
#include "kelvopicturereader.h"
#include "kelvopngwriter.h"
#include "kelvoqtimage.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kMegapixels = 12;
constexpr int kQtQuality = 70;

const QImage& photo() {
    static const QImage image = benchPhoto(kMegapixels);
    return image;
}

QByteArray qtSave(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG", kQtQuality);
    return bytes;
}

const QByteArray& qtFile() {
    static const QByteArray bytes = qtSave(photo());
    return bytes;
}

// Seconds of the best of three runs of `body`.
double bestOfThree(const std::function<void()>& body) {
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        const auto start = Clock::now();
        body();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

double qtSaveSeconds() {
    static const double seconds = bestOfThree([] { benchmark::DoNotOptimize(qtSave(photo())); });
    return seconds;
}

double qtReadSeconds() {
    static const double seconds =
        bestOfThree([] { benchmark::DoNotOptimize(QImage::fromData(qtFile(), "PNG")); });
    return seconds;
}

template <class Body> double secondsPerIteration(benchmark::State& state, Body body) {
    const auto start = Clock::now();
    for (auto _ : state) {
        body();
    }
    return std::chrono::duration<double>(Clock::now() - start).count() / double(state.iterations());
}

void BM_QtPngSave(benchmark::State& state) {
    QByteArray bytes;
    const double seconds = secondsPerIteration(state, [&] { bytes = qtSave(photo()); });
    state.counters["x_qtsave"] = seconds / qtSaveSeconds();
    state.counters["bytes"] = double(bytes.size());
}

void BM_PngWrite(benchmark::State& state) {
    const int threads = int(state.range(0));
    const KelvoPixelBuffer pixels = kelvoConstPixelBuffer(photo());
    std::vector<uint8_t> png;
    const double seconds =
        secondsPerIteration(state, [&] { png = kelvoWritePng(pixels, false, {}, threads); });
    state.counters["x_qtsave"] = seconds / qtSaveSeconds();
    state.counters["size_vs_qt"] = double(png.size()) / double(qtFile().size());
    state.counters["bytes"] = double(png.size());
}

void BM_QtPngRead(benchmark::State& state) {
    const double seconds = secondsPerIteration(
        state, [&] { benchmark::DoNotOptimize(QImage::fromData(qtFile(), "PNG")); });
    state.counters["x_qtread"] = seconds / qtReadSeconds();
}

// Reading the file Qt wrote (range 0) and the one the fast writer wrote (range 1).
void BM_PngRead(benchmark::State& state) {
    QByteArray file = qtFile();
    if (state.range(0) == 1) {
        const std::vector<uint8_t> png = kelvoWritePng(kelvoConstPixelBuffer(photo()), false);
        file = QByteArray(reinterpret_cast<const char*>(png.data()), qsizetype(png.size()));
    }
    const double seconds = secondsPerIteration(state, [&] {
        const QImage image = KelvoPictureReader::read(file);
        if (image.isNull()) {
            state.SkipWithError("reading failed");
        }
    });
    state.counters["x_qtread"] = seconds / qtReadSeconds();
}

} // namespace

BENCHMARK(BM_QtPngSave)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_PngWrite)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_QtPngRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PngRead)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
