// The encoder's proof that what it is about to write will be read back as written.
#pragma once

#include "kelvoencoderesult.h"
#include "kelvoidbuffer.h"

#include <cstddef>
#include <cstdint>

// `placed`: the new regions (keys firstKey .. firstKey + count - 1) as the encoder placed
// them from the mask. `found`: what a reader finds in the marked picture. `before`: what a
// reader found in the picture before marking, or nullptr when its marks were all cleared.
// Success when
//   - every new region is found with exactly the start points it was placed with, and every
//     region found before keeps its start points and is not one of the new keys;
//   - no start point has a 4-neighbour in another region when either of the two is new (the
//     signature there would overwrite the other region's data);
//   - no interior pixel of a new region lies outside that region in the mask;
//   - every pixel of a region found before stays in it, and no other pixel joins it.
// Otherwise the failure names the new region at fault (its index from firstKey) where one
// can be told: KeyTaken, MarksClash among new regions, DisturbsCoded for regions found before.
KelvoEncodeResult kelvoLayoutHolds(const KelvoIdBuffer& placed, const KelvoIdBuffer& found,
                                   const KelvoIdBuffer* before, uint32_t firstKey,
                                   std::size_t count);
