// What the generator codes: the regions an author marked on a picture and the data attached to
// each, independent of the editor's widgets.
#pragma once

#include "kelvodata.h"

#include <QImage>
#include <QPolygon>
#include <QString>

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

// An image snippet: the grabbed picture and the outline of its selected area, in the snippet's
// own coordinates.
struct KelvoImageSnippet {
    QImage image;
    QPolygon polygon;
};

// A reference to a dictionary item; id -1 when the item has none.
struct KelvoDictEntryRef {
    int id = -1;
    QString word; // the coded word; an empty word gives no record
    QString term;
};

// One region. Records are built in this order: texts, image snippets, shaped texts, raw
// records, dictionary entry.
struct KelvoGeneratorRegion {
    std::vector<QPolygon> polygons; // picture coordinates
    std::vector<QString> texts;     // unformatted texts, coded as Latin-1
    std::vector<KelvoImageSnippet> images;
    std::vector<std::vector<uint8_t>> shapedTexts; // serialized shaped-text blocks
    std::vector<KelvoData> records;                // raw records (type, sub-index, payload)
    std::vector<uint32_t> colours; // raw colour list 0x00RRGGBB; when set it replaces the
                                   // palette of the image snippets
    std::optional<KelvoDictEntryRef> dictEntry;
};

// Regions by region number, ascending. The number n selects the region's mask colours: fill
// (n, 255, 0) and outline (255, n, 0); numbers 0 to 254 can be coded.
using KelvoRegionMap = std::map<int, KelvoGeneratorRegion>;
