#include "referencereader.h"

#include "codectestsupport.h"
#include "kelvodataprocessor.h"

#include <cstdlib>
#include <utility>

namespace {

constexpr auto red = [](uint32_t p) { return int(p >> 16 & 0xFF); };
constexpr auto green = [](uint32_t p) { return int(p >> 8 & 0xFF); };
constexpr auto blue = [](uint32_t p) { return int(p & 0xFF); };
constexpr auto marked = [](uint32_t p) { return (p & 1) != 0; };

bool signature(uint32_t p, int r, int g, int b) {
    return (red(p) & 0x1F) == r && (green(p) & 0x1F) == g && (blue(p) & 0x1E) == b;
}

// Bits per channel of each packing level: R from bit 0, G from bit 0, B from bit 1.
struct LevelBits {
    int r, g, b;
};
const LevelBits kLevels[15] = {{0, 0, 0}, {1, 1, 0}, {1, 1, 1}, {2, 1, 1}, {2, 2, 1},
                               {2, 2, 2}, {3, 2, 2}, {3, 3, 2}, {3, 3, 3}, {4, 3, 3},
                               {4, 4, 3}, {4, 4, 4}, {5, 4, 4}, {5, 5, 4}, {8, 8, 7}};

constexpr uint32_t kNoColourTable = 1000;
constexpr std::size_t kMaxPaletteSize = 256;

class Reader {
public:
    explicit Reader(const KelvoPixelBuffer& picture)
        : m_picture(picture), m_width(picture.width), m_height(picture.height),
          m_ids(std::size_t(m_width) * std::size_t(m_height), 0) {}

    ReferenceReading read() {
        ReferenceReading out;
        findMarks();
        if (m_palette.size() > kMaxPaletteSize) {
            out.defined = false;
            return out;
        }
        fillRegions();
        assignOutlines();
        for (auto& [key, region] : m_regions)
            readPayload(key, region);
        out.idImage.width = m_width;
        out.idImage.height = m_height;
        out.idImage.palette = m_palette;
        for (int index : m_ids)
            out.idImage.indices.push_back(uint8_t(index));
        out.regions = std::move(m_regions);
        out.spansCrossedRegions = m_spansCrossedRegions;
        return out;
    }

private:
    struct Entry {
        uint32_t key;
        int fillIndex;
    };

    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    uint32_t pixel(int x, int y) const { return m_picture.at(x, y); }
    int& id(int x, int y) { return m_ids[std::size_t(y) * std::size_t(m_width) + std::size_t(x)]; }

    bool isStartPoint(int x, int y) const {
        if (x < 1 || y < 1 || x > m_width - 2 || y > m_height - 2)
            return false;
        if (!marked(pixel(x, y)) || !marked(pixel(x, y - 1)) || !marked(pixel(x - 1, y)))
            return false;
        const int nx[4] = {x, x - 1, x + 1, x}, ny[4] = {y - 1, y, y, y + 1};
        std::vector<int> first, second;
        int withMark = 0;
        for (int i = 0; i < 4; ++i) {
            const uint32_t p = pixel(nx[i], ny[i]);
            if (signature(p, 9, 30, 0x14))
                first.push_back(i);
            if (signature(p, 23, 6, 0x12))
                second.push_back(i);
            if (marked(p))
                ++withMark;
        }
        if (first.size() != 2 || second.size() != 2)
            return false;
        const auto apart = [&](const std::vector<int>& two) {
            return nx[two[0]] != nx[two[1]] && ny[two[0]] != ny[two[1]];
        };
        return apart(first) && apart(second) && withMark >= 2 &&
               marked(pixel(nx[first[0]], ny[first[0]])) &&
               marked(pixel(nx[first[1]], ny[first[1]]));
    }

    // Marked pixels become start points (with a fill index of their own) or index 1.
    void findMarks() {
        m_palette = {0xFFFFFFFF, 0xFF00FFD2};
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                if (!marked(pixel(x, y)) || id(x, y) != 0)
                    continue;
                if (!isStartPoint(x, y)) {
                    id(x, y) = 1;
                    continue;
                }
                const uint32_t p = pixel(x, y);
                const uint32_t key = uint32_t((blue(p) >> 1 & 7) + 8 * (green(p) & 7));
                ReferenceRegion& region = m_regions[key];
                const int sub = int(region.startPoints.size());
                region.startPoints.push_back({x, y, sub});
                const int fillIndex = int(m_palette.size());
                m_entries.push_back({key, fillIndex});
                m_palette.push_back(0xFFFF0000 | uint32_t(sub & 0xFF) << 8 | key);
                m_palette.push_back(0xFF000000 | uint32_t(sub & 0xFF) << 8 | key);
                id(x, y) = fillIndex;
            }
        }
    }

    // Two-stack scanline fill from (sx, sy); stops at index 1 and at `fillIndex`.
    int floodFill(int sx, int sy, int fillIndex) {
        const auto open = [&](int x, int y) {
            return inside(x, y) && id(x, y) != 1 && id(x, y) != fillIndex;
        };
        const auto border = [&](int x, int y) {
            return inside(x, y) && (id(x, y) == 1 || id(x, y) == fillIndex);
        };
        std::vector<std::pair<int, int>> above = {{sx, sy}}, below;
        int count = 0;
        const auto fillPixel = [&](int x, int y, bool first) {
            m_spansCrossedRegions = m_spansCrossedRegions || id(x, y) != 0;
            id(x, y) = fillIndex;
            ++count;
            for (int dy : {-1, 1}) {
                if (!inside(x, y + dy) || id(x, y + dy) != 0)
                    continue;
                if (first || border(x - 1, y + dy) || border(x + 1, y + dy))
                    (dy < 0 ? above : below).push_back({x, y + dy});
            }
        };
        while (!above.empty() || !below.empty()) {
            auto& stack = above.empty() ? below : above;
            const auto [x, y] = stack.back();
            stack.pop_back();
            if (!open(x, y))
                continue;
            fillPixel(x, y, true);
            for (int r = x + 1; open(r, y); ++r)
                fillPixel(r, y, false);
            for (int l = x - 1; open(l, y); --l)
                fillPixel(l, y, false);
        }
        return count;
    }

    void fillRegions() {
        std::map<uint32_t, std::vector<int>> fillIndices;
        for (const Entry& e : m_entries)
            fillIndices[e.key].push_back(e.fillIndex);
        for (auto& [key, region] : m_regions) {
            for (std::size_t i = 0; i < region.startPoints.size(); ++i) {
                const ReferenceStartPoint& s = region.startPoints[i];
                const int fillIndex = fillIndices[key][i];
                id(s.x, s.y) = 0;
                const int filled = floodFill(s.x, s.y, fillIndex);
                region.fillCount += filled - 1 - (id(s.x + 1, s.y) != 1) - (id(s.x, s.y + 1) != 1);
            }
        }
    }

    uint32_t keyOfFillIndex(int index) const {
        for (const Entry& e : m_entries)
            if (e.fillIndex == index)
                return e.key;
        return UINT32_MAX;
    }

    void assignOutlines() {
        std::map<uint32_t, int> counted;
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                if (id(x, y) != 1)
                    continue;
                const int nx[4] = {x, x + 1, x, x - 1}, ny[4] = {y - 1, y, y + 1, y};
                int index = 0;
                for (int i = 0; i < 4 && index == 0; ++i)
                    if (inside(nx[i], ny[i]) && keyOfFillIndex(id(nx[i], ny[i])) != UINT32_MAX)
                        index = id(nx[i], ny[i]) + 1;
                id(x, y) = index;
                if (index != 0)
                    ++counted[keyOfFillIndex(index - 1)];
            }
        }
        for (auto& [key, region] : m_regions)
            region.outlineCount = counted[key] - 2;
    }

    bool isRegionStartPoint(const ReferenceRegion& region, int x, int y, int distance) const {
        for (const ReferenceStartPoint& s : region.startPoints)
            if (std::abs(s.x - x) + std::abs(s.y - y) == distance)
                return true;
        return false;
    }

    std::vector<uint32_t> dataPixels(uint32_t key, const ReferenceRegion& region) {
        std::vector<uint32_t> pixels;
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                const int index = id(x, y);
                const int fillIndex = index % 2 == 0 ? index : index - 1;
                if (index < 2 || keyOfFillIndex(fillIndex) != key ||
                    isRegionStartPoint(region, x, y, 0) || isRegionStartPoint(region, x, y, 1))
                    continue;
                pixels.push_back(pixel(x, y));
            }
        }
        return pixels;
    }

    static uint32_t headerValue(const std::vector<uint32_t>& pixels, std::size_t at) {
        uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            const uint32_t p = pixels[at + i];
            const uint32_t byte =
                uint32_t((red(p) & 7) | (green(p) & 7) << 3 | (blue(p) >> 1 & 3) << 6);
            value |= byte << (8 * i);
        }
        return value;
    }

    // Reads `length` bytes from data pixel `at` on; false when the pixels run out first.
    static bool readBytes(const std::vector<uint32_t>& pixels, std::size_t& at, uint32_t length,
                          const LevelBits& bits, std::vector<uint8_t>& out) {
        const uint64_t perPixel = uint64_t(bits.r + bits.g + bits.b);
        const uint64_t needed = (uint64_t(length) * 8 + perPixel - 1) / perPixel;
        if (needed > pixels.size() - at)
            return false;
        std::vector<int> stream; // the pixels' bits in carrying order
        for (uint64_t i = 0; i < needed; ++i) {
            const uint32_t p = pixels[at + i];
            for (int b = 0; b < bits.r; ++b)
                stream.push_back(red(p) >> b & 1);
            for (int b = 0; b < bits.g; ++b)
                stream.push_back(green(p) >> b & 1);
            for (int b = 1; b <= bits.b; ++b)
                stream.push_back(blue(p) >> b & 1);
        }
        out.assign(length, 0);
        for (std::size_t i = 0; i < std::size_t(length) * 8; ++i)
            out[i / 8] = uint8_t(out[i / 8] | stream[i] << (i % 8));
        at += std::size_t(needed);
        return true;
    }

    void readPayload(uint32_t key, ReferenceRegion& region) {
        region.level = red(pixel(region.startPoints[0].x, region.startPoints[0].y)) & 0xF;
        for (const ReferenceStartPoint& s : region.startPoints)
            if ((red(pixel(s.x, s.y)) & 0xF) != region.level)
                region.dataDefined = false;
        if (!region.dataDefined || region.level == 0 || region.level == 15)
            return;
        const LevelBits& bits = kLevels[region.level];
        const std::vector<uint32_t> pixels = dataPixels(key, region);
        std::size_t at = 4;
        region.dataDefined =
            pixels.size() >= 4 &&
            readBytes(pixels, at, headerValue(pixels, 0), bits, region.recordBytes) &&
            pixels.size() - at >= 4;
        if (region.dataDefined) {
            const uint32_t lengthB = headerValue(pixels, at);
            at += 4;
            region.hasColourTable = lengthB != kNoColourTable;
            region.dataDefined =
                !region.hasColourTable || readBytes(pixels, at, lengthB, bits, region.colourBytes);
        }
        if (!region.dataDefined) {
            region.recordBytes.clear();
            region.colourBytes.clear();
            return;
        }
        parse(key, region);
    }

    static void parse(uint32_t key, ReferenceRegion& region) {
        KelvoDataProcessor processor;
        KelvoPropsStruct closing;
        processor.setRaw(region.recordBytes);
        processor.parseRecords(region.records, closing, true);
        region.records = expectedRecords(std::move(region.records), key);
        if (!region.hasColourTable)
            return;
        processor.setRaw(region.colourBytes);
        if (!processor.uncompressRaw())
            return;
        const uint8_t* bytes = processor.uncompressed();
        for (std::size_t i = 0; i + 3 <= processor.uncompressedLength(); i += 3)
            region.colours.push_back(uint32_t(bytes[i]) | uint32_t(bytes[i + 1]) << 8 |
                                     uint32_t(bytes[i + 2]) << 16);
    }

    const KelvoPixelBuffer& m_picture;
    int m_width;
    int m_height;
    std::vector<int> m_ids;
    std::vector<uint32_t> m_palette;
    std::vector<Entry> m_entries; // in order of discovery = order of fill indices
    std::map<uint32_t, ReferenceRegion> m_regions;
    bool m_spansCrossedRegions = false;
};

} // namespace

ReferenceReading readReference(const KelvoPixelBuffer& picture) {
    return Reader(picture).read();
}
