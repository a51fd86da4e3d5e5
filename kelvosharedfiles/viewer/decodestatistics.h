// The counts of a decoded picture.
#pragma once

#include <cstdint>

struct DecodeStatistics {
    int32_t annotatedAreas = 0;    // regions that carry data
    int32_t unformattedTexts = 0;  // text records
    int32_t formattedTexts = 0;    // shaped texts built (speech and think bubbles, rectangles,
                                   // ellipses)
    int32_t encodedImages = 0;     // regions whose image is shown
    int32_t translatableTexts = 0; // dictionary references the dictionaries know
    int32_t notShown = 0;          // shaped texts and images left out over the viewer's limits

    bool operator==(const DecodeStatistics& o) const {
        return annotatedAreas == o.annotatedAreas && unformattedTexts == o.unformattedTexts &&
               formattedTexts == o.formattedTexts && encodedImages == o.encodedImages &&
               translatableTexts == o.translatableTexts && notShown == o.notShown;
    }
};
