#include "kelvoimglsbsdecoder.h"

#include "kelvodatapixels.h"
#include "kelvoidbuffer.h"
#include "kelvomarkspicture.h"
#include "kelvopayloadreader.h"
#include "kelvostartpoint.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

// Sub-indices become 0, 1, ... in ascending order of their values; display colours follow.
void renumber(std::vector<KelvoData>& records, uint32_t key) {
    std::vector<uint8_t> used;
    for (const KelvoData& record : records) {
        used.push_back(record.subIndex);
    }
    std::sort(used.begin(), used.end());
    used.erase(std::unique(used.begin(), used.end()), used.end());
    for (KelvoData& record : records) {
        record.subIndex =
            uint8_t(std::lower_bound(used.begin(), used.end(), record.subIndex) - used.begin());
        record.red = 255;
        record.green = record.subIndex;
        record.blue = int32_t(key);
    }
}

} // namespace

KelvoImgLSBsDecoder::KelvoImgLSBsDecoder(const KelvoPixelBuffer& image)
    : KelvoImgCoder(image),
      m_marksSeed(uint64_t(std::chrono::steady_clock::now().time_since_epoch().count())) {}

bool KelvoImgLSBsDecoder::isCoded() const {
    bool found = false;
    if (isCodable()) {
        kelvoForEachStartPoint(m_image, [&](int, int) {
            found = true;
            return false;
        });
    }
    return found;
}

void KelvoImgLSBsDecoder::decode(KelvoIndexedImage& idImage,
                                 std::map<uint32_t, KelvoDataObjs>& data, KelvoArgbImage& marks) {
    decode(idImage, data);
    kelvoMarksPicture(m_image, m_marksSeed, marks);
}

void KelvoImgLSBsDecoder::decode(KelvoIndexedImage& idImage,
                                 std::map<uint32_t, KelvoDataObjs>& data) {
    data.clear();
    m_regions.clear();
    if (!isCodable()) {
        idImage = {};
        return;
    }
    KelvoIdBuffer ids(width(), height(), std::move(idImage.indices));
    ids.rebuildFromMarks(m_image);
    const KelvoDataPixels pixels(ids);
    std::vector<int> levels;
    std::vector<KelvoPayloadReader> readers;
    for (uint32_t key : pixels.keys()) {
        const KelvoIdSubRegion& first = ids.regions().at(key).subRegions.front();
        levels.push_back(kelvoStartPointLevel(m_image.at(first.x, first.y)));
        readers.emplace_back(levels.back());
    }
    pixels.visit(
        [&](int slot, int x, int y) { return readers[std::size_t(slot)].take(m_image.at(x, y)); });
    for (std::size_t slot = 0; slot < readers.size(); ++slot) {
        const uint32_t key = pixels.keys()[slot];
        data.emplace(key, regionData(key, levels[slot], readers[slot]));
    }
    m_regions = ids.regions();
    idImage = ids.takeIdImage();
}

KelvoDataObjs KelvoImgLSBsDecoder::regionData(uint32_t key, int level,
                                              const KelvoPayloadReader& reader) {
    KelvoDataObjs region;
    region.packingLevel = level;
    if (reader.recordsComplete()) {
        region.recordStream = reader.records();
        KelvoPropsStruct closing;
        m_processor.setRaw(region.recordStream);
        m_processor.parseRecords(region.records, closing, true);
        renumber(region.records, key);
    }
    if (reader.coloursComplete() && !reader.colours().empty()) {
        m_processor.parseColours(reader.colours(), region.colours);
    }
    return region;
}
