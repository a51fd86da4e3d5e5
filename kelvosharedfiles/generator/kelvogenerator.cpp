#include "kelvogenerator.h"

#include "kelvoimglsbsencoder.h"
#include "kelvoimgprocessor.h"
#include "kelvoqtimage.h"
#include "kelvoregionmask.h"

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

// The encoder's reason, with the region named by its number.
bool fail(KelvoGeneratorError* error, const KelvoEncodeResult& result,
          const std::vector<int>& numbers) {
    const bool named = result.region >= 0 && std::size_t(result.region) < numbers.size();
    return fail(error,
                {named ? numbers[std::size_t(result.region)] : KelvoGeneratorError::kNoRegion,
                 QString::fromStdString(kelvoEncodeReason(result))});
}

bool codable(const QImage& source, KelvoGeneratorError* error) {
    if (source.isNull() || source.depth() < kMinCodableDepth) {
        return fail(error, KelvoEncodeResult::failed(KelvoEncodeFailure::NotCodable), {});
    }
    return true;
}

void reportProgress(void* context) {
    (*static_cast<const KelvoGenerator::Progress*>(context))();
}

} // namespace

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
        plan.data.push_back(std::move(objs));
        plan.numbers.push_back(number);
    }
    plan.mask = kelvoPaintRegionMask(size, regions);
    const KelvoEncodeResult made =
        plan.encoding.make(KelvoIdBufferStruct{kelvoPixelBuffer(plan.mask)}, plan.data, firstKey,
                           progress ? reportProgress : nullptr, const_cast<Progress*>(&progress));
    return made || fail(error, made, plan.numbers);
}

bool KelvoGenerator::generate(QImage source, QImage& output, const KelvoGeneratorPlan& plan,
                              bool clearMarks, const Progress& progress,
                              KelvoGeneratorError* error) {
    if (!codable(source, error)) {
        return false;
    }
    if (source.size() != plan.size) {
        return fail(error, KelvoEncodeResult::failed(KelvoEncodeFailure::MaskMismatch), {});
    }
    KelvoImgLSBsEncoder encoder(kelvoPixelBuffer(source), progress ? reportProgress : nullptr,
                                const_cast<Progress*>(&progress));
    QImage coded = kelvoBlankLike(source);
    if (coded.isNull()) {
        return fail(error, {KelvoGeneratorError::kNoRegion, QStringLiteral("out of memory")});
    }
    const KelvoEncodeResult result =
        encoder.encode(plan.encoding, clearMarks, kelvoPixelBuffer(coded));
    if (!result) {
        return fail(error, result, plan.numbers);
    }
    output = std::move(coded);
    return true;
}
