// How much each packing level changes a picture: codes one region of each shipped picture at
// every level, its data pixels filled to nine tenths with bytes that compression cannot
// shorten, and prints per level the largest change of one colour channel, the mean change of
// a channel and the signal-to-noise ratio over the region, as a Markdown table.
//
//     kelvo_levels data/samples/village.png data/samples/comic.png ...
#include "kelvogenerator.h"
#include "kelvoimglsbsencoder.h"
#include "kelvopackinglevels.h"
#include "kelvoqtimage.h"
#include "kelvoregioncapacity.h"
#include "kelvoregionmask.h"

#include <QImage>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

struct Change {
    int largest = 0;
    double sum = 0;
    double squares = 0;
    uint64_t samples = 0;
};

// The region: a square of side 80 in the picture's middle with `bytes` bytes of noise.
KelvoRegionMap region(const QImage& picture, std::size_t bytes) {
    const int side = std::min({80, picture.width() - 4, picture.height() - 4});
    KelvoRegionMap map;
    KelvoGeneratorRegion& square = map[1];
    square.polygons = {QPolygon(
        QRect(picture.width() / 2 - side / 2, picture.height() / 2 - side / 2, side, side), true)};
    KelvoData record;
    record.type = 3;
    QRandomGenerator random{quint32(bytes)};
    for (std::size_t i = 0; i < bytes; ++i) {
        record.payload.push_back(uint8_t(random.bounded(256)));
    }
    square.records = {record};
    return map;
}

// Codes `picture` at `level` and adds its changes to `change`; false when it cannot.
bool measure(QImage picture, int level, Change& change) {
    picture.convertTo(QImage::Format_RGB32);
    KelvoGeneratorPlan plan;
    if (!KelvoGenerator::prepare(picture.size(), region(picture, 1), 0, plan)) {
        return false;
    }
    const uint64_t pixels = kelvoPlanCapacity(plan.encoding).front().pixels;
    const std::size_t bytes =
        std::size_t(double(pixels - 8) * kelvoPackingLevel(level)->bits / 8 * 0.9);
    const KelvoRegionMap regions = region(picture, bytes);
    QImage mask = kelvoPaintRegionMask(picture.size(), regions);
    std::vector<KelvoDataObjs> data{KelvoGenerator::buildRecords(1, regions.at(1))};
    data.front().packingLevel = level;
    KelvoEncodePlan coding;
    if (!coding.make(KelvoIdBufferStruct{kelvoPixelBuffer(mask)}, data, 0)) {
        return false;
    }
    QImage coded = picture.copy();
    KelvoImgLSBsEncoder encoder(kelvoPixelBuffer(coded));
    if (!encoder.encode(coding, true)) {
        return false;
    }
    // Start points and their neighbours carry the region's signature, not its data.
    const int width = picture.width();
    std::vector<bool> signature(std::size_t(width) * std::size_t(picture.height()));
    for (const KelvoIdSubRegion& start : coding.placed().regions().at(0).subRegions) {
        for (const QPoint& p :
             {QPoint(0, 0), QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            signature[std::size_t((start.y + p.y()) * width + start.x + p.x())] = true;
        }
    }
    const QRgb inside = kelvoMaskFillColour(1);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (mask.pixel(x, y) != inside || signature[std::size_t(y * width + x)]) {
                continue;
            }
            const QRgb before = picture.pixel(x, y);
            const QRgb after = coded.pixel(x, y);
            // Blue bit 0 carries the marks, not the data.
            for (const int shift : {16, 8, 0}) {
                const int mask0 = shift == 0 ? 0xfe : 0xff;
                const int d =
                    std::abs(int((before >> shift) & mask0) - int((after >> shift) & mask0));
                change.largest = std::max(change.largest, d);
                change.sum += d;
                change.squares += double(d) * d;
                ++change.samples;
            }
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<QImage> pictures;
    for (int i = 1; i < argc; ++i) {
        pictures.emplace_back(QString::fromLocal8Bit(argv[i]));
        if (pictures.back().isNull()) {
            std::fprintf(stderr, "%s: cannot read picture\n", argv[i]);
            return 2;
        }
    }
    std::printf("| level | bits | largest change | mean change | PSNR (dB) |\n");
    std::printf("|---|---|---|---|---|\n");
    for (int level = kMinPackingLevel; level <= kMaxPackingLevel; ++level) {
        Change change;
        for (const QImage& picture : pictures) {
            if (!measure(picture, level, change)) {
                std::fprintf(stderr, "level %d: the picture cannot be coded\n", level);
                return 2;
            }
        }
        const double mean = change.sum / double(change.samples);
        const double squares = change.squares / double(change.samples);
        std::printf("| %d | %d | %d | %.1f | %.1f |\n", level, kelvoPackingLevel(level)->bits,
                    change.largest, mean, 10 * std::log10(255.0 * 255.0 / squares));
    }
    return 0;
}
