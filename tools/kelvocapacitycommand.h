// kelvo-tool capacity: for each region of an annotation file, the bytes its data take, the room
// it has and the packing level, as the encoder works them out, and whether it can be coded.
#pragma once

#include <QByteArray>
#include <QString>

class KelvoCapacityCommand {
public:
    struct Report {
        QByteArray json; // one entry per region with data, in file order
        bool allFit = false;
    };

    // Codes the annotations into the picture as `encode` does, without writing, and reports
    // every region's figures; a region the encoder refuses does not fit. allFit exactly when
    // `encode` succeeds. Throws KelvoToolError where `encode` does for faults of the files.
    static Report report(const QString& image, const QString& annotations);
};
