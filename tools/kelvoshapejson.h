// Shaped texts read from JSON objects, in the form the decode report writes them
// (kelvodecodereport.h of kelvo_report):
//
//   {"kind": 1..4, "x": .., "y": .., "labelX": .., "labelY": .., "rect": [l, t, r, b],
//    "text": "..", "font": {"family": "Helvetica", "pointSize": 12, "weight": 50,
//    "italic": false}, "alignment": 1..3, "textColour": "#rrggbb", "outlineColour": "#rrggbb",
//    "backgroundColour": "#rrggbb", "filled": true, "outlineWidth": 1,
//    "peak": [x, y], "angles": [a1, a2]       (kind 3 only)
//    "circles": [[x, y, w, h], ...]}          (kind 4 only)
//
// Reading needs only "kind"; the other fields default to a new shaped text's looks in the
// editor (Helvetica 12, centred black text on a white body with a black 1-pixel outline, body
// (0, 0, 149, 69)).
#pragma once

#include "kelvojsonreader.h"
#include "kelvotextobj.h"

#include <QJsonObject>

#include <cstdint>
#include <vector>

class KelvoShapeJson {
public:
    // The serialized shaped-text block of the object described at `path`.
    static std::vector<uint8_t> block(const KelvoJsonReader& reader, const QJsonValue& value,
                                      const QString& path);
    // The object described at `path`.
    static KelvoComicEllipseObj object(const KelvoJsonReader& reader, const QJsonValue& value,
                                       const QString& path);
};
