#include "kelvoidbuffergenerator.h"

#include "kelvopixelbits.h"

#include <unordered_map>
#include <unordered_set>

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kUnassignedColour = 0xFF00FFD2; // (0, 255, 210)

// The mask's outline colour (255, n, 0) of the interior colour (n, 255, 0): red and green
// swapped.
uint32_t outlineOfFill(uint32_t fill) {
    return (fill & 0xFF) | (fill >> 8 & 0xFF) << 16 | (fill >> 16 & 0xFF) << 8;
}

} // namespace

KelvoIdBufferGenerator::KelvoIdBufferGenerator(int width, int height,
                                               std::vector<uint8_t> storage) {
    m_ids.indices = std::move(storage);
    if (width > 0 && height > 0) {
        m_ids.width = width;
        m_ids.height = height;
    }
    resetIdImage();
}

void KelvoIdBufferGenerator::resetIdImage() {
    m_ids.indices.assign(std::size_t(m_ids.width) * std::size_t(m_ids.height), kNoRegion);
    m_ids.palette = {kWhite, kUnassignedColour};
    m_keyOfIndex.fill(-1);
}

int KelvoIdBufferGenerator::addPalettePair(uint32_t fill, uint32_t outline, uint32_t key) {
    const std::size_t even = m_ids.palette.size();
    if (even + 2 > m_keyOfIndex.size()) {
        return -1;
    }
    m_ids.palette.push_back(fill);
    m_ids.palette.push_back(outline);
    m_keyOfIndex[even] = m_keyOfIndex[even + 1] = int32_t(key);
    return int(even);
}

void KelvoIdBufferGenerator::registerColours(uint32_t key,
                                             const std::vector<KelvoIdColorStruct>& entries) {
    std::vector<KelvoIdColorStruct>& list = m_colours[key];
    list.insert(list.end(), entries.begin(), entries.end());
}

bool KelvoIdBufferGenerator::findOwner(uint32_t rgb, uint32_t& key, uint8_t& subIndex) const {
    for (const auto& [k, entries] : m_colours) {
        for (const KelvoIdColorStruct& e : entries) {
            if ((e.fillColour & kRgbMask) == rgb || (e.outlineColour & kRgbMask) == rgb) {
                key = k;
                subIndex = e.subIndex;
                return true;
            }
        }
    }
    return false;
}

void KelvoIdBufferGenerator::buildFromMask(const KelvoIdBufferStruct& regions) {
    resetIdImage();
    const KelvoPixelBuffer& mask = regions.mask;
    if (mask.pixels == nullptr || mask.width != width() || mask.height != height()) {
        return;
    }
    std::unordered_set<uint32_t> fillColours;
    std::unordered_map<uint32_t, uint32_t> fillOfOutline;
    for (const auto& entry : m_colours) {
        for (const KelvoIdColorStruct& e : entry.second) {
            const uint32_t fill = e.fillColour & kRgbMask;
            fillColours.insert(fill);
            fillOfOutline.emplace(outlineOfFill(fill), fill);
        }
    }
    std::unordered_map<uint32_t, int> firstIndex{{kWhite & kRgbMask, 0},
                                                 {kUnassignedColour & kRgbMask, 1}};
    const uint32_t background = regions.background & kRgbMask;
    const int w = width();
    const int h = height();
    const auto colourAt = [&](int x, int y) { return mask.at(x, y) & kRgbMask; };
    uint32_t lastColour = background;
    int lastIndex = 0;
    for (int y = 0; y < h; ++y) {
        uint8_t* ids = m_ids.indices.data() + std::size_t(y) * std::size_t(w);
        for (int x = 0; x < w; ++x) {
            const uint32_t colour = colourAt(x, y);
            if (colour == background) {
                continue;
            }
            if (colour == lastColour) {
                ids[x] = uint8_t(lastIndex);
                continue;
            }
            if (const auto it = firstIndex.find(colour); it != firstIndex.end()) {
                lastColour = colour;
                lastIndex = it->second;
                ids[x] = uint8_t(lastIndex);
                continue;
            }
            // An outline colour of a registered region pairs only with that region's interior
            // colour, so that an outline beside another region's interior is not taken for
            // that region's.
            const auto own = fillOfOutline.find(colour);
            const int nx[4] = {x - 1, x + 1, x, x};
            const int ny[4] = {y, y, y - 1, y + 1};
            for (int i = 0; i < 4; ++i) {
                if (nx[i] < 0 || nx[i] >= w || ny[i] < 0 || ny[i] >= h) {
                    continue;
                }
                const uint32_t fill = colourAt(nx[i], ny[i]);
                uint32_t key = 0;
                uint8_t subIndex = 0;
                if (fillColours.count(fill) == 0 ||
                    (own != fillOfOutline.end() && own->second != fill) ||
                    !findOwner(fill, key, subIndex)) {
                    continue;
                }
                const int even = addPalettePair(kOpaque | fill, kOpaque | colour, key);
                if (even >= 0) {
                    firstIndex.emplace(fill, even);
                    firstIndex.emplace(colour, even + 1);
                    KelvoIdColorStruct& first = m_colours[key].front();
                    if (first.subIndex == subIndex) {
                        first.fillColour = kOpaque | fill;
                        first.outlineColour = kOpaque | colour;
                        first.fillIndex = even;
                        first.outlineIndex = even + 1;
                    }
                    ids[x] = uint8_t(even + 1);
                }
                break;
            }
        }
    }
}
