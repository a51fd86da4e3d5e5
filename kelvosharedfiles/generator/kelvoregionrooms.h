// The room each region of a region map has for its data, worked out by the generator's own
// plan before any pixel is coded: what the editor shows while the author works and what
// kelvo-tool's capacity command prints.
#pragma once

#include "kelvogeneratorregion.h"
#include "kelvoregioncapacity.h"

#include <QSize>
#include <QString>

#include <map>

struct KelvoRegionRoom {
    KelvoRegionCapacity capacity;
    // Why the generator refuses the region for another reason than room (no interior, too
    // many records, ...); its figures are then unknown.
    QString problem;

    bool fits() const { return problem.isEmpty() && capacity.fits(); }
};

// By region number; regions without data have no entry.
using KelvoRegionRooms = std::map<int, KelvoRegionRoom>;

// The rooms of `regions` in a picture of `size` whose new regions are keyed from `firstKey`.
// A region the generator refuses gets its reason and the others their figures; a refusal of
// no one region (too many keys) is given to every region.
KelvoRegionRooms kelvoRegionRooms(const QSize& size, KelvoRegionMap regions, uint32_t firstKey);
