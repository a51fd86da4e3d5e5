// PNG writing and reading of a 12 MP photograph, beside Qt's PNG writer at the quality the exact
// writer used before (70, the first it tried) and Qt's PNG reader on the same file, measured in
// the same run (best of three): x_qtsave and x_qtread are the case's wall time divided by Qt's,
// x_qtsave_cpu and x_qtread_cpu the same for process CPU time (all threads); size_vs_qt the file
// size divided by Qt's. Writing runs on one and on two threads.
#include "benchphoto.h"
#include "kelvopicturereader.h"
#include "kelvopngwriter.h"
#include "kelvoqtimage.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <functional>
#include <string>

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

const QByteArray& fastFile() {
    static const QByteArray bytes = [] {
        const std::vector<uint8_t> png = kelvoWritePng(kelvoConstPixelBuffer(photo()), false);
        return QByteArray(reinterpret_cast<const char*>(png.data()), qsizetype(png.size()));
    }();
    return bytes;
}

// The file Qt wrote (0) or the one the fast writer wrote (1).
const QByteArray& file(int64_t which) {
    return which == 0 ? qtFile() : fastFile();
}

// Wall and process CPU seconds (all threads). Both are reported because the machines these
// run on are shared: CPU time holds still when other work slows the wall clock.
struct Seconds {
    double wall = 0;
    double cpu = 0;
};

double processCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// The best of three runs of `body`.
Seconds bestOfThree(const std::function<void()>& body) {
    Seconds best{1e9, 1e9};
    for (int run = 0; run < 3; ++run) {
        const auto start = Clock::now();
        const double cpuStart = processCpuSeconds();
        body();
        best.cpu = std::min(best.cpu, processCpuSeconds() - cpuStart);
        best.wall =
            std::min(best.wall, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

Seconds qtSaveSeconds() {
    static const Seconds seconds = bestOfThree([] { benchmark::DoNotOptimize(qtSave(photo())); });
    return seconds;
}

Seconds qtReadSeconds(int64_t which) {
    static Seconds seconds[2];
    if (seconds[which].wall == 0) {
        seconds[which] = bestOfThree(
            [which] { benchmark::DoNotOptimize(QImage::fromData(file(which), "PNG")); });
    }
    return seconds[which];
}

// Runs the case and sets `name` and `name`_cpu: its wall and CPU time per iteration divided by
// the baseline's.
template <class Body>
void timeAgainst(benchmark::State& state, const char* name, Seconds baseline, Body body) {
    const auto start = Clock::now();
    const double cpuStart = processCpuSeconds();
    for (auto _ : state) {
        body();
    }
    const double iterations = double(state.iterations());
    const double wall = std::chrono::duration<double>(Clock::now() - start).count() / iterations;
    const double cpu = (processCpuSeconds() - cpuStart) / iterations;
    state.counters[name] = wall / baseline.wall;
    state.counters[std::string(name) + "_cpu"] = cpu / baseline.cpu;
}

void BM_QtPngSave(benchmark::State& state) {
    QByteArray bytes;
    timeAgainst(state, "x_qtsave", qtSaveSeconds(), [&] { bytes = qtSave(photo()); });
    state.counters["bytes"] = double(bytes.size());
}

void BM_PngWrite(benchmark::State& state) {
    const int threads = int(state.range(0));
    const KelvoPixelBuffer pixels = kelvoConstPixelBuffer(photo());
    std::vector<uint8_t> png;
    timeAgainst(state, "x_qtsave", qtSaveSeconds(),
                [&] { png = kelvoWritePng(pixels, false, {}, threads); });
    state.counters["size_vs_qt"] = double(png.size()) / double(qtFile().size());
    state.counters["bytes"] = double(png.size());
}

// Reading the file Qt wrote (range 0) or the one the fast writer wrote (range 1), each beside
// Qt's reader on the same file.
void BM_QtPngRead(benchmark::State& state) {
    const int64_t which = state.range(0);
    timeAgainst(state, "x_qtread", qtReadSeconds(which),
                [&] { benchmark::DoNotOptimize(QImage::fromData(file(which), "PNG")); });
}

void BM_PngRead(benchmark::State& state) {
    const int64_t which = state.range(0);
    timeAgainst(state, "x_qtread", qtReadSeconds(which), [&] {
        if (KelvoPictureReader::read(file(which)).isNull()) {
            state.SkipWithError("reading failed");
        }
    });
}

} // namespace

BENCHMARK(BM_QtPngSave)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_PngWrite)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_QtPngRead)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PngRead)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
