// How many bytes a region's data take, how many its data pixels hold and at which packing
// level they are written. The encoder decides with these figures, and the editor and the
// command-line tool show them, so an author learns before generating what generating will do.
#pragma once

#include "kelvoencodeplan.h"

#include <cstdint>
#include <vector>

struct KelvoRegionCapacity {
    uint64_t bytes = 0;  // the payload: compressed records and colour table
    uint64_t room = 0;   // the most payload bytes the data pixels hold, headers taken off
    uint64_t pixels = 0; // the data pixels
    int level = 0;       // the packing level the data are written at; 0 when they do not fit

    bool fits() const { return level != 0; }
    // Whether the level changes the pixels enough to be seen (kFirstVisibleLevel).
    bool visible() const;
};

// The figures of `payload` over `dataPixels` data pixels. fits() exactly when bytes <= room.
KelvoRegionCapacity kelvoRegionCapacity(const KelvoRegionPayload& payload, uint64_t dataPixels);

// The figures of each region of a ready plan, in the order of its payloads, with the data
// pixels of the regions as placed (a reader finds the same ones in the coded picture).
std::vector<KelvoRegionCapacity> kelvoPlanCapacity(const KelvoEncodePlan& plan);
