// The editor's generation path without its dialogs: the prepared region map becomes the
// generator's regions, the generator codes the picture and the result is saved losslessly.
// The encoder window runs it behind its progress and save dialogs; the benchmarks run it alone.
#pragma once

#include "kelvogenerator.h"
#include "thes_data.h"

#include <QImage>
#include <QString>

#include <functional>
#include <set>

class KelvoCodedImageBuilder {
public:
    // The generator's view of `regions`: texts, dictionary entries, image parts and the shaped
    // texts' records (coded before), leaving out the regions in `hidden`.
    static KelvoRegionMap generatorRegions(const TheS_RegionMap& regions,
                                           const std::set<int>& hidden = {});

    // Codes `regions` into `picture`; see KelvoGenerator::generate().
    static bool generate(const QImage& picture, const TheS_RegionMap& regions,
                         const std::set<int>& hidden, bool clearMarks, uint32_t firstKey,
                         QImage& output, const KelvoGenerator::Progress& progress = {},
                         KelvoGeneratorError* error = nullptr);

    // `fileName` with ".png" appended unless the file name's own extension contains "png"
    // (compared case-sensitively, so "x.PNG" becomes "x.PNG.png"; folder names do not count).
    static QString pngFileName(const QString& fileName);
};
