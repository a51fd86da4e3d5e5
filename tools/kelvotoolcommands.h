// The work behind each kelvo-tool command. Every failure throws KelvoToolError with a message
// naming the file and the reason; output pictures are replaced only by complete files.
#pragma once

#include "kelvoannotations.h"
#include "kelvogeneratorerror.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

class KelvoToolCommands {
public:
    // A picture coded from an annotation file, or why the generator refused it.
    struct Generation {
        KelvoAnnotations notes;
        QSize size;
        uint32_t firstKey = 0; // of the new regions
        bool ok = false;
        QImage output;
        KelvoGeneratorError error;
    };

    // Whether the picture in `image` carries coded regions.
    static bool test(const QString& image);
    // The decode report of the picture (kelvodecodereport.h of kelvo_report).
    static QByteArray decode(const QString& image);
    // Codes the regions of the annotation file into `in` without writing anything; throws
    // for faults of the files and regions that reach outside the picture or overlap.
    static Generation generate(const QString& in, const QString& annotations);
    // Codes the regions of the annotation file into `in` and writes `out`. Returns what was
    // lost on the way (KelvoAnnotations::warnings).
    static QStringList encode(const QString& in, const QString& out, const QString& annotations);
    // Erases all marks of `in`, or those of the region owning id index `index`, into `out`.
    static void erase(const QString& in, const QString& out, std::optional<int> index);
    // Writes the decoded id image of `in` to `out` as grey values.
    static void idImage(const QString& in, const QString& out);
};
