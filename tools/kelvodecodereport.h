// The output of `kelvo-tool decode`:
//
//   {"width": W, "height": H, "coded": bool,
//    "regions": [{"key": k, "level": p,
//                 "startPoints": [{"x": .., "y": .., "subIndex": .., "pixelCount": ..}],
//                 "fillCount": .., "outlineCount": ..,
//                 "records": [record (kelvorecordjson.h)],
//                 "colours": [0xRRGGBB as integers]}]}
#pragma once

#include "kelvodecodedpicture.h"

#include <QJsonObject>

class KelvoDecodeReport {
public:
    static QJsonObject toJson(const KelvoDecodedPicture& picture);
};
