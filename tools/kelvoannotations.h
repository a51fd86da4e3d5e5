// The annotation file of `kelvo-tool encode`:
//
//   {"clearMarks": bool, "firstKey": 0..63,                      (both optional)
//    "regions": [{"polygons": [[[x, y], ...], ...],
//                 "texts": ["..."],
//                 "images": [{"file": "path relative to this file", "polygon": [[x, y], ...]}],
//                 "shapedTexts": [shaped text (kelvoshapejson.h)],
//                 "records": [{"type": 0..15, "payload": "hex"}],
//                 "colours": [0xRRGGBB, ...],
//                 "dictEntry": {"id": int, "word": "...", "term": "..."}}]}
//
// Every region key but "polygons" is optional. Regions are numbered 1, 2, ... in file order.
#pragma once

#include "kelvogeneratorregion.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

struct KelvoAnnotations {
    std::optional<bool> clearMarks;
    std::optional<uint32_t> firstKey;
    KelvoRegionMap regions;
    // What coding will lose without failing, one line each naming the file and the region.
    QStringList warnings;
};

class KelvoAnnotationReader {
public:
    // Largest annotation file read; pictures of snippets are limited by the image reader.
    static constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;
    static constexpr int kMaxFirstKey = 63;

    // Reads the file; throws KelvoToolError naming the file and the JSON path on any fault.
    static KelvoAnnotations read(const QString& fileName);
    // Reads `text`, with snippet pictures found relative to `base`; `fileName` names the
    // document in error messages.
    static KelvoAnnotations parse(const QByteArray& text, const QString& fileName,
                                  const QDir& base);
};
