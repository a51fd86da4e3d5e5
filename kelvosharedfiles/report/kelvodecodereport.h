// The output of `kelvo-tool decode` and of the web module's kelvo-decode.mjs:
//
//   {"width": W, "height": H, "coded": bool,
//    "regions": [{"key": k, "level": p,
//                 "startPoints": [{"x": .., "y": .., "subIndex": .., "pixelCount": ..}],
//                 "fillCount": .., "outlineCount": ..,
//                 "records": [record],
//                 "colours": [0xRRGGBB as integers]}]}
//
// A record is {"type": t, "subIndex": s, "payload": "lower-case hex"}, plus
//   type 0 and 6: "text", the payload read as Latin-1;
//   type 1:       "shapes", every object of every readable block, and "unreadableBlocks" when
//                 some block could not be read; each object as tools/kelvoshapejson.h reads it;
//   type 2:       "size", the payload's length.
// Written as kelvojsontext.h writes JSON.
#pragma once

#include "kelvodecodedpicture.h"

#include <string>

std::string kelvoDecodeReport(const KelvoDecodedPicture& picture);
