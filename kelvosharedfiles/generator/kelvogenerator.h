// Drives the encoder for the editor and the command-line tool: generates a coded picture from
// a region map. (The coded-data test and erasing are kelvocodedpicture.h and kelvomarkeraser.h.)
#pragma once

#include "kelvodata.h"
#include "kelvoencodeplan.h"
#include "kelvogeneratorerror.h"
#include "kelvogeneratorregion.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

// What generate() works out before it needs the picture's pixels: the records, the region
// mask and the encoder's plan (kelvoencodeplan.h). Prepared on its own, it can be worked out
// while the picture is still being read.
struct KelvoGeneratorPlan {
    QSize size;
    uint32_t firstKey = 0;
    std::vector<KelvoDataObjs> data; // the regions that carry data, in key order
    std::vector<int> numbers;        // and their region numbers
    QImage mask;
    KelvoEncodePlan encoding;
};

class KelvoGenerator {
public:
    // Called three times before the regions are embedded and once as each region is written.
    using Progress = std::function<void()>;

    // Highest region number that keeps the fill and outline colours of its mask apart.
    static constexpr int kMaxRegionNumber = 254;

    // The records and colour list that `region` is coded with; `number` gives their display
    // colour. Image snippets that cannot be prepared are left out.
    static KelvoDataObjs buildRecords(int number, const KelvoGeneratorRegion& region);

    // Codes `regions` into `source` (a copy, unless the caller moves its picture in) and
    // stores it in `output`. With `clearMarks` blue bit 0 of every pixel is cleared first (for
    // pictures without coded data); regions that carry data get keys from `firstKey` upward.
    // False when the picture cannot hold the data, leaving `output` unchanged; `error`, when
    // given, then receives the encoder's reason (kelvoencoderesult.h) and the number of the
    // region at fault. Region numbers must lie in 0..kMaxRegionNumber, at most 64 - firstKey
    // regions may carry data, and each region's records must stay within what one stream holds.
    static bool generate(QImage source, QImage& output, const KelvoRegionMap& regions,
                         bool clearMarks, uint32_t firstKey, const Progress& progress = {},
                         KelvoGeneratorError* error = nullptr);

    // The first half of generate(), for a picture of `size`: false, with the reason in
    // `error`, for the refusals that need no pixels (region numbers, stream lengths, keys, a
    // region without interior).
    static bool prepare(const QSize& size, const KelvoRegionMap& regions, uint32_t firstKey,
                        KelvoGeneratorPlan& plan, const Progress& progress = {},
                        KelvoGeneratorError* error = nullptr);

    // The second half: codes `plan` into `source`, which must have the plan's size.
    static bool generate(QImage source, QImage& output, const KelvoGeneratorPlan& plan,
                         bool clearMarks, const Progress& progress = {},
                         KelvoGeneratorError* error = nullptr);
};
