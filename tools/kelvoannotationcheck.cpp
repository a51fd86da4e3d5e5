#include "kelvoannotationcheck.h"

#include "kelvojsonreader.h"
#include "kelvotoolerror.h"

#include <QPainter>

#include <vector>

namespace {

QString regionPath(int number) {
    return KelvoJsonReader::element(QStringLiteral("regions"), number - 1);
}

[[noreturn]] void fail(const QString& fileName, const QString& path, const QString& reason) {
    throw KelvoToolError(fileName + QStringLiteral(": ") + path + QStringLiteral(": ") + reason);
}

// The pixels the region mask gives the region (outline and interior), within `bounds`.
QImage coverage(const KelvoGeneratorRegion& region, const QRect& bounds) {
    QImage mask(bounds.size(), QImage::Format_Grayscale8);
    mask.fill(0);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::white);
    painter.translate(-bounds.topLeft());
    for (const QPolygon& polygon : region.polygons) {
        painter.drawPolygon(polygon);
    }
    return mask;
}

} // namespace

void KelvoAnnotationCheck::check(const KelvoRegionMap& regions, const KelvoDecodedPicture& picture,
                                 const QString& fileName, const QString& pictureName) {
    const QRect frame(0, 0, picture.width, picture.height);
    const bool hasIds =
        picture.idImage.width == picture.width && picture.idImage.height == picture.height;
    // Number of the region of the file owning each pixel, 0 for none.
    std::vector<uint8_t> owner(static_cast<std::size_t>(picture.width) * picture.height, 0);
    for (const auto& [number, region] : regions) {
        QRect bounds;
        for (std::size_t i = 0; i < region.polygons.size(); ++i) {
            const QRect box = region.polygons[i].boundingRect();
            if (!frame.contains(box)) {
                fail(fileName,
                     KelvoJsonReader::element(
                         KelvoJsonReader::member(regionPath(number), QStringLiteral("polygons")),
                         static_cast<qsizetype>(i)),
                     QStringLiteral("reaches outside the %1 x %2 picture %3")
                         .arg(picture.width)
                         .arg(picture.height)
                         .arg(pictureName));
            }
            bounds |= box;
        }
        if (bounds.isEmpty()) {
            continue;
        }
        const QImage mask = coverage(region, bounds);
        for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
            const uchar* line = mask.constScanLine(y - bounds.top());
            for (int x = bounds.left(); x <= bounds.right(); ++x) {
                if (line[x - bounds.left()] == 0) {
                    continue;
                }
                const std::size_t at = static_cast<std::size_t>(y) * picture.width + x;
                if (owner[at] != 0) {
                    fail(fileName, regionPath(number),
                         QStringLiteral("overlaps %1 at (%2, %3)")
                             .arg(regionPath(owner[at]))
                             .arg(x)
                             .arg(y));
                }
                if (hasIds && picture.idImage.indices[at] != 0) {
                    const uint32_t colour = picture.idImage.palette[picture.idImage.indices[at]];
                    fail(fileName, regionPath(number),
                         QStringLiteral("overlaps coded region %1 of %2 at (%3, %4)")
                             .arg(qBlue(colour))
                             .arg(pictureName)
                             .arg(x)
                             .arg(y));
                }
                owner[at] = static_cast<uint8_t>(number);
            }
        }
    }
}

QString KelvoAnnotationCheck::describe(const QString& fileName, const KelvoGeneratorError& error) {
    if (error.region == KelvoGeneratorError::kNoRegion) {
        return fileName + QStringLiteral(": ") + error.reason;
    }
    return fileName + QStringLiteral(": ") + regionPath(error.region) + QStringLiteral(": ") +
           error.reason;
}
