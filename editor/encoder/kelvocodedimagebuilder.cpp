#include "kelvocodedimagebuilder.h"

#include "kelvoimgwidget.h"
#include "kelvotextholderwidget.h"

KelvoRegionMap KelvoCodedImageBuilder::generatorRegions(const TheS_RegionMap& regions,
                                                        const std::set<int>& hidden) {
    KelvoRegionMap out;
    for (const auto& [number, data] : regions) {
        if (hidden.count(number)) {
            continue;
        }
        KelvoGeneratorRegion& region = out[number];
        region.polygons = data.outlines;
        for (const KelvoTextHolderWidget* holder : data.texts) {
            region.texts.push_back(holder->text());
        }
        for (const TheS_ImgDataItem& image : data.images) {
            region.images.push_back({image.image, image.outline});
        }
        for (const TheS_TextDataItem& text : data.shapedTexts) {
            region.shapedTexts.push_back(text.codedBytes);
        }
        if (data.dictEntry) {
            region.dictEntry = KelvoDictEntryRef{
                data.dictEntry->entryId(), data.dictEntry->codedWord(), data.dictEntry->text()};
        }
    }
    return out;
}

bool KelvoCodedImageBuilder::generate(const QImage& picture, const TheS_RegionMap& regions,
                                      const std::set<int>& hidden, bool clearMarks,
                                      uint32_t firstKey, QImage& output,
                                      const KelvoGenerator::Progress& progress,
                                      KelvoGeneratorError* error) {
    return KelvoGenerator::generate(picture, output, generatorRegions(regions, hidden), clearMarks,
                                    firstKey, progress, error);
}

QString KelvoCodedImageBuilder::pngFileName(const QString& fileName) {
    bool hasExtension = false;
    const QString extension = KelvoImgWidget::fileExtension(fileName, &hasExtension);
    return hasExtension && extension.contains(QLatin1String("png"))
               ? fileName
               : fileName + QStringLiteral(".png");
}
