#include "kelvogenerator.h"

#include "kelvoerasemarks.h"
#include "kelvoimglsbsdecoder.h"
#include "kelvoimglsbsencoder.h"
#include "kelvoimgprocessor.h"
#include "kelvoqtimage.h"
#include "kelvoreadablepixels.h"
#include "kelvoregiondiagnosis.h"
#include "kelvoregionmask.h"
#include "kelvostartpoint.h"

namespace {

constexpr int kMinCodableDepth = 24;

bool fail(KelvoGeneratorError* error, KelvoGeneratorError reason) {
    if (error) {
        *error = std::move(reason);
    }
    return false;
}

std::vector<uint8_t> latin1(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

QString dictReference(const KelvoDictEntryRef& entry) {
    QString reference;
    if (entry.id >= 0) {
        reference = QStringLiteral("<_ID %1>").arg(entry.id);
    }
    return reference + QStringLiteral("<%1>%2").arg(entry.word, entry.term);
}

bool codable(const QImage& source, KelvoGeneratorError* error) {
    if (source.isNull() || source.depth() < kMinCodableDepth) {
        return fail(error, {KelvoGeneratorError::kNoRegion,
                            QStringLiteral("the picture has fewer than 24 bits per pixel")});
    }
    return true;
}

void reportProgress(void* context) {
    (*static_cast<const KelvoGenerator::Progress*>(context))();
}

} // namespace

bool KelvoGenerator::isCoded(const QImage& image) {
    const KelvoReadablePixels pixels(image);
    return KelvoImgLSBsDecoder(pixels.buffer()).isCoded();
}

bool KelvoGenerator::eraseAll(QImage& image) {
    return kelvoEraseMarks(kelvoPixelBuffer(image));
}

bool KelvoGenerator::eraseRegion(QImage& image, const KelvoIndexedImage& idImage, int idIndex) {
    return kelvoEraseRegionMarks(kelvoPixelBuffer(image), idImage, idIndex);
}

KelvoDataObjs KelvoGenerator::buildRecords(int number, const KelvoGeneratorRegion& region) {
    KelvoDataObjs objs;
    const auto add = [&](uint32_t type, std::vector<uint8_t> payload) {
        KelvoData record;
        record.red = number;
        record.green = 255;
        record.blue = 0;
        record.type = type;
        record.payload = std::move(payload);
        objs.records.push_back(std::move(record));
    };
    for (const QString& text : region.texts) {
        add(TypeText, latin1(text));
    }
    for (const KelvoImageSnippet& snippet : region.images) {
        KelvoImageObjs prepared = KelvoImgProcessor::prepare(snippet, number);
        if (!prepared.pixelIndices.empty() && !prepared.colourTable.empty()) {
            add(TypeImage, std::move(prepared.pixelIndices));
            objs.colours = std::move(prepared.colourTable);
        }
    }
    for (const std::vector<uint8_t>& block : region.shapedTexts) {
        add(TypeShapedText, block);
    }
    for (const KelvoData& raw : region.records) {
        add(raw.type, raw.payload);
    }
    if (!region.colours.empty()) {
        objs.colours = region.colours;
    }
    if (region.dictEntry && !region.dictEntry->word.isEmpty()) {
        add(TypeDictEntry, latin1(dictReference(*region.dictEntry)));
    }
    return objs;
}

bool KelvoGenerator::generate(QImage source, QImage& output, const KelvoRegionMap& regions,
                              bool clearMarks, uint32_t firstKey, const Progress& progress,
                              KelvoGeneratorError* error) {
    KelvoGeneratorPlan plan;
    return codable(source, error) &&
           prepare(source.size(), regions, firstKey, plan, progress, error) &&
           generate(std::move(source), output, plan, clearMarks, progress, error);
}

bool KelvoGenerator::prepare(const QSize& size, const KelvoRegionMap& regions, uint32_t firstKey,
                             KelvoGeneratorPlan& plan, const Progress& progress,
                             KelvoGeneratorError* error) {
    plan = KelvoGeneratorPlan();
    plan.size = size;
    plan.regions = regions;
    plan.firstKey = firstKey;
    for (const auto& [number, region] : regions) {
        if (number < 0 || number > kMaxRegionNumber) {
            return fail(
                error,
                {number, QStringLiteral("region numbers run from 0 to %1").arg(kMaxRegionNumber)});
        }
        KelvoDataObjs objs = buildRecords(number, region);
        if (objs.records.empty()) {
            continue;
        }
        if (!KelvoRegionDiagnosis::streamFits(objs)) {
            return fail(error, {number, QStringLiteral("more data than a region can carry")});
        }
        plan.data.push_back(std::move(objs));
        plan.numbers.push_back(number);
    }
    if (firstKey >= kMaxRegionKeys || plan.data.size() > kMaxRegionKeys - firstKey) {
        return fail(error, {KelvoGeneratorError::kNoRegion,
                            QStringLiteral("%1 regions with data from key %2 exceed the %3 keys "
                                           "a picture can tell apart")
                                .arg(plan.data.size())
                                .arg(firstKey)
                                .arg(kMaxRegionKeys)});
    }
    plan.mask = kelvoPaintRegionMask(size, regions);
    plan.encoding.make(KelvoIdBufferStruct{kelvoPixelBuffer(plan.mask)}, plan.data, firstKey,
                       progress ? reportProgress : nullptr, const_cast<Progress*>(&progress));
    return true;
}

bool KelvoGenerator::generate(QImage source, QImage& output, const KelvoGeneratorPlan& plan,
                              bool clearMarks, const Progress& progress,
                              KelvoGeneratorError* error) {
    if (!codable(source, error)) {
        return false;
    }
    if (source.size() != plan.size) {
        return fail(error, {KelvoGeneratorError::kNoRegion,
                            QStringLiteral("the regions were prepared for another picture size")});
    }
    // The coded picture is written beside the source, which stays as it was for the diagnosis
    // of a refusal.
    KelvoImgLSBsEncoder encoder(kelvoPixelBuffer(source), progress ? reportProgress : nullptr,
                                const_cast<Progress*>(&progress));
    QImage coded = kelvoBlankLike(source);
    if (coded.isNull()) {
        return fail(error, {KelvoGeneratorError::kNoRegion, QStringLiteral("out of memory")});
    }
    if (!plan.encoding.ready() ||
        !encoder.encode(plan.encoding, clearMarks, kelvoPixelBuffer(coded))) {
        return fail(error, KelvoRegionDiagnosis::explain(source, plan.regions, plan.numbers,
                                                         plan.data, clearMarks, plan.firstKey));
    }
    output = std::move(coded);
    return true;
}
