#include "kelvoimglsbsencoder.h"

#include "kelvodatapixels.h"
#include "kelvoidbuffer.h"
#include "kelvolayoutcheck.h"
#include "kelvolengthheader.h"
#include "kelvopackinglevels.h"
#include "kelvopayloadwriter.h"
#include "kelvopixelbits.h"
#include "kelvostartpoint.h"

#include <array>
#include <memory>

namespace {

struct RegionPlan {
    uint32_t key = 0;
    std::vector<uint8_t> records;
    bool hasColours = false;
    std::vector<uint8_t> colours;
    int requestedLevel = 0;
    int level = 0;
};

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

// The level chosen for the region's data over `dataPixels`, raised while the whole payload
// does not fit; 0 when it does not fit at level 14.
int fittingLevel(const RegionPlan& plan, uint64_t dataPixels) {
    const std::size_t colourBytes = plan.hasColours ? plan.colours.size() : 0;
    int level = kelvoChooseLevel(plan.records.size() + colourBytes,
                                 int64_t(dataPixels) - 2 * kHeaderPixels, plan.requestedLevel);
    while (level != 0 && level <= kMaxPackingLevel &&
           kelvoPayloadPixels(kelvoPackingLevel(level)->bits, plan.records.size(), plan.hasColours,
                              colourBytes) > dataPixels) {
        ++level;
    }
    return level <= kMaxPackingLevel ? level : 0;
}

// Position and key of a start point.
using StartPoint = std::array<uint32_t, 3>;

std::vector<StartPoint> startPoints(const KelvoPixelBuffer& image) {
    std::vector<StartPoint> found;
    kelvoForEachStartPoint(image, [&](int x, int y) {
        found.push_back({uint32_t(x), uint32_t(y), kelvoStartPointKey(image.at(x, y))});
        return true;
    });
    return found;
}

} // namespace

KelvoImgLSBsEncoder::KelvoImgLSBsEncoder(const KelvoPixelBuffer& image, KelvoProgressFunc progress,
                                         void* context)
    : KelvoImgCoder(image), m_progress(progress), m_context(context) {}

void KelvoImgLSBsEncoder::progress() const {
    if (m_progress) {
        m_progress(m_context);
    }
}

bool KelvoImgLSBsEncoder::encode(const KelvoIdBufferStruct& regions,
                                 const std::vector<KelvoDataObjs>& data, bool clearMarks,
                                 uint32_t firstKey) {
    const KelvoPixelBuffer& mask = regions.mask;
    if (!isCodable() || regions.mode != KelvoIdBufferStruct::kOutlineMode ||
        mask.pixels == nullptr || mask.width != width() || mask.height != height() ||
        firstKey >= kMaxRegionKeys || data.size() > kMaxRegionKeys - firstKey) {
        return false;
    }

    std::vector<RegionPlan> plans(data.size());
    KelvoIdBuffer placed(width(), height());
    for (std::size_t i = 0; i < data.size(); ++i) {
        RegionPlan& plan = plans[i];
        plan.key = firstKey + uint32_t(i);
        plan.requestedLevel = data[i].packingLevel;
        m_processor.serializeRecords(data[i].records, plan.records);
        if (plan.records.empty()) {
            return false; // over the stream length limit: the records would be lost
        }
        if (!data[i].colours.empty()) {
            plan.hasColours = true;
            m_processor.serializeColours(data[i].colours, plan.colours);
            if (plan.colours.empty()) {
                return false;
            }
            if (plan.colours.size() == kNoColourTable) {
                // Header B must not read "no colour table"; inflate ignores the extra byte.
                plan.colours.push_back(0);
            }
        }
        placed.registerColours(plan.key, colourEntries(data[i].records));
    }
    progress();
    placed.buildFromMask(regions);
    progress();
    placed.generateRegions();
    progress();
    for (const RegionPlan& plan : plans) {
        if (placed.regions().count(plan.key) == 0) {
            return false;
        }
    }

    std::unique_ptr<KelvoIdBuffer> before;
    if (!clearMarks) {
        before = std::make_unique<KelvoIdBuffer>(width(), height());
        before->rebuildFromMarks(m_image);
    }

    // Marks go into a copy first, so that a failure leaves the picture as it was.
    std::vector<uint32_t> copy(std::size_t(width()) * std::size_t(height()));
    const KelvoPixelBuffer work{copy.data(), width(), height(), width(), 32};
    const uint8_t* placedIds = placed.idImage().indices.data();
    const uint32_t background = regions.background & kRgbMask;
    for (int y = 0; y < height(); ++y) {
        const uint32_t* source = m_image.row(y);
        const uint32_t* maskRow = mask.row(y);
        const uint8_t* idRow = placedIds + std::size_t(y) * std::size_t(width());
        uint32_t* target = work.row(y);
        for (int x = 0; x < width(); ++x) {
            uint32_t pixel = source[x];
            if (clearMarks || (maskRow[x] & kRgbMask) != background) {
                pixel &= ~kMarkBit;
            }
            if ((idRow[x] & 1) != 0 && idRow[x] > 1) {
                pixel |= kMarkBit;
            }
            target[x] = pixel;
        }
    }
    const auto writeStartPoints = [&](const RegionPlan& plan) {
        for (const KelvoIdSubRegion& sub : placed.regions().at(plan.key).subRegions) {
            kelvoWriteStartPoint(work, sub.x, sub.y, plan.key, plan.level);
        }
    };
    for (const RegionPlan& plan : plans) {
        writeStartPoints(plan);
    }

    KelvoIdBuffer found(width(), height());
    found.rebuildFromMarks(work);
    if (!kelvoLayoutHolds(placed, found, before.get(), firstKey, plans.size())) {
        return false;
    }
    const KelvoDataPixels pixels(found);
    const std::vector<uint64_t> counts = pixels.counts();
    std::vector<std::unique_ptr<KelvoPayloadWriter>> writers(pixels.keys().size());
    for (RegionPlan& plan : plans) {
        const std::size_t slot = std::size_t(pixels.slotOf(plan.key));
        plan.level = fittingLevel(plan, counts[slot]);
        if (plan.level == 0) {
            return false;
        }
        writeStartPoints(plan);
        writers[slot] =
            std::make_unique<KelvoPayloadWriter>(*kelvoPackingLevel(plan.level), plan.records,
                                                 plan.hasColours ? &plan.colours : nullptr);
    }
    const std::vector<StartPoint> startsBefore = startPoints(work);
    // One pass writes every region; each region's progress step comes as its payload is done.
    m_pixelsWritten = 0;
    std::vector<bool> reported(writers.size(), false);
    const auto reportDone = [&](std::size_t slot) {
        if (writers[slot] && writers[slot]->complete() && !reported[slot]) {
            reported[slot] = true;
            progress();
        }
    };
    pixels.visit([&](int slot, int x, int y) {
        KelvoPayloadWriter* writer = writers[std::size_t(slot)].get();
        if (writer == nullptr) {
            return false;
        }
        const bool more = writer->put(work.at(x, y));
        ++m_pixelsWritten;
        reportDone(std::size_t(slot));
        return more;
    });
    for (std::size_t slot = 0; slot < writers.size(); ++slot) {
        if (writers[slot] && !writers[slot]->complete()) {
            return false; // the level was chosen to hold it: never cut a payload short
        }
        reportDone(slot);
    }
    // Data bits never touch the marks (B0), so the layout stays as found unless they,
    // however unlikely, completed or broke a start point's signature somewhere.
    if (startPoints(work) != startsBefore) {
        return false;
    }

    for (int y = 0; y < height(); ++y) {
        const uint32_t* source = work.row(y);
        uint32_t* target = m_image.row(y);
        for (int x = 0; x < width(); ++x) {
            target[x] = source[x] | kOpaque;
        }
    }
    return true;
}
