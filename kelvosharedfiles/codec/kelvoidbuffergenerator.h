// The id image of a picture: one palette index per pixel naming the region, and the
// sub-region's interior or outline, that the pixel belongs to.
//
// Palette: 0 = white (no region), 1 = (0, 255, 210) (a marked pixel not yet given to a
// region), then one pair per colour entry: even index = interior (fill), odd index = outline.
// In a decoded id image the pair of sub-region s of region k holds (255, s, k) and (0, s, k),
// so the blue channel of a pixel's palette entry is its region key. At most 127 pairs fit.
//
// This base builds the encoder's id image from a mask; KelvoIdBuffer adds the regions.
#pragma once

#include "kelvoidbufferstruct.h"
#include "kelvoidcolorstruct.h"
#include "kelvoimagebuffers.h"

#include <array>
#include <cstdint>
#include <map>
#include <vector>

class KelvoIdBufferGenerator {
public:
    static constexpr int kMaxColourEntries = 127;
    static constexpr uint8_t kNoRegion = 0;
    static constexpr uint8_t kUnassignedOutline = 1;

    using ColourEntries = std::map<uint32_t, std::vector<KelvoIdColorStruct>>;

    // A width or height below 1 gives an empty id image. The id image reuses the memory of
    // `storage`, when given, instead of allocating its own.
    KelvoIdBufferGenerator(int width, int height, std::vector<uint8_t> storage = {});

    int width() const { return m_ids.width; }
    int height() const { return m_ids.height; }
    const KelvoIndexedImage& idImage() const { return m_ids; }
    KelvoIndexedImage takeIdImage() { return std::move(m_ids); }
    const ColourEntries& colourEntries() const { return m_colours; }
    // The region key that owns palette index `index`, or -1.
    int32_t keyOfIndex(uint8_t index) const { return m_keyOfIndex[index]; }

    // Encoder: adds colour entries to region `key` (after any it has). Their fill colours are
    // the mask's interior colours of the region.
    void registerColours(uint32_t key, const std::vector<KelvoIdColorStruct>& entries);

    // Encoder: the id image of a mask of the picture's size (a mask of another size gives an
    // empty one). In raster order each mask pixel that is not background takes the first
    // palette index of its colour; a colour not in the palette yet takes a new pair when a
    // 4-neighbour (looked at left, right, up, down) has a registered fill colour: even index =
    // that fill colour, odd index = this pixel's colour, owned by the region of the fill colour,
    // and the pixel takes the odd index. The outline colour that the mask gives a registered
    // fill colour (kelvoidbufferstruct.h) pairs only with that fill colour. The pair is
    // recorded in that region's first entry when the sub-index matches. Pixels that find no
    // pair stay 0.
    void buildFromMask(const KelvoIdBufferStruct& regions);

protected:
    void resetIdImage();
    // Appends a palette pair owned by `key`; returns its even index, or -1 when full.
    int addPalettePair(uint32_t fill, uint32_t outline, uint32_t key);

    KelvoIndexedImage m_ids;
    ColourEntries m_colours;
    std::array<int32_t, 256> m_keyOfIndex{};

private:
    // First entry, in ascending key order, whose fill or outline colour is `rgb`.
    bool findOwner(uint32_t rgb, uint32_t& key, uint8_t& subIndex) const;
};
