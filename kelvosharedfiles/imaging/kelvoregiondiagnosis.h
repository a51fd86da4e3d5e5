// Finds out why the encoder refused a picture, which it reports only as a failure, so that the
// author learns which region to change.
#pragma once

#include "kelvodata.h"
#include "kelvogeneratorerror.h"
#include "kelvogeneratorregion.h"

#include <QImage>

#include <cstdint>
#include <vector>

class KelvoRegionDiagnosis {
public:
    // Whether the record stream and colour table of `objs` stay within what the stream
    // processor compresses; a refused stream would be coded as empty.
    static bool streamFits(const KelvoDataObjs& objs);

    // Codes each region with data (`numbers[i]` with `data[i]`, key firstKey + i) alone into
    // `source` and names the first that fails and why: no interior a reader can find, too
    // little room for its data, or a clash with regions coded before. Without such a region
    // the regions fail only together.
    static KelvoGeneratorError explain(const QImage& source, const KelvoRegionMap& regions,
                                       const std::vector<int>& numbers,
                                       const std::vector<KelvoDataObjs>& data, bool clearMarks,
                                       uint32_t firstKey);
};
