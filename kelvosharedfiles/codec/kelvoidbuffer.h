// Which pixels belong to which region, as the encoder places regions and as a reader finds
// them again from the marks in the picture.
//
// Marks: outline pixels of a region have B0 = 1, interior pixels B0 = 0, and each connected
// interior part has a start point (kelvostartpoint.h) just inside its outline, whose left and
// upper neighbours are outline pixels.
//
// Reading a picture (rebuildFromMarks), in this order:
//   1. Raster scan: each pixel with B0 = 1 that passes the start point test becomes a start
//      point of the key it holds, numbered 0, 1, ... per key in scan order, with a new palette
//      pair (255, s, k) / (0, s, k); every other pixel with B0 = 1 takes index 1. A start point
//      beyond the palette's 127 pairs is an ordinary marked pixel.
//   2. In ascending key order, then start point order: flood fill (4-connected) from each start
//      point through pixels of index 0, giving them the start point's fill index.
//   3. Raster scan: each pixel of index 1 takes the outline index of the first neighbour
//      (looked at up, right, down, left) holding a fill index, or 0 without one.
// A region's pixels are then those of its fill and outline indices; its data pixels are these
// less its start points and their 4-neighbours, visited in raster order (kelvodatapixels.h).
#pragma once

#include "kelvoidbuffergenerator.h"
#include "kelvoidregion.h"
#include "kelvostartpoint.h"

#include <array>
#include <cstdint>
#include <map>
#include <vector>

class KelvoIdBuffer : public KelvoIdBufferGenerator {
public:
    using Regions = std::map<uint32_t, KelvoIdRegion>;

    using KelvoIdBufferGenerator::KelvoIdBufferGenerator;

    const Regions& regions() const { return m_regions; }

    // Encoder, after buildFromMask: even indices are interior, odd ones outline.
    //   - Outline: every pixel that is not interior and has an interior 4-neighbour (looked at
    //     left, up, right, down) is an outline pixel of the region owning its index; one that
    //     has no owner (the mask left the interior open there) becomes an outline pixel of that
    //     neighbour's region, so that every interior is closed. All other pixels become 0.
    //   - Separation: an interior pixel with a 4-neighbour of another region becomes an
    //     outline pixel of its own region. Every outline pixel then touches interiors of its
    //     own region only, so that any reader gives it to that region.
    //   - Start points: scanning rows and columns 1 .. size-2, an interior pixel not yet
    //     reached from another start point whose left and upper neighbours are outline pixels
    //     of its own pair, whose right and lower neighbours belong to that pair too, and which
    //     lies more than two rows or columns away from every start point chosen before, so
    //     that signatures neither overwrite each other nor form a start point between them.
    //     The interior reached from it (same index, 4-connected) is its sub-region.
    void generateRegions();

    // Reader: rebuilds palette, colour entries, regions and id image from the marks of `image`
    // (which must have this buffer's size; otherwise everything stays empty).
    void rebuildFromMarks(const KelvoPixelBuffer& image);
    // Every start point the reader's scan found, in raster order, those beyond the palette too.
    const std::vector<KelvoStartPointAt>& startPoints() const { return m_startPoints; }

private:
    void thinOutlines(std::array<int32_t, 256>& outlinePixels);
    void separateRegions(std::array<int32_t, 256>& outlinePixels);
    void placeStartPoints();
    // Steps 1 and 3 of reading, one row per call. Kept out of line: a WebAssembly engine moves
    // a function to optimised code between its calls, never during one, so a whole-picture
    // loop in one call would run in baseline code throughout.
    [[gnu::noinline]] void readMarkedRow(const KelvoPixelBuffer& image, int y);
    [[gnu::noinline]] void assignOutlineRow(int y, std::array<int32_t, 256>& outlinePixels);
    // Index 1 or the fill index of the start point found at (x, y).
    uint8_t markedPixelIndex(const KelvoPixelBuffer& image, int x, int y);
    // Adds the counted outline pixels per palette index to their regions.
    void addOutlineCounts(const std::array<int32_t, 256>& outlinePixels);

    Regions m_regions;
    std::vector<KelvoStartPointAt> m_startPoints;
};
