// Reads the regions and their data from a coded picture.
//
// The picture's marks give the regions (kelvoidbuffer.h); each region's data pixels carry its
// payload (kelvolengthheader.h) at the packing level held by its first start point
// (kelvostartpoint.h, kelvopackinglevels.h). Pictures come from outside: nothing read from
// them can make the decoder read out of bounds, loop without end or allocate beyond a bound
// set by the picture's size.
#pragma once

#include "kelvodata.h"
#include "kelvoidregion.h"
#include "kelvoimgcoder.h"

#include <cstdint>
#include <map>

class KelvoPayloadReader;

class KelvoImgLSBsDecoder : public KelvoImgCoder {
public:
    explicit KelvoImgLSBsDecoder(const KelvoPixelBuffer& image);

    // True when some pixel is a start point; never for a picture that cannot be coded.
    bool isCoded() const;

    // Empties the three outputs, then, for a codable picture, fills them (reusing the memory
    // of the id image and the marks picture):
    //   idImage  the picture's id image (kelvoidbuffergenerator.h)
    //   data     per region key: the records, with sub-indices renumbered densely (distinct
    //            values in ascending order become 0, 1, ...) and display colour
    //            (255, sub-index, key); the colour list; the record stream as read; the level.
    //            A region whose level is 0 or 15, or whose data are cut short or refused by
    //            the stream reader, is present without records.
    //   marks    the marks picture (kelvomarkspicture.h)
    void decode(KelvoIndexedImage& idImage, std::map<uint32_t, KelvoDataObjs>& data,
                KelvoArgbImage& marks);
    // The same without the marks picture, which only a viewer shows.
    void decode(KelvoIndexedImage& idImage, std::map<uint32_t, KelvoDataObjs>& data);

    // The regions found by the last decode, with their start points and pixel counts.
    const std::map<uint32_t, KelvoIdRegion>& regions() const { return m_regions; }

    // Seeds the marks picture's colours; by default they are seeded from the clock.
    void setMarksSeed(uint64_t seed) { m_marksSeed = seed; }

private:
    KelvoDataObjs regionData(uint32_t key, int level, const KelvoPayloadReader& reader);

    uint64_t m_marksSeed;
    std::map<uint32_t, KelvoIdRegion> m_regions;
};
