#include "kelvoimgprocessor.h"

#include "kelvoidbuffer.h"
#include "kelvoqtimage.h"
#include "kelvoregionmask.h"

namespace {

constexpr uint32_t kSnippetKey = 0;
constexpr uint32_t kRgbMask = 0x00FFFFFF;

// Id image of the snippet's mask, and the palette index of its interior (-1 for none).
int interiorIndex(const QImage& mask, QRgb fill, KelvoIndexedImage& ids) {
    QImage maskCopy = mask;
    KelvoIdBuffer buffer(mask.width(), mask.height());
    KelvoIdColorStruct entry;
    entry.fillColour = fill;
    buffer.registerColours(kSnippetKey, {entry});
    buffer.buildFromMask(KelvoIdBufferStruct{kelvoPixelBuffer(maskCopy)});
    buffer.generateRegions();
    const auto& entries = buffer.colourEntries();
    const auto found = entries.find(kSnippetKey);
    const int index = found == entries.end() ? -1 : found->second.front().fillIndex;
    ids = buffer.takeIdImage();
    return index;
}

} // namespace

KelvoImageObjs KelvoImgProcessor::prepare(const KelvoImageSnippet& snippet, int number) {
    KelvoImageObjs objs;
    objs.snippet = snippet.image;
    objs.colour = kelvoMaskFillColour(number);
    if (snippet.image.isNull()) {
        return objs;
    }
    QImage mask(snippet.image.size(), QImage::Format_RGB32);
    mask.fill(Qt::white);
    kelvoPaintRegion(mask, {snippet.polygon}, number);
    KelvoIndexedImage ids;
    const int index = interiorIndex(mask, objs.colour, ids);
    if (index < 0) {
        return objs;
    }
    const auto selected = [&](int x, int y) { return ids.at(x, y) == index; };

    QImage source = snippet.image;
    if (source.depth() > 8) {
        source.convertTo(QImage::Format_RGB32);
        for (int y = 0; y < source.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(source.scanLine(y));
            for (int x = 0; x < source.width(); ++x) {
                if (!selected(x, y)) {
                    line[x] = qRgb(255, 255, 255);
                }
            }
        }
    }
    const QImage indexed = source.convertToFormat(QImage::Format_Indexed8);
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar* line = indexed.constScanLine(y);
        for (int x = 0; x < indexed.width(); ++x) {
            if (selected(x, y)) {
                objs.pixelIndices.push_back(line[x]);
            }
        }
    }
    if (objs.pixelIndices.empty()) {
        return objs;
    }
    for (const QRgb colour : indexed.colorTable()) {
        objs.colourTable.push_back(colour & kRgbMask);
    }
    return objs;
}
