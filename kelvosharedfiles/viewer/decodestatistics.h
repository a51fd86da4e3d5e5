// The counts of a decoded picture.
#pragma once

#include <cstdint>

struct DecodeStatistics {
    int32_t annotatedAreas = 0;    // regions that carry data
    int32_t unformattedTexts = 0;  // text records
    int32_t formattedTexts = 0;    // shape items of shaped-text records, whatever their kind
    int32_t encodedImages = 0;     // image records
    int32_t translatableTexts = 0; // dictionary references the dictionaries know

    bool operator==(const DecodeStatistics& o) const {
        return annotatedAreas == o.annotatedAreas && unformattedTexts == o.unformattedTexts &&
               formattedTexts == o.formattedTexts && encodedImages == o.encodedImages &&
               translatableTexts == o.translatableTexts;
    }
};
