// Why the generator could not code a picture.
#pragma once

#include <QString>

struct KelvoGeneratorError {
    static constexpr int kNoRegion = -1;

    int region = kNoRegion; // number of the region at fault, or kNoRegion
    QString reason;

    QString message() const {
        return region == kNoRegion ? reason
                                   : QStringLiteral("region %1: %2").arg(region).arg(reason);
    }
};
