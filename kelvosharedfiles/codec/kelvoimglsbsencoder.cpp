#include "kelvoimglsbsencoder.h"

#include "kelvodatapixels.h"
#include "kelvoidbuffer.h"
#include "kelvolayoutcheck.h"
#include "kelvopackinglevels.h"
#include "kelvopayloadwriter.h"
#include "kelvopixelbits.h"
#include "kelvoregioncapacity.h"
#include "kelvostartpoint.h"

#include <algorithm>
#include <memory>

namespace {

KelvoEncodeResult tooLittleRoom(const KelvoRegionCapacity& capacity, std::size_t index) {
    KelvoEncodeResult result =
        KelvoEncodeResult::failed(KelvoEncodeFailure::TooLittleRoom, int(index));
    result.bytes = capacity.bytes;
    result.room = capacity.room;
    result.pixels = capacity.pixels;
    return result;
}

// The start points of rows [first, last], as a reader finds them.
std::vector<KelvoStartPointAt> startPointsInRows(const KelvoPixelBuffer& image, int first,
                                                 int last) {
    first = std::max(first, 1); // outer rows hold none
    last = std::min(last, image.height - 2);
    std::vector<KelvoStartPointAt> found;
    if (first > last) {
        return found;
    }
    // A view from the row above `first` to the row below `last`, whose own outer rows are
    // those that hold none.
    KelvoPixelBuffer rows = image;
    rows.pixels = image.pixels + std::size_t(first - 1) * std::size_t(image.stride);
    rows.height = last - first + 3;
    kelvoForEachStartPoint(rows, [&](int x, int y) {
        found.push_back({x, y + first - 1, kelvoStartPointKey(rows.at(x, y))});
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

KelvoEncodeResult KelvoImgLSBsEncoder::encode(const KelvoIdBufferStruct& regions,
                                              const std::vector<KelvoDataObjs>& data,
                                              bool clearMarks, uint32_t firstKey) {
    if (!isCodable()) {
        return KelvoEncodeResult::failed(KelvoEncodeFailure::NotCodable);
    }
    if (regions.mask.width != width() || regions.mask.height != height()) {
        return KelvoEncodeResult::failed(KelvoEncodeFailure::MaskMismatch);
    }
    KelvoEncodePlan plan;
    KelvoEncodeResult made = plan.make(regions, data, firstKey, m_progress, m_context);
    return made ? encode(plan, clearMarks) : made;
}

KelvoEncodeResult KelvoImgLSBsEncoder::encode(const KelvoEncodePlan& plan, bool clearMarks) {
    if (!isCodable()) {
        return KelvoEncodeResult::failed(KelvoEncodeFailure::NotCodable);
    }
    // Coded into a copy first, so that a refusal leaves the picture as it was.
    const std::unique_ptr<uint32_t[]> copy(
        new uint32_t[std::size_t(width()) * std::size_t(height())]);
    const KelvoPixelBuffer work{copy.get(), width(), height(), width(), 32};
    const KelvoEncodeResult result = encode(plan, clearMarks, work);
    if (result) {
        for (int y = 0; y < height(); ++y) {
            std::copy_n(work.row(y), width(), m_image.row(y));
        }
    }
    return result;
}

KelvoEncodeResult KelvoImgLSBsEncoder::encode(const KelvoEncodePlan& plan, bool clearMarks,
                                              const KelvoPixelBuffer& work) {
    if (!isCodable()) {
        return KelvoEncodeResult::failed(KelvoEncodeFailure::NotCodable);
    }
    if (!plan.ready() || plan.regions().mask.width != width() ||
        plan.regions().mask.height != height() || work.pixels == nullptr || work.width != width() ||
        work.height != height() || work.stride < work.width || work.depth != 32 ||
        work.pixels == m_image.pixels) {
        return KelvoEncodeResult::failed(KelvoEncodeFailure::MaskMismatch);
    }
    const KelvoPixelBuffer& mask = plan.regions().mask;
    const KelvoIdBuffer& placed = plan.placed();
    const std::vector<KelvoRegionPayload>& payloads = plan.payloads();
    std::vector<int> levels(payloads.size(), 0);
    std::vector<KelvoRegionCapacity> capacities(payloads.size());

    std::unique_ptr<KelvoIdBuffer> before;
    if (!clearMarks) {
        before = std::make_unique<KelvoIdBuffer>(width(), height());
        before->rebuildFromMarks(m_image);
    }

    const uint8_t* placedIds = placed.idImage().indices.data();
    const uint32_t background = plan.regions().background & kRgbMask;
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
            target[x] = pixel | kOpaque;
        }
    }
    const auto writeStartPoints = [&](std::size_t i) {
        for (const KelvoIdSubRegion& sub : placed.regions().at(payloads[i].key).subRegions) {
            kelvoWriteStartPoint(work, sub.x, sub.y, payloads[i].key, levels[i]);
        }
    };
    for (std::size_t i = 0; i < payloads.size(); ++i) {
        writeStartPoints(i);
    }

    KelvoIdBuffer found(width(), height());
    found.rebuildFromMarks(work);
    const KelvoEncodeResult layout =
        kelvoLayoutHolds(placed, found, before.get(), plan.firstKey(), payloads.size());
    if (!layout) {
        return layout;
    }
    const KelvoDataPixels pixels(found);
    const std::vector<uint64_t> counts = pixels.counts();
    std::vector<std::unique_ptr<KelvoPayloadWriter>> writers(pixels.keys().size());
    for (std::size_t i = 0; i < payloads.size(); ++i) {
        const KelvoRegionPayload& payload = payloads[i];
        const std::size_t slot = std::size_t(pixels.slotOf(payload.key));
        capacities[i] = kelvoRegionCapacity(payload, counts[slot]);
        levels[i] = capacities[i].level;
        if (!capacities[i].fits()) {
            return tooLittleRoom(capacities[i], i);
        }
        writeStartPoints(i);
        writers[slot] =
            std::make_unique<KelvoPayloadWriter>(*kelvoPackingLevel(levels[i]), payload.records,
                                                 payload.hasColours ? &payload.colours : nullptr);
    }
    // One pass writes every region; each region's progress step comes as its payload is done.
    m_pixelsWritten = 0;
    std::vector<bool> reported(writers.size(), false);
    const auto reportDone = [&](std::size_t slot) {
        if (writers[slot] && writers[slot]->complete() && !reported[slot]) {
            reported[slot] = true;
            progress();
        }
    };
    int firstWritten = height();
    int lastWritten = -1;
    pixels.visit([&](int slot, int x, int y) {
        KelvoPayloadWriter* writer = writers[std::size_t(slot)].get();
        if (writer == nullptr) {
            return false;
        }
        firstWritten = std::min(firstWritten, y);
        lastWritten = std::max(lastWritten, y);
        const bool more = writer->put(work.at(x, y));
        ++m_pixelsWritten;
        reportDone(std::size_t(slot));
        return more;
    });
    for (std::size_t i = 0; i < payloads.size(); ++i) {
        const std::size_t slot = std::size_t(pixels.slotOf(payloads[i].key));
        if (!writers[slot]->complete()) {
            // the level was chosen to hold it: never cut a payload short
            return tooLittleRoom(capacities[i], i);
        }
        reportDone(slot);
    }
    // Data bits never touch the marks (B0), so the layout stays as found unless they,
    // however unlikely, completed or broke a start point's signature, which only a start
    // point next to a written row can have. (The levels written since hold neither a start
    // point's place nor its key.)
    std::vector<KelvoStartPointAt> expected;
    for (const KelvoStartPointAt& start : found.startPoints()) {
        if (start.y >= firstWritten - 1 && start.y <= lastWritten + 1) {
            expected.push_back(start);
        }
    }
    if (startPointsInRows(work, firstWritten - 1, lastWritten + 1) != expected) {
        return KelvoEncodeResult::failed(KelvoEncodeFailure::StartPointBroken);
    }
    return {};
}
