// The start points of one region and its pixel counts.
#pragma once

#include "kelvoidsubregion.h"

#include <cstdint>
#include <vector>

struct KelvoIdRegion {
    std::vector<KelvoIdSubRegion> subRegions; // in raster order of their start points
    int32_t fillCount = 0;                    // sum of the sub-regions' pixel counts
    int32_t outlineCount = 0;                 // outline pixels next to the interior, minus 2
};
