// One image snippet while the generator prepares it for a TypeImage record.
#pragma once

#include <QImage>
#include <QRgb>

#include <cstdint>
#include <vector>

struct KelvoImageObjs {
    QImage snippet;                    // the grabbed picture
    QRgb colour = 0;                   // the region's fill colour, used in the snippet's own mask
    std::vector<uint8_t> pixelIndices; // palette index of each selected pixel, raster order
    std::vector<uint32_t> colourTable; // the palette, 0x00RRGGBB in palette order
};
