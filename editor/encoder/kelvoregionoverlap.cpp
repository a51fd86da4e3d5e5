#include "kelvoregionoverlap.h"

#include "kelvooverlapmask.h"

namespace {

KelvoOverlapMask textMask(const TheS_RegionMap& regions, QSize picture) {
    KelvoOverlapMask mask(picture);
    for (const auto& [number, region] : regions) {
        if (region.isTextLike()) {
            mask.add(region.outlines);
        }
    }
    return mask;
}

} // namespace

bool KelvoRegionOverlap::outlineFree(const QPolygon& outline, const TheS_RegionMap& regions,
                                     QSize picture, const KelvoOverlapMask* coded) {
    KelvoOverlapMask selection(picture);
    selection.add(outline);
    if (!KelvoOverlapMask::disjoint(selection, textMask(regions, picture))) {
        return false;
    }
    return !coded || KelvoOverlapMask::disjoint(*coded, selection);
}

bool KelvoRegionOverlap::imagesFree(const TheS_RegionMap& regions, QSize picture,
                                    const KelvoOverlapMask* coded) {
    KelvoOverlapMask images(picture);
    for (const auto& [number, region] : regions) {
        if (!region.isImageRegion()) {
            continue;
        }
        // Image parts may not lie on each other either: the later one would take the pixels.
        KelvoOverlapMask part(picture);
        part.add(region.outlines);
        if (!KelvoOverlapMask::disjoint(part, images)) {
            return false;
        }
        images.add(region.outlines);
    }
    if (!KelvoOverlapMask::disjoint(textMask(regions, picture), images)) {
        return false;
    }
    return !coded || KelvoOverlapMask::disjoint(*coded, images);
}
