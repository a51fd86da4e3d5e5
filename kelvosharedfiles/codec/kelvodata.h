// Records and per-region bundles moved between the generator, the coder and the viewers.
//
// A region's data is a list of records. Each record has a type code (stored in 4 bits), a
// sub-index naming the start point of the region it belongs to (stored in 4 bits) and a payload
// whose bytes depend on the type:
//
//   TypeText        Latin-1 characters, no terminator
//   TypeShapedText  a shaped-text block (kelvotextshapes.h)
//   TypeImage       one palette index per selected snippet pixel, raster order
//   TypeDictEntry   Latin-1 text "<_ID n>" (only for n >= 0) + "<word>" + term
//
// Codes 3, 4 and 5 pass through unchanged; codes above 6 are written as 0.
#pragma once

#include <cstdint>
#include <vector>

enum KelvoDataType : uint32_t {
    TypeText = 0,
    TypeShapedText = 1,
    TypeImage = 2,
    TypeDictEntry = 6,
};

// One record. The display colour is not stored in the picture: the generator sets it to the
// region's mask fill colour, the decoder to (255, sub-index, region key).
struct KelvoData {
    int32_t red = 0;
    int32_t green = 0;
    int32_t blue = 0;
    std::vector<uint8_t> payload;
    uint32_t type = TypeText;
    uint8_t subIndex = 0;

    bool operator==(const KelvoData& o) const {
        return red == o.red && green == o.green && blue == o.blue && payload == o.payload &&
               type == o.type && subIndex == o.subIndex;
    }
};

// All data of one region.
struct KelvoDataObjs {
    std::vector<KelvoData> records;
    std::vector<uint8_t> recordStream; // compressed record stream, filled by the encoder
    std::vector<uint32_t> colours;     // 0x00RRGGBB; the palette of the region's image snippet
    int32_t packingLevel = 0;          // 0 = automatic
};
