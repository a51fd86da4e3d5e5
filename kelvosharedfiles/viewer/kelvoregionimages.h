// Image annotations of regions, rebuilt from image records over the region id image.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QPoint>

#include <cstdint>
#include <map>
#include <vector>

// One region's image record: colour-list indices, one per fill pixel of the region in raster
// order, and the colour list (0x00RRGGBB).
struct KelvoRegionImageSource {
    uint32_t key = 0;
    const std::vector<uint8_t>* indices = nullptr;
    const std::vector<uint32_t>* colours = nullptr;
};

struct KelvoRegionImage {
    QPixmap pixmap; // the bounding box of the region's fill pixels
    QPoint origin;  // its top-left in picture coordinates
};

// Builds the images of `sources` (one per key) in two raster passes over `idImage` (8-bit;
// a palette entry with red 255 marks a fill pixel of the region whose key is its blue).
// Fill pixels without a byte, or whose byte indexes no colour, stay transparent; a region
// without any valid pixel, or whose bounding box no longer fits `pixelBudget` (pixels over
// all images, in ascending key order), gets no image; the latter are counted in `overBudget`
// when given.
std::map<uint32_t, KelvoRegionImage>
kelvoBuildRegionImages(const QImage& idImage, const std::vector<KelvoRegionImageSource>& sources,
                       int64_t pixelBudget, int* overBudget = nullptr);
