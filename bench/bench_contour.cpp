// The automatic outline search (findContour) on a 12 megapixel picture with one object: a
// disc in the middle, and a small one near the bottom, for which the start search reads almost
// the whole picture. Every case reports x_memcpy: its time per iteration divided by the time of
// a memcpy of the same picture, measured in the same run.
#include "benchmemcpy.h"
#include "benchpicturesize.h"
#include "kelvocontour.h"

#include <QPainter>

namespace {

QImage pictureWithDisc(const QRect& disc) {
    const PictureSize size = sizeOf(12);
    QImage image(size.width, size.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(180, 40, 30));
    painter.drawEllipse(disc);
    return image;
}

void BM_FindContour(benchmark::State& state) {
    const PictureSize size = sizeOf(12);
    const QRect disc = state.range(0) == 0
                           ? QRect(size.width / 4, size.height / 4, size.width / 2, size.height / 2)
                           : QRect(size.width / 2, size.height - 120, 100, 100);
    const QImage picture = pictureWithDisc(disc);
    QPolygon outline;
    bool found = true;
    timeAgainstMemcpy(state, picture.constBits(), std::size_t(picture.sizeInBytes()),
                      [&] { found = found && findContour(picture, outline, qRgb(255, 255, 255)); });
    if (!found) {
        state.SkipWithError("no outline found");
    }
    state.counters["points"] = double(outline.size());
}

} // namespace

BENCHMARK(BM_FindContour)
    ->ArgName("smallDiscAtBottom")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
