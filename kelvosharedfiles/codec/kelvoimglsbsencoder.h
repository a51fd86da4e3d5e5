// Writes each region's data into the low bits of the region's own pixels.
//
// The regions come as a mask (kelvoidbufferstruct.h); the i-th entry of the data list is the
// region whose records' display colour is its mask interior colour, and gets region key
// firstKey + i. The encoder places outline marks and start points (kelvoidbuffer.h,
// kelvostartpoint.h), reads the marked picture back the way any reader will, and writes each
// region's payload (kelvolengthheader.h) into exactly the data pixels found there
// (kelvodatapixels.h) at a packing level that holds it (kelvopackinglevels.h). Interior
// parts without a start point, and outline pixels that touch only such parts, carry nothing.
#pragma once

#include "kelvodata.h"
#include "kelvoencodeplan.h"
#include "kelvoencoderesult.h"
#include "kelvoidbufferstruct.h"
#include "kelvoimgcoder.h"

#include <cstdint>
#include <vector>

class KelvoImgLSBsEncoder : public KelvoImgCoder {
public:
    KelvoImgLSBsEncoder(const KelvoPixelBuffer& image, KelvoProgressFunc progress = nullptr,
                        void* context = nullptr);

    // Codes `data` into the picture in place and makes every pixel opaque. With `clearMarks`
    // B0 of every pixel is cleared first (a picture without coded data); without it, B0 is
    // cleared only where the mask has a region, and the regions already coded must keep all
    // their pixels. Refuses, leaving the picture unchanged and saying why
    // (kelvoencoderesult.h), when the picture cannot be coded, the mask's size differs or its
    // mode is not kOutlineMode, a key would reach 64, a region's records or colours exceed
    // KelvoDataProcessor::kMaxStreamLength, a region has no start point or cannot hold its data
    // at level 14, the colour entries of a region are not found in the mask, or the new marks
    // would change an existing region or not be read back as placed.
    KelvoEncodeResult encode(const KelvoIdBufferStruct& regions,
                             const std::vector<KelvoDataObjs>& data, bool clearMarks,
                             uint32_t firstKey);

    // The same with the plan made beforehand (kelvoencodeplan.h), for a mask of this picture's
    // size; the plan's progress steps are not repeated.
    KelvoEncodeResult encode(const KelvoEncodePlan& plan, bool clearMarks);

    // The same, writing the coded picture into `target` (32 bits, this picture's size, apart
    // from it) and leaving this picture unchanged; `target` holds anything after a refusal.
    KelvoEncodeResult encode(const KelvoEncodePlan& plan, bool clearMarks,
                             const KelvoPixelBuffer& target);

    // Data pixels written so far by the running or last encode (for progress displays).
    uint64_t pixelsWritten() const { return m_pixelsWritten; }

private:
    void progress() const;

    KelvoProgressFunc m_progress;
    void* m_context;
    uint64_t m_pixelsWritten = 0;
};
