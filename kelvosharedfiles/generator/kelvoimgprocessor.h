// Prepares an image snippet for coding: the pixels inside the snippet's outline as indices into
// an 8-bit palette. A viewer puts the indices back, in raster order, into the interior pixels
// of the snippet's region, so the region should have the outline's shape.
#pragma once

#include "kelvogeneratorregion.h"
#include "kelvoimageobjs.h"

class KelvoImgProcessor {
public:
    // The snippet's selected pixels are the interior of its polygon as the region mask paints it
    // for region `number` (outline pixels excluded). A snippet deeper than 8 bits is whitened
    // outside them and converted to an 8-bit palette by Qt's colour reduction. Pixel indices
    // and colour table come out empty when the picture is empty or no pixel is selected.
    static KelvoImageObjs prepare(const KelvoImageSnippet& snippet, int number);
};
