// Decoded records as JSON: {"type": t, "subIndex": s, "payload": "lower-case hex"}, plus
//   type 0 and 6: "text", the payload read as Latin-1;
//   type 1:       "shapes", every object of every readable block (kelvoshapejson.h), and
//                 "unreadableBlocks" when some block could not be read;
//   type 2:       "size", the payload's length.
#pragma once

#include "kelvodata.h"

#include <QJsonObject>

class KelvoRecordJson {
public:
    static QJsonObject toJson(const KelvoData& record);
};
