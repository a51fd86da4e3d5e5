#include "kelvoencodeplan.h"

#include "kelvodataprocessor.h"
#include "kelvolengthheader.h"
#include "kelvopixelbits.h"
#include "kelvostartpoint.h"

namespace {

// One entry per run of records with the same sub-index, with that run's display colour.
std::vector<KelvoIdColorStruct> colourEntries(const std::vector<KelvoData>& records) {
    std::vector<KelvoIdColorStruct> entries;
    for (const KelvoData& record : records) {
        if (entries.empty() || entries.back().subIndex != record.subIndex) {
            KelvoIdColorStruct entry;
            entry.subIndex = record.subIndex;
            entry.fillColour =
                kelvoRgb(uint32_t(record.red), uint32_t(record.green), uint32_t(record.blue));
            entries.push_back(entry);
        }
    }
    return entries;
}

} // namespace

KelvoEncodeResult KelvoEncodePlan::make(const KelvoIdBufferStruct& regions,
                                        const std::vector<KelvoDataObjs>& data, uint32_t firstKey,
                                        KelvoProgressFunc progress, void* context) {
    *this = KelvoEncodePlan();
    const KelvoPixelBuffer& mask = regions.mask;
    if (regions.mode != KelvoIdBufferStruct::kOutlineMode || mask.pixels == nullptr ||
        mask.width <= 0 || mask.height <= 0) {
        return KelvoEncodeResult::failed(KelvoEncodeFailure::MaskMismatch);
    }
    if (firstKey >= kMaxRegionKeys || data.size() > kMaxRegionKeys - firstKey) {
        KelvoEncodeResult keys = KelvoEncodeResult::failed(KelvoEncodeFailure::TooManyKeys);
        keys.regions = data.size();
        keys.firstKey = firstKey;
        return keys;
    }
    const auto step = [&] {
        if (progress) {
            progress(context);
        }
    };
    KelvoDataProcessor processor;
    std::vector<KelvoRegionPayload> payloads(data.size());
    auto placed = std::make_unique<KelvoIdBuffer>(mask.width, mask.height);
    for (std::size_t i = 0; i < data.size(); ++i) {
        KelvoRegionPayload& payload = payloads[i];
        payload.key = firstKey + uint32_t(i);
        payload.requestedLevel = data[i].packingLevel;
        processor.serializeRecords(data[i].records, payload.records);
        if (payload.records.empty()) {
            // over the stream length limit: the records would be lost
            return KelvoEncodeResult::failed(KelvoEncodeFailure::StreamTooLong, int(i));
        }
        if (!data[i].colours.empty()) {
            payload.hasColours = true;
            processor.serializeColours(data[i].colours, payload.colours);
            if (payload.colours.empty()) {
                return KelvoEncodeResult::failed(KelvoEncodeFailure::StreamTooLong, int(i));
            }
            if (payload.colours.size() == kNoColourTable) {
                // Header B must not read "no colour table"; inflate ignores the extra byte.
                payload.colours.push_back(0);
            }
        }
        placed->registerColours(payload.key, colourEntries(data[i].records));
    }
    step();
    placed->buildFromMask(regions);
    step();
    placed->generateRegions();
    step();
    for (std::size_t i = 0; i < payloads.size(); ++i) {
        if (placed->regions().count(payloads[i].key) == 0) {
            return KelvoEncodeResult::failed(KelvoEncodeFailure::NoInterior, int(i));
        }
    }
    m_regions = regions;
    m_payloads = std::move(payloads);
    m_placed = std::move(placed);
    m_firstKey = firstKey;
    return {};
}
