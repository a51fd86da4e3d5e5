#include "kelvodecodehandler.h"

#include "kelvocomicellipseshape.h"
#include "kelvoellipseshape.h"
#include "kelvoimglsbsdecoder.h"
#include "kelvoqtimage.h"
#include "kelvoregionimages.h"
#include "kelvotextshapes.h"
#include "kelvotextwidget.h"
#include "kelvoviewersimplebubble.h"
#include "kelvoviewerspeechbubble.h"
#include "kelvoviewerthinkbubble.h"
#include "kelvoxmlparser.h"

#include <QStringList>

#include <algorithm>
#include <optional>

namespace {

QString latin1Text(const std::vector<uint8_t>& bytes) {
    return QString::fromLatin1(reinterpret_cast<const char*>(bytes.data()),
                               static_cast<qsizetype>(bytes.size()));
}

// What the region's balloon shows: its texts in stored order, then the terms of its last
// dictionary reference that a dictionary knows.
struct BalloonSource {
    QStringList texts;
    std::optional<TheS_DictItem> item;
    QString term; // of `item`

    bool empty() const { return texts.isEmpty() && !item; }
};

// Builds shaped-text widgets within the limits of one picture.
class ShapeBuilder {
public:
    ShapeBuilder(QWidget* parent, int64_t pictureArea)
        : m_parent(parent),
          m_pixelsLeft(pictureArea * KelvoDecodeLimits::kShapePixelsPerPicturePixel +
                       KelvoDecodeLimits::kShapePixelAllowance) {}

    // Appends the widgets made from the record's items.
    void build(const KelvoData& record, std::vector<KelvoViewerShapedText*>& out) {
        for (const KelvoTextShapes& item : kelvoSplitTextShapes(record.payload)) {
            if (item.kind == KindSpeechBubble || item.kind == KindThinkBubble) {
                buildBubbles(item, out);
            } else if (item.kind == KindSimpleRect || item.kind == KindSimpleEllipse) {
                buildSimple(item, out);
            }
        }
    }

    // Shaped texts built so far, and those refused over the limits.
    int built() const { return m_built; }
    int refused() const { return m_refused; }

private:
    void buildBubbles(const KelvoTextShapes& item, std::vector<KelvoViewerShapedText*>& out) {
        KelvoComicEllipseShape shape;
        if (!shape.read(item.bytes.data(), item.bytes.size())) {
            return;
        }
        for (const auto& object : shape.comicObjects) {
            if (object->kind == KindSpeechBubble &&
                admit(KelvoViewerSpeechBubble::widgetSize(*object))) {
                append(new KelvoViewerSpeechBubble(m_parent, QString(), *object), out);
            } else if (object->kind == KindThinkBubble &&
                       admit(KelvoViewerThinkBubble::widgetSize(*object))) {
                append(new KelvoViewerThinkBubble(m_parent, QString(), *object), out);
            }
        }
    }

    void buildSimple(const KelvoTextShapes& item, std::vector<KelvoViewerShapedText*>& out) {
        KelvoEllipseShape shape;
        if (!shape.read(item.bytes.data(), item.bytes.size())) {
            return;
        }
        for (const auto& object : shape.objects) {
            if (admit(KelvoViewerSimpleBubble::widgetSize(*object))) {
                append(new KelvoViewerSimpleBubble(m_parent, QString(), *object, item.kind), out);
            }
        }
    }

    // An empty size stands for absurd coordinates.
    bool admit(QSize size) {
        const int64_t area = size.isEmpty() ? 0 : int64_t(size.width()) * size.height();
        if (size.isEmpty() || m_built >= KelvoDecodeLimits::kMaxShapedTexts ||
            area > m_pixelsLeft) {
            ++m_refused;
            return false;
        }
        m_pixelsLeft -= area;
        ++m_built;
        return true;
    }

    static void append(KelvoViewerShapedText* shapedText,
                       std::vector<KelvoViewerShapedText*>& out) {
        shapedText->hide();
        out.push_back(shapedText);
    }

    QWidget* m_parent;
    int64_t m_pixelsLeft;
    int m_built = 0;
    int m_refused = 0;
};

// The marks picture is transparent but for the opaque dots along the outlines: those replace
// the picture's pixels.
void drawMarks(QImage& picture, const KelvoArgbImage& marks) {
    const int width = std::min(picture.width(), marks.width);
    const int height = std::min(picture.height(), marks.height);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        const uint32_t* dots = marks.pixels.data() + size_t(y) * size_t(marks.width);
        for (int x = 0; x < width; ++x) {
            if (qAlpha(dots[x]) != 0) {
                line[x] = dots[x];
            }
        }
    }
}

KelvoTextWidget* makeBalloon(const BalloonSource& source, QWidget* parent) {
    auto* balloon = new KelvoTextWidget(parent);
    const QString text = source.texts.join(QLatin1Char('\n'));
    if (source.item) {
        balloon->setDictionaryItem(*source.item, source.term, text);
        balloon->showDictionaryText(KelvoTranslationSettings());
    } else {
        balloon->setText(text);
    }
    balloon->hide();
    return balloon;
}

} // namespace

DecodeStatistics buildRegionViewerObjects(const std::map<uint32_t, KelvoDataObjs>& data,
                                          const QImage& idImage, RegionViewerMap& regions,
                                          QWidget* parent) {
    DecodeStatistics stats;
    const int64_t pictureArea = int64_t(idImage.width()) * idImage.height();
    const KelvoXmlParser dictionary;
    ShapeBuilder shapes(parent, pictureArea);
    std::vector<KelvoRegionImageSource> imageSources;

    for (const auto& [key, objects] : data) {
        ++stats.annotatedAreas;
        BalloonSource balloon;
        const KelvoData* image = nullptr;
        std::vector<KelvoViewerShapedText*> shapedTexts;
        for (const KelvoData& record : objects.records) {
            switch (record.type) {
            case TypeText:
                ++stats.unformattedTexts;
                balloon.texts << latin1Text(record.payload);
                break;
            case TypeImage:
                image = &record;
                break;
            case TypeShapedText:
                shapes.build(record, shapedTexts);
                break;
            case TypeDictEntry: {
                QString term;
                TheS_DictItem item;
                if (dictionary.lookup(latin1Text(record.payload), term, item)) {
                    ++stats.translatableTexts;
                    balloon.item = item;
                    balloon.term = term;
                }
                break;
            }
            default:
                break;
            }
        }
        if (image) {
            imageSources.push_back({key, &image->payload, &objects.colours});
        }
        RegionViewerObjects& region = regions[key];
        region.textWidget = balloon.empty() ? nullptr : makeBalloon(balloon, parent);
        region.shapedTexts = std::move(shapedTexts);
        region.image = QPixmap();
        region.imageOrigin = QPoint();
    }

    int imagesOverBudget = 0;
    const auto images = kelvoBuildRegionImages(
        idImage, imageSources, pictureArea * KelvoDecodeLimits::kImagePixelsPerPicturePixel,
        &imagesOverBudget);
    for (const auto& [key, image] : images) {
        regions[key].image = image.pixmap;
        regions[key].imageOrigin = image.origin;
    }
    // Only what is shown is counted; what the limits leave out is counted apart.
    stats.formattedTexts = shapes.built();
    stats.encodedImages = int32_t(images.size());
    stats.notShown = shapes.refused() + imagesOverBudget;
    return stats;
}

DecodeStatistics decodeImage(QImage picture, QImage& idImage, QImage& outlineImage,
                             RegionViewerMap& regions, QWidget* parent) {
    KelvoIndexedImage ids;
    std::map<uint32_t, KelvoDataObjs> data;
    KelvoArgbImage marks;
    KelvoImgLSBsDecoder decoder(kelvoPixelBuffer(picture));
    decoder.decode(ids, data, marks);

    outlineImage = picture;
    if (data.empty()) {
        return {};
    }
    drawMarks(outlineImage, marks);
    idImage = kelvoToQImage(ids);
    return buildRegionViewerObjects(data, idImage, regions, parent);
}
