// What the encoder works out from the region mask and the data alone, before it looks at a
// pixel: each region's key and serialised payload, and the outlines and start points placed
// for the mask. Made on its own, it can be worked out while the picture is still being read.
#pragma once

#include "kelvodata.h"
#include "kelvoencoderesult.h"
#include "kelvoidbuffer.h"
#include "kelvoidbufferstruct.h"

#include <cstdint>
#include <memory>
#include <vector>

// Called between encoding phases: three times while a plan is made and once per region as
// soon as its payload has been written.
using KelvoProgressFunc = void (*)(void* context);

// One region's payload as it will be written.
struct KelvoRegionPayload {
    uint32_t key = 0;
    std::vector<uint8_t> records;
    bool hasColours = false;
    std::vector<uint8_t> colours;
    int requestedLevel = 0;
};

class KelvoEncodePlan {
public:
    // Plans `data` over `regions`, the i-th entry of `data` getting key firstKey + i. The
    // mask is not copied: it must stay alive and unchanged until the plan has been encoded.
    // Refuses, leaving the plan empty, when the mask has no pixels or its mode is not
    // kOutlineMode, a key would reach 64, a region's records or colours exceed
    // KelvoDataProcessor::kMaxStreamLength, or a region gets no start point (its colour
    // entries are not found in the mask, or its interior is too small).
    KelvoEncodeResult make(const KelvoIdBufferStruct& regions,
                           const std::vector<KelvoDataObjs>& data, uint32_t firstKey,
                           KelvoProgressFunc progress = nullptr, void* context = nullptr);

    bool ready() const { return m_placed != nullptr; }
    const KelvoIdBufferStruct& regions() const { return m_regions; }
    const std::vector<KelvoRegionPayload>& payloads() const { return m_payloads; }
    // The regions as placed: outlines, interiors and start points.
    const KelvoIdBuffer& placed() const { return *m_placed; }
    uint32_t firstKey() const { return m_firstKey; }

private:
    KelvoIdBufferStruct m_regions;
    std::vector<KelvoRegionPayload> m_payloads;
    std::unique_ptr<KelvoIdBuffer> m_placed;
    uint32_t m_firstKey = 0;
};
