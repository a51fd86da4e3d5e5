// Where the regions of an encoder window may lie: text regions, image parts and the regions of a
// picture coded before must not share pixels. Hidden regions count: the author may show them
// again, and they are coded then.
#pragma once

#include "thes_data.h"

#include <QPolygon>
#include <QSize>

class KelvoOverlapMask;

namespace KelvoRegionOverlap {

// Whether `outline` (picture coordinates) shares no pixel with a text region of `regions` or,
// when given, with `coded`.
bool outlineFree(const QPolygon& outline, const TheS_RegionMap& regions, QSize picture,
                 const KelvoOverlapMask* coded);
// Whether the image regions share no pixel with each other, with text regions or with `coded`.
bool imagesFree(const TheS_RegionMap& regions, QSize picture, const KelvoOverlapMask* coded);

} // namespace KelvoRegionOverlap
