#include "kelvolayoutcheck.h"

#include <array>
#include <cstring>
#include <optional>

namespace {

bool sameStartPoints(const KelvoIdRegion& a, const KelvoIdRegion& b) {
    if (a.subRegions.size() != b.subRegions.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.subRegions.size(); ++i) {
        if (a.subRegions[i].x != b.subRegions[i].x || a.subRegions[i].y != b.subRegions[i].y) {
            return false;
        }
    }
    return true;
}

// The first key of `expected` that `found` lacks or finds with other start points.
std::optional<int32_t> missingFrom(const KelvoIdBuffer::Regions& expected,
                                   const KelvoIdBuffer& found) {
    for (const auto& [key, region] : expected) {
        const auto it = found.regions().find(key);
        if (it == found.regions().end() || !sameStartPoints(region, it->second)) {
            return int32_t(key);
        }
    }
    return std::nullopt;
}

} // namespace

KelvoEncodeResult kelvoLayoutHolds(const KelvoIdBuffer& placed, const KelvoIdBuffer& found,
                                   const KelvoIdBuffer* before, uint32_t firstKey,
                                   std::size_t count) {
    const auto isNew = [&](int32_t key) {
        return key >= 0 && uint32_t(key) >= firstKey && uint32_t(key) - firstKey < count;
    };
    const auto fault = [&](KelvoEncodeFailure failure, int32_t key) {
        return KelvoEncodeResult::failed(failure, isNew(key) ? int(uint32_t(key) - firstKey)
                                                             : KelvoEncodeResult::kNoRegion);
    };
    if (before) {
        for (const auto& entry : before->regions()) {
            if (isNew(int32_t(entry.first))) {
                return fault(KelvoEncodeFailure::KeyTaken, int32_t(entry.first));
            }
        }
    }
    if (const auto lost = missingFrom(placed.regions(), found)) {
        return fault(KelvoEncodeFailure::MarksClash, *lost);
    }
    if (before && missingFrom(before->regions(), found)) {
        return KelvoEncodeResult::failed(KelvoEncodeFailure::DisturbsCoded);
    }

    const uint8_t* ids = found.idImage().indices.data();
    const std::ptrdiff_t w = found.width();
    for (const auto& [key, region] : found.regions()) {
        for (const KelvoIdSubRegion& sub : region.subRegions) {
            const std::ptrdiff_t start = sub.y * w + sub.x;
            for (std::ptrdiff_t offset : {start - w, start - 1, start + 1, start + w}) {
                const int32_t other = found.keyOfIndex(ids[offset]);
                if (other >= 0 && uint32_t(other) != key && (isNew(int32_t(key)) || isNew(other))) {
                    const bool bothNew = isNew(int32_t(key)) && isNew(other);
                    return fault(bothNew ? KelvoEncodeFailure::MarksClash
                                         : KelvoEncodeFailure::DisturbsCoded,
                                 isNew(int32_t(key)) ? int32_t(key) : other);
                }
            }
        }
    }

    // Keys by index, looked up once per index rather than once per pixel.
    std::array<int32_t, 256> newInterior; // the key of a new region's interior index, else -2
    std::array<int32_t, 256> placedKey;
    for (std::size_t index = 0; index < newInterior.size(); ++index) {
        const int32_t key = found.keyOfIndex(uint8_t(index));
        newInterior[index] = index >= 2 && (index & 1) == 0 && isNew(key) ? key : -2;
        placedKey[index] = placed.keyOfIndex(uint8_t(index));
    }
    // Where every index means the same key in both, runs of the same bytes pass at once.
    bool sameMeaning = true;
    for (std::size_t index = 0; index < newInterior.size(); ++index) {
        sameMeaning =
            sameMeaning && (newInterior[index] == -2 || placedKey[index] == newInterior[index]);
    }
    const uint8_t* placedIds = placed.idImage().indices.data();
    const uint8_t* beforeIds = before ? before->idImage().indices.data() : nullptr;
    const std::size_t size = found.idImage().indices.size();
    constexpr std::size_t kRun = 16;
    for (std::size_t p = 0; p < size; ++p) {
        if (sameMeaning && !beforeIds && p % kRun == 0 && p + kRun <= size &&
            std::memcmp(ids + p, placedIds + p, kRun) == 0) {
            p += kRun - 1;
            continue;
        }
        const int32_t newKey = newInterior[ids[p]];
        if (newKey != -2 && placedKey[placedIds[p]] != newKey) {
            return fault(KelvoEncodeFailure::MarksClash, newKey);
        }
        if (beforeIds) {
            const int32_t now = found.keyOfIndex(ids[p]);
            const int32_t then = before->keyOfIndex(beforeIds[p]);
            if ((then >= 0 || (now >= 0 && !isNew(now))) && now != then) {
                return fault(KelvoEncodeFailure::DisturbsCoded, now);
            }
        }
    }
    return {};
}
