// Checks the regions of an annotation file against the picture before anything is coded, and
// words the generator's complaints in the file's own terms ("regions[2]").
#pragma once

#include "kelvodecodedpicture.h"
#include "kelvogeneratorerror.h"
#include "kelvogeneratorregion.h"

#include <QString>

class KelvoAnnotationCheck {
public:
    // Throws KelvoToolError naming the first region that reaches outside the picture, shares a
    // pixel with an earlier region of the file, or shares one with a region already coded in
    // `picture` (decoded from the file `pictureName`). Regions are numbered 1, 2, ... in file
    // order.
    static void check(const KelvoRegionMap& regions, const KelvoDecodedPicture& picture,
                      const QString& fileName, const QString& pictureName);

    // The generator's error as a message about the annotation file.
    static QString describe(const QString& fileName, const KelvoGeneratorError& error);
};
