// Drives the codec for the editor, the viewers and the command-line tool: generates a coded
// picture from a region map, tests a picture for coded data and erases marks.
#pragma once

#include "kelvodata.h"
#include "kelvoencodeplan.h"
#include "kelvogeneratorerror.h"
#include "kelvogeneratorregion.h"
#include "kelvoimagebuffers.h"

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
    KelvoRegionMap regions;
    uint32_t firstKey = 0;
    std::vector<KelvoDataObjs> data; // the regions that carry data, in key order
    std::vector<int> numbers;        // and their region numbers
    QImage mask;
    KelvoEncodePlan encoding; // not ready when the regions cannot be placed
};

class KelvoGenerator {
public:
    // Called three times before the regions are embedded and once as each region is written.
    using Progress = std::function<void()>;

    // Highest region number that keeps the fill and outline colours of its mask apart.
    static constexpr int kMaxRegionNumber = 254;

    // True when some pixel of `image` is a start point of a coded region. Pictures of fewer
    // than 24 bits per pixel are never coded.
    static bool isCoded(const QImage& image);

    // Removes all marks from `image`; the image no longer tests coded. Data bits stay. False
    // when the picture has fewer than 24 bits per pixel.
    static bool eraseAll(QImage& image);

    // Removes the marks of the region that owns palette index `idIndex` of `idImage` (the id
    // image decoded from `image`, same size), all its parts together. False, with `image`
    // unchanged, when the sizes differ or the index names no region.
    static bool eraseRegion(QImage& image, const KelvoIndexedImage& idImage, int idIndex);

    // The records and colour list that `region` is coded with; `number` gives their display
    // colour. Image snippets that cannot be prepared are left out.
    static KelvoDataObjs buildRecords(int number, const KelvoGeneratorRegion& region);

    // Codes `regions` into `source` (a copy, unless the caller moves its picture in) and
    // stores it in `output`. With `clearMarks`
    // blue bit 0 of every pixel is cleared first (for pictures without coded data); regions
    // that carry data get keys from `firstKey` upward. False when the picture cannot hold the
    // data, leaving `output` unchanged; `error`, when given, then receives the reason and the
    // region at fault. Region numbers must lie in 0..kMaxRegionNumber, at most 64 - firstKey
    // regions may carry data, and each region's records must stay within what one stream holds.
    static bool generate(QImage source, QImage& output, const KelvoRegionMap& regions,
                         bool clearMarks, uint32_t firstKey, const Progress& progress = {},
                         KelvoGeneratorError* error = nullptr);

    // The first half of generate(), for a picture of `size`: false, with the reason in
    // `error`, for the refusals that need no pixels (region numbers, stream lengths, keys).
    // A plan whose regions cannot be placed is made all the same; generate() tells why.
    static bool prepare(const QSize& size, const KelvoRegionMap& regions, uint32_t firstKey,
                        KelvoGeneratorPlan& plan, const Progress& progress = {},
                        KelvoGeneratorError* error = nullptr);

    // The second half: codes `plan` into `source`, which must have the plan's size.
    static bool generate(QImage source, QImage& output, const KelvoGeneratorPlan& plan,
                         bool clearMarks, const Progress& progress = {},
                         KelvoGeneratorError* error = nullptr);
};
