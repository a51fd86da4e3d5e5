// What a viewer holds for one decoded region. The viewer (the widgets' parent) owns the
// widgets; the map owns the records.
#pragma once

#include <QPixmap>
#include <QPoint>

#include <cstdint>
#include <map>
#include <vector>

class KelvoTextWidget;
class KelvoViewerShapedText;

struct RegionViewerObjects {
    KelvoTextWidget* textWidget = nullptr; // the region's text or dictionary balloon, or null
    std::vector<KelvoViewerShapedText*> shapedTexts; // in creation order
    // The region's image annotation, transparent outside the region's fill pixels, covering
    // the bounding box of those pixels; null when the region has no image.
    QPixmap image;
    QPoint imageOrigin; // picture coordinates of the pixmap's top-left
};

// Region key -> objects, ascending keys.
using RegionViewerMap = std::map<uint32_t, RegionViewerObjects>;
