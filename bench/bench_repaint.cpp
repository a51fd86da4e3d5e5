// One full repaint of a picture window showing a 12 megapixel picture, at fit to window, at
// 100% and at 200%, and a zoom change with its repaint (which shrinks the picture anew). Every
// case reports x_drawimage: its time per iteration divided by the time of a plain
// QPainter::drawImage of the whole picture into an image of its size, measured in the same run.
#include "benchapplication.h"
#include "benchphoto.h"
#include "kelvoimgwidget.h"

#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;
// A workspace window on a large screen.
const QSize kWindow(1600, 1000);

enum Case { Fit, Actual, Double, ZoomChange };

// Seconds of drawing the whole picture with QPainter: the best of three runs, measured once.
double drawImageSeconds(const QImage& picture) {
    static double measured = 0;
    if (measured > 0) {
        return measured;
    }
    QImage target(picture.size(), QImage::Format_RGB32);
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        const auto start = Clock::now();
        QPainter(&target).drawImage(0, 0, picture);
        benchmark::DoNotOptimize(target.constBits());
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return measured = best;
}

void BM_RepaintPicture(benchmark::State& state) {
    benchApplication();
    const QImage picture = benchPhoto(12);
    const double baseline = drawImageSeconds(picture);
    KelvoImgWidget window;
    window.resize(kWindow);
    window.setImage(picture);
    const auto zoomCase = Case(state.range(0));
    if (zoomCase == Fit || zoomCase == ZoomChange) {
        window.fitToWindow();
    } else {
        window.setZoom(zoomCase == Actual ? 1.0 : 2.0);
    }
    const double fit = window.zoom();
    QImage target(kWindow, QImage::Format_RGB32);
    window.render(&target); // the first repaint shrinks the picture at fit
    bool toggle = false;
    const auto start = Clock::now();
    for (auto _ : state) {
        if (zoomCase == ZoomChange) {
            toggle = !toggle;
            window.setZoom(toggle ? fit * 0.9 : fit);
        }
        window.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    state.counters["x_drawimage"] = seconds / double(state.iterations()) / baseline;
}

} // namespace

BENCHMARK(BM_RepaintPicture)
    ->ArgName("fit0_actual1_double2_zoomchange3")
    ->Arg(Fit)
    ->Arg(Actual)
    ->Arg(Double)
    ->Arg(ZoomChange)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
