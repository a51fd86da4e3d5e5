#include "kelvotoolcommands.h"

#include "kelvoannotationcheck.h"
#include "kelvoannotations.h"
#include "kelvocodedpicture.h"
#include "kelvodecodeimage.h"
#include "kelvodecodereport.h"
#include "kelvogenerator.h"
#include "kelvomarkeraser.h"
#include "kelvopicturefile.h"
#include "kelvoqtimage.h"
#include "kelvoquietlibraries.h"
#include "kelvotoolerror.h"

#include <QImageReader>

#include <future>
#include <utility>

namespace {

constexpr int kMinCodableDepth = 24;

// Pictures read from palette or grey files are coded in 32 bits; nothing of them is lost.
void makeCodable(QImage& image) {
    if (image.depth() < kMinCodableDepth) {
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    }
}

// The id image's palette indices as grey values; all 0 for a picture that has none.
QImage greyIndices(const KelvoDecodedPicture& picture) {
    QImage grey(picture.width, picture.height, QImage::Format_Grayscale8);
    grey.fill(0);
    if (picture.idImage.width == picture.width && picture.idImage.height == picture.height) {
        for (int y = 0; y < picture.height; ++y) {
            std::copy_n(picture.idImage.indices.begin() + std::ptrdiff_t(y) * picture.width,
                        picture.width, grey.scanLine(y));
        }
    }
    return grey;
}

// The annotations and the generation prepared for them.
struct Prepared {
    KelvoAnnotations notes;
    KelvoGeneratorPlan plan;
    bool ready = false;
    KelvoGeneratorError error;

    void prepareFor(const QSize& size, uint32_t firstKey) {
        ready = KelvoGenerator::prepare(size, notes.regions, firstKey, plan, {}, &error);
    }
};

} // namespace

bool KelvoToolCommands::test(const QString& image) {
    return KelvoCodedPicture::isCoded(KelvoPictureFile::load(image));
}

QByteArray KelvoToolCommands::decode(const QString& image) {
    return QByteArray::fromStdString(
        kelvoDecodeReport(kelvoDecodeImage(KelvoPictureFile::load(image))));
}

KelvoToolCommands::Generation KelvoToolCommands::generate(const QString& in,
                                                          const QString& annotations) {
    // The regions' checks, records, mask and placement need only the picture's size, so they
    // are worked out on the other core while the pixels are read, as for a picture without
    // coded data; the rare coded picture is checked and prepared again.
    const auto readAndPrepare = [&annotations, &in](const QSize& size) {
        Prepared prepared;
        prepared.notes = KelvoAnnotationReader::read(annotations);
        KelvoDecodedPicture uncoded;
        uncoded.width = size.width();
        uncoded.height = size.height();
        KelvoAnnotationCheck::check(prepared.notes.regions, uncoded, annotations, in);
        prepared.prepareFor(size, prepared.notes.firstKey.value_or(0));
        return prepared;
    };
    QSize announced;
    {
        const KelvoQuietLibraries quiet;
        announced = QImageReader(in).size();
    }
    std::future<Prepared> early;
    if (announced.isValid()) {
        // Deferred to the get() below when no thread can be started.
        early = std::async(std::launch::async | std::launch::deferred, readAndPrepare, announced);
    }
    QImage source = KelvoPictureFile::load(in);
    makeCodable(source);
    Prepared prepared = early.valid() ? early.get() : readAndPrepare(source.size());
    Generation generation;
    const KelvoAnnotations& notes = prepared.notes;
    const KelvoDecodedPicture coded = kelvoDecodeImage(source);
    if (coded.coded || prepared.plan.size != source.size()) {
        KelvoAnnotationCheck::check(notes.regions, coded, annotations, in);
    }

    const bool clearMarks = notes.clearMarks.value_or(!coded.coded);
    // After the highest key in use: counting regions would reuse a key once one is erased.
    generation.firstKey =
        notes.firstKey.value_or(coded.regions.empty() ? 0 : coded.regions.rbegin()->first + 1);
    generation.size = source.size();
    if (prepared.plan.size != source.size() || prepared.plan.firstKey != generation.firstKey) {
        prepared.prepareFor(source.size(), generation.firstKey);
    }
    generation.error = prepared.error;
    generation.ok = prepared.ready &&
                    KelvoGenerator::generate(std::move(source), generation.output, prepared.plan,
                                             clearMarks, {}, &generation.error);
    generation.notes = std::move(prepared.notes);
    return generation;
}

QStringList KelvoToolCommands::encode(const QString& in, const QString& out,
                                      const QString& annotations) {
    const Generation generation = generate(in, annotations);
    if (!generation.ok) {
        throw KelvoToolError(KelvoAnnotationCheck::describe(annotations, generation.error));
    }
    KelvoPictureFile::save(out, generation.output);
    return generation.notes.warnings;
}

void KelvoToolCommands::erase(const QString& in, const QString& out, std::optional<int> index) {
    QImage image = KelvoPictureFile::load(in);
    if (!index) {
        KelvoMarkEraser::eraseAll(image);
    } else {
        const KelvoDecodedPicture picture = kelvoDecodeImage(image);
        if (!KelvoMarkEraser::eraseRegion(image, picture.idImage, *index)) {
            throw KelvoToolError(in +
                                 QStringLiteral(": no coded region owns id index %1").arg(*index));
        }
    }
    KelvoPictureFile::save(out, image);
}

void KelvoToolCommands::idImage(const QString& in, const QString& out) {
    KelvoPictureFile::save(out, greyIndices(kelvoDecodeImage(KelvoPictureFile::load(in))));
}
