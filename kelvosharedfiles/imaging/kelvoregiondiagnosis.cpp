#include "kelvoregiondiagnosis.h"

#include "kelvodatapixels.h"
#include "kelvodataprocessor.h"
#include "kelvoidbuffer.h"
#include "kelvoimglsbsencoder.h"
#include "kelvolengthheader.h"
#include "kelvopackinglevels.h"
#include "kelvoqtimage.h"
#include "kelvoregionmask.h"

namespace {

constexpr std::size_t kRecordOverhead = 5; // length and header byte
constexpr std::size_t kClosingBlock = 5;
constexpr std::size_t kColourBytes = 3;

// The region's data pixels as the encoder would place them alone, or -1 when it gets no start
// point.
int64_t dataPixels(const QImage& mask, uint32_t key, int number) {
    QImage maskCopy = mask;
    KelvoIdBuffer placed(mask.width(), mask.height());
    KelvoIdColorStruct entry;
    entry.fillColour = kelvoMaskFillColour(number);
    placed.registerColours(key, {entry});
    placed.buildFromMask(KelvoIdBufferStruct{kelvoPixelBuffer(maskCopy)});
    placed.generateRegions();
    if (placed.regions().count(key) == 0) {
        return -1;
    }
    const KelvoDataPixels pixels(placed);
    return static_cast<int64_t>(pixels.counts().at(static_cast<std::size_t>(pixels.slotOf(key))));
}

std::size_t payloadBytes(const KelvoDataObjs& objs) {
    KelvoDataProcessor processor;
    std::vector<uint8_t> stream;
    processor.serializeRecords(objs.records, stream);
    std::size_t bytes = stream.size();
    if (!objs.colours.empty()) {
        processor.serializeColours(objs.colours, stream);
        bytes += stream.size();
    }
    return bytes;
}

KelvoGeneratorError reason(const QImage& mask, int number, const KelvoDataObjs& objs, uint32_t key,
                           bool clearMarks) {
    const int64_t pixels = dataPixels(mask, key, number);
    if (pixels < 0) {
        return {number, QStringLiteral("no interior that a reader can find (the outline must "
                                       "enclose pixels away from the picture's edge)")};
    }
    const std::size_t bytes = payloadBytes(objs);
    const int64_t room = (pixels - 2 * kHeaderPixels) * kMaxBitsPerPixel / 8;
    if (room < static_cast<int64_t>(bytes)) {
        return {number, QStringLiteral("too small for its data: %1 bytes, room for %2 in its %3 "
                                       "pixels")
                            .arg(bytes)
                            .arg(std::max<int64_t>(room, 0))
                            .arg(pixels)};
    }
    if (!clearMarks) {
        return {number, QStringLiteral("its marks would disturb the regions coded before")};
    }
    return {number, QStringLiteral("its marks cannot be placed")};
}

} // namespace

bool KelvoRegionDiagnosis::streamFits(const KelvoDataObjs& objs) {
    std::size_t raw = kClosingBlock;
    for (const KelvoData& record : objs.records) {
        raw += kRecordOverhead + record.payload.size();
        if (raw > KelvoDataProcessor::kMaxStreamLength) {
            return false;
        }
    }
    return objs.colours.size() <= KelvoDataProcessor::kMaxStreamLength / kColourBytes;
}

KelvoGeneratorError KelvoRegionDiagnosis::explain(const QImage& source,
                                                  const KelvoRegionMap& regions,
                                                  const std::vector<int>& numbers,
                                                  const std::vector<KelvoDataObjs>& data,
                                                  bool clearMarks, uint32_t firstKey) {
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const KelvoRegionMap alone{{numbers[i], regions.at(numbers[i])}};
        QImage mask = kelvoPaintRegionMask(source.size(), alone);
        QImage coded = source;
        KelvoImgLSBsEncoder encoder(kelvoPixelBuffer(coded));
        const uint32_t key = firstKey + static_cast<uint32_t>(i);
        if (!encoder.encode(KelvoIdBufferStruct{kelvoPixelBuffer(mask)}, {data[i]}, clearMarks,
                            key)) {
            return reason(mask, numbers[i], data[i], key, clearMarks);
        }
    }
    return {KelvoGeneratorError::kNoRegion,
            QStringLiteral("the regions' marks disturb each other (regions touch or overlap)")};
}
