#include "kelvodatapixels.h"

#include "kelvobytehistogram.h"

#include <algorithm>

KelvoDataPixels::KelvoDataPixels(const KelvoIdBuffer& ids) : m_ids(ids.idImage()) {
    m_slotOfIndex.fill(-1);
    for (const auto& [key, entries] : ids.colourEntries()) {
        const int16_t slot = int16_t(m_keys.size());
        m_keys.push_back(key);
        std::vector<uint8_t>& indices = m_indicesOfSlot.emplace_back();
        for (const KelvoIdColorStruct& e : entries) {
            for (int32_t index : {e.fillIndex, e.outlineIndex}) {
                if (index >= 0 && index < int32_t(m_slotOfIndex.size())) {
                    m_slotOfIndex[std::size_t(index)] = slot;
                    indices.push_back(uint8_t(index));
                }
            }
        }
    }
    const std::size_t w = std::size_t(m_ids.width);
    for (const auto& [key, region] : ids.regions()) {
        const int slot = slotOf(key);
        for (const KelvoIdSubRegion& sub : region.subRegions) {
            const std::size_t start = std::size_t(sub.y) * w + std::size_t(sub.x);
            for (std::size_t offset : {start - w, start - 1, start, start + 1, start + w}) {
                if (m_slotOfIndex[m_ids.indices[offset]] == slot) {
                    m_reserved.push_back(offset);
                }
            }
        }
    }
    std::sort(m_reserved.begin(), m_reserved.end());
    m_reserved.erase(std::unique(m_reserved.begin(), m_reserved.end()), m_reserved.end());
}

int KelvoDataPixels::slotOf(uint32_t key) const {
    const auto it = std::lower_bound(m_keys.begin(), m_keys.end(), key);
    return it != m_keys.end() && *it == key ? int(it - m_keys.begin()) : -1;
}

std::vector<uint64_t> KelvoDataPixels::counts() const {
    // What visiting every data pixel would count, from a histogram of the id image.
    const uint8_t* ids = m_ids.indices.data();
    const std::array<uint64_t, 256> histogram = kelvoByteHistogram(ids, m_ids.indices.size());
    std::vector<uint64_t> counts(m_keys.size(), 0);
    for (std::size_t index = 0; index < m_slotOfIndex.size(); ++index) {
        if (m_slotOfIndex[index] >= 0) {
            counts[std::size_t(m_slotOfIndex[index])] += histogram[index];
        }
    }
    for (const std::size_t offset : m_reserved) {
        --counts[std::size_t(m_slotOfIndex[ids[offset]])];
    }
    return counts;
}
