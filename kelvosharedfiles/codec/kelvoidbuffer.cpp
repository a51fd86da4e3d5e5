#include "kelvoidbuffer.h"

#include "kelvobytewords.h"

#include "kelvofloodfill.h"
#include "kelvopixelbits.h"
#include "kelvostartpoint.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Marks a pixel reached from a start point in the encoder's scratch plane; never an interior
// index.
constexpr uint8_t kClaimed = 1;
// Start points closer than this could overwrite each other's signatures, or make their
// signature pixels pass the start point test around a pixel between them.
constexpr int kStartPointSpacing = 2;
// The outline counts leave out the two signature pixels above and left of a start point.
constexpr int32_t kOutlineCountBias = 2;

bool isInterior(uint8_t index) {
    return index >= 2 && (index & 1) == 0;
}

// The scans below pass over runs of eight bytes at a time where nothing can happen: big
// regions are long runs of one interior index, the rest of a picture long runs of 0.
constexpr int kRun = 8;

// 0x01 in each byte of `word` that is an interior index (even, not 0).
uint64_t interiorBytes(uint64_t word) {
    return ~word & kKelvoEveryByte & ~kelvoZeroBytes(word);
}

} // namespace

void KelvoIdBuffer::generateRegions() {
    m_regions.clear();
    std::array<int32_t, 256> outlinePixels{};
    thinOutlines(outlinePixels);
    separateRegions(outlinePixels);
    placeStartPoints();
    addOutlineCounts(outlinePixels);
}

void KelvoIdBuffer::thinOutlines(std::array<int32_t, 256>& outlinePixels) {
    const int w = width();
    const int h = height();
    uint8_t* ids = m_ids.indices.data();
    for (int y = 0; y < h; ++y) {
        const bool innerRow = y > 0 && y + 1 < h;
        for (int x = 0; x < w; ++x) {
            uint8_t* p = ids + std::size_t(y) * std::size_t(w) + std::size_t(x);
            if (x + kRun <= w) {
                // Interior pixels stay; so do unmarked ones with no interior pixel beside them.
                const uint64_t word = kelvoWordAt(p);
                if (interiorBytes(word) == kKelvoEveryByte ||
                    (word == 0 && innerRow && x > 0 && x + kRun < w && !isInterior(p[-1]) &&
                     !isInterior(p[kRun]) && interiorBytes(kelvoWordAt(p - w)) == 0 &&
                     interiorBytes(kelvoWordAt(p + w)) == 0)) {
                    x += kRun - 1;
                    continue;
                }
            }
            if (isInterior(*p)) {
                continue;
            }
            uint8_t inner = 0;
            if (x > 0 && isInterior(p[-1])) {
                inner = p[-1];
            } else if (y > 0 && isInterior(p[-w])) {
                inner = p[-w];
            } else if (x + 1 < w && isInterior(p[1])) {
                inner = p[1];
            } else if (y + 1 < h && isInterior(p[w])) {
                inner = p[w];
            }
            if (inner == 0) {
                *p = kNoRegion;
                continue;
            }
            if (*p < 2) {
                *p = uint8_t(inner + 1);
            }
            ++outlinePixels[*p];
        }
    }
}

void KelvoIdBuffer::separateRegions(std::array<int32_t, 256>& outlinePixels) {
    const int w = width();
    const int h = height();
    uint8_t* ids = m_ids.indices.data();
    std::vector<std::size_t> border;
    for (int y = 0; y < h; ++y) {
        const bool innerRow = y > 0 && y + 1 < h;
        for (int x = 0; x < w; ++x) {
            const std::size_t p = std::size_t(y) * std::size_t(w) + std::size_t(x);
            if (x + kRun <= w) {
                // No interior pixel here, or one interior index all around.
                const uint64_t word = kelvoWordAt(ids + p);
                const uint64_t same = kKelvoEveryByte * ids[p];
                if (interiorBytes(word) == 0 ||
                    (word == same && innerRow && x > 0 && x + kRun < w && ids[p - 1] == ids[p] &&
                     ids[p + kRun] == ids[p] && kelvoWordAt(ids + p - std::size_t(w)) == same &&
                     kelvoWordAt(ids + p + std::size_t(w)) == same)) {
                    x += kRun - 1;
                    continue;
                }
            }
            if (!isInterior(ids[p])) {
                continue;
            }
            const int32_t key = keyOfIndex(ids[p]);
            const auto foreign = [&](std::size_t q) {
                return ids[q] >= 2 && keyOfIndex(ids[q]) != key;
            };
            if ((x > 0 && foreign(p - 1)) || (y > 0 && foreign(p - std::size_t(w))) ||
                (x + 1 < w && foreign(p + 1)) || (y + 1 < h && foreign(p + std::size_t(w)))) {
                border.push_back(p);
            }
        }
    }
    for (std::size_t p : border) {
        ++outlinePixels[++ids[p]];
    }
}

void KelvoIdBuffer::placeStartPoints() {
    const int w = width();
    const int h = height();
    const std::size_t stride = std::size_t(w);
    const uint8_t* ids = m_ids.indices.data();
    std::vector<uint8_t> scratch(m_ids.indices);
    // Pixels within two rows and columns of a start point hold no other start point.
    std::vector<bool> near(m_ids.indices.size(), false);
    for (int y = 1; y < h - 1; ++y) {
        for (int x = 1; x < w - 1; ++x) {
            const std::size_t p = std::size_t(y) * stride + std::size_t(x);
            if (x + kRun <= w - 1 && interiorBytes(kelvoWordAt(scratch.data() + p)) == 0) {
                x += kRun - 1; // nothing unclaimed here
                continue;
            }
            const uint8_t index = ids[p];
            if (!isInterior(index) || scratch[p] != index || near[p]) {
                continue;
            }
            const uint8_t outline = uint8_t(index + 1);
            const uint8_t right = ids[p + 1];
            const uint8_t down = ids[p + stride];
            if (ids[p - 1] != outline || ids[p - stride] != outline || (right | 1) != outline ||
                (down | 1) != outline) {
                continue;
            }
            for (int ny = std::max(0, y - kStartPointSpacing);
                 ny <= std::min(h - 1, y + kStartPointSpacing); ++ny) {
                for (int nx = std::max(0, x - kStartPointSpacing);
                     nx <= std::min(w - 1, x + kStartPointSpacing); ++nx) {
                    near[std::size_t(ny) * stride + std::size_t(nx)] = true;
                }
            }
            const uint32_t filled = kelvoFloodFill(scratch.data(), w, h, x, y, index, kClaimed);
            const int32_t count =
                int32_t(filled) - 1 - int32_t(right != outline) - int32_t(down != outline);
            KelvoIdRegion& region = m_regions[uint32_t(keyOfIndex(index))];
            region.subRegions.push_back({0, count, x, y});
            region.fillCount += count;
        }
    }
}

void KelvoIdBuffer::rebuildFromMarks(const KelvoPixelBuffer& image) {
    resetIdImage();
    m_colours.clear();
    m_regions.clear();
    m_startPoints.clear();
    if (image.pixels == nullptr || image.width != width() || image.height != height() ||
        m_ids.indices.empty()) {
        return;
    }
    const int w = width();
    const int h = height();
    uint8_t* ids = m_ids.indices.data();

    for (int y = 0; y < h; ++y) {
        readMarkedRow(image, y);
    }
    if (m_regions.empty()) {
        // Every marked pixel is an outline of no region.
        std::fill(m_ids.indices.begin(), m_ids.indices.end(), kNoRegion);
        return;
    }

    for (auto& [key, region] : m_regions) {
        const std::vector<KelvoIdColorStruct>& entries = m_colours[key];
        for (std::size_t s = 0; s < region.subRegions.size(); ++s) {
            KelvoIdSubRegion& sub = region.subRegions[s];
            const std::size_t p = std::size_t(sub.y) * std::size_t(w) + std::size_t(sub.x);
            ids[p] = kNoRegion;
            const uint32_t filled =
                kelvoFloodFill(ids, w, h, sub.x, sub.y, kNoRegion, uint8_t(entries[s].fillIndex));
            sub.pixelCount = int32_t(filled) - 1 - int32_t(ids[p + 1] != kUnassignedOutline) -
                             int32_t(ids[p + std::size_t(w)] != kUnassignedOutline);
            region.fillCount += sub.pixelCount;
        }
    }

    std::array<int32_t, 256> outlinePixels{};
    for (int y = 0; y < h; ++y) {
        assignOutlineRow(y, outlinePixels);
    }
    addOutlineCounts(outlinePixels);
}

void KelvoIdBuffer::readMarkedRow(const KelvoPixelBuffer& image, int y) {
    // Outside start points a marked pixel's index is its mark bit: noisy photographs, with
    // half their pixels marked, are read at memory speed.
    static_assert(kNoRegion == 0 && kUnassignedOutline == kMarkBit);
    const int w = width();
    const int h = height();
    const uint32_t* row = image.row(y);
    uint8_t* idRow = m_ids.indices.data() + std::size_t(y) * std::size_t(w);
    const bool innerRow = y > 0 && y < h - 1;
    for (int x = 0; x < w; x += kelvo_detail::kScanChunk) {
        const int end = std::min(w, x + kelvo_detail::kScanChunk);
        uint32_t marked = 0;
        for (int i = x; i < end; ++i) {
            marked |= row[i];
        }
        if ((marked & kMarkBit) == 0) {
            continue; // coded pictures are unmarked but for their outlines
        }
        const int first = std::max(x, 1);
        const int last = std::min(end, w - 1);
        if (innerRow && first < last &&
            kelvo_detail::mayHoldStartPoint(image.row(y - 1) + first, row + first, last - first)) {
            for (int i = x; i < end; ++i) {
                if (row[i] & kMarkBit) {
                    idRow[i] = markedPixelIndex(image, i, y);
                }
            }
        } else {
            for (int i = x; i < end; ++i) {
                idRow[i] = uint8_t(row[i] & kMarkBit);
            }
        }
    }
}

void KelvoIdBuffer::assignOutlineRow(int y, std::array<int32_t, 256>& outlinePixels) {
    const int w = width();
    const int h = height();
    uint8_t* const line = m_ids.indices.data() + std::size_t(y) * std::size_t(w);
    uint8_t* const end = line + w;
    for (uint8_t* p = line;
         (p = static_cast<uint8_t*>(std::memchr(p, kUnassignedOutline, std::size_t(end - p))));
         ++p) {
        const int x = int(p - line);
        uint8_t inner = 0;
        if (y > 0 && isInterior(p[-w])) {
            inner = p[-w];
        } else if (x + 1 < w && isInterior(p[1])) {
            inner = p[1];
        } else if (y + 1 < h && isInterior(p[w])) {
            inner = p[w];
        } else if (x > 0 && isInterior(p[-1])) {
            inner = p[-1];
        }
        *p = inner == 0 ? kNoRegion : uint8_t(inner + 1);
        ++outlinePixels[*p];
    }
}

uint8_t KelvoIdBuffer::markedPixelIndex(const KelvoPixelBuffer& image, int x, int y) {
    if (!kelvoIsStartPoint(image, x, y)) {
        return kUnassignedOutline;
    }
    const uint32_t key = kelvoStartPointKey(image.at(x, y));
    m_startPoints.push_back({x, y, key});
    KelvoIdRegion& region = m_regions[key];
    const uint8_t subIndex = uint8_t(region.subRegions.size());
    const int even = addPalettePair(kelvoRgb(255, subIndex, key), kelvoRgb(0, subIndex, key), key);
    if (even < 0) {
        if (region.subRegions.empty()) {
            m_regions.erase(key);
        }
        return kUnassignedOutline;
    }
    m_colours[key].push_back({subIndex, m_ids.palette[std::size_t(even)],
                              m_ids.palette[std::size_t(even) + 1], even, even + 1});
    region.subRegions.push_back({subIndex, 0, x, y});
    return uint8_t(even);
}

void KelvoIdBuffer::addOutlineCounts(const std::array<int32_t, 256>& outlinePixels) {
    for (std::size_t index = 2; index < outlinePixels.size(); ++index) {
        if (outlinePixels[index] == 0 || m_keyOfIndex[index] < 0) {
            continue;
        }
        const auto region = m_regions.find(uint32_t(m_keyOfIndex[index]));
        if (region != m_regions.end()) {
            region->second.outlineCount += outlinePixels[index];
        }
    }
    for (auto& entry : m_regions) {
        entry.second.outlineCount -= kOutlineCountBias;
    }
}
