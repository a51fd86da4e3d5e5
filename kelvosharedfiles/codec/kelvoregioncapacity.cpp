#include "kelvoregioncapacity.h"

#include "kelvodatapixels.h"
#include "kelvolengthheader.h"
#include "kelvopackinglevels.h"

namespace {

// The whole bytes `pixels` data pixels hold at the densest level.
uint64_t bytesIn(int64_t pixels) {
    return pixels > 0 ? uint64_t(pixels) * kMaxBitsPerPixel / 8 : 0;
}

// The records start on a pixel of their own and so do the colours: with a colour table the
// room is the records and what the pixels after them hold.
uint64_t roomFor(const KelvoRegionPayload& payload, uint64_t dataPixels) {
    const int64_t free = int64_t(dataPixels) - 2 * kHeaderPixels;
    if (!payload.hasColours) {
        return bytesIn(free);
    }
    const int64_t recordPixels =
        int64_t((payload.records.size() * 8 + kMaxBitsPerPixel - 1) / kMaxBitsPerPixel);
    return recordPixels <= free ? payload.records.size() + bytesIn(free - recordPixels)
                                : bytesIn(free);
}

} // namespace

bool KelvoRegionCapacity::visible() const {
    return level >= kFirstVisibleLevel;
}

KelvoRegionCapacity kelvoRegionCapacity(const KelvoRegionPayload& payload, uint64_t dataPixels) {
    KelvoRegionCapacity capacity;
    const std::size_t colourBytes = payload.hasColours ? payload.colours.size() : 0;
    capacity.bytes = payload.records.size() + colourBytes;
    capacity.room = roomFor(payload, dataPixels);
    capacity.pixels = dataPixels;
    // The level chosen from the figures, raised while the whole payload with its headers and
    // pixel boundaries does not fit.
    int level = kelvoChooseLevel(capacity.bytes, int64_t(dataPixels) - 2 * kHeaderPixels,
                                 payload.requestedLevel);
    while (level != 0 && level <= kMaxPackingLevel &&
           kelvoPayloadPixels(kelvoPackingLevel(level)->bits, payload.records.size(),
                              payload.hasColours, colourBytes) > dataPixels) {
        ++level;
    }
    capacity.level = level <= kMaxPackingLevel ? level : 0;
    return capacity;
}

std::vector<KelvoRegionCapacity> kelvoPlanCapacity(const KelvoEncodePlan& plan) {
    std::vector<KelvoRegionCapacity> capacities;
    if (!plan.ready()) {
        return capacities;
    }
    const KelvoDataPixels pixels(plan.placed());
    const std::vector<uint64_t> counts = pixels.counts();
    for (const KelvoRegionPayload& payload : plan.payloads()) {
        const int slot = pixels.slotOf(payload.key);
        capacities.push_back(
            kelvoRegionCapacity(payload, slot < 0 ? 0 : counts[std::size_t(slot)]));
    }
    return capacities;
}
