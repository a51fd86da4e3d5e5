#include "kelvocontourcommand.h"

#include "kelvocontour.h"
#include "kelvopicturefile.h"
#include "kelvotoolerror.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QPolygon>

QPoint KelvoContourCommand::parsePoint(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    bool xOk = false;
    bool yOk = false;
    const int x = parts.value(0).toInt(&xOk);
    const int y = parts.value(1).toInt(&yOk);
    if (parts.size() != 2 || !xOk || !yOk) {
        throw KelvoToolError(
            QStringLiteral("%1: the point must be X,Y in picture coordinates, e.g. 12,40")
                .arg(text));
    }
    return {x, y};
}

std::optional<QByteArray> KelvoContourCommand::outline(const QString& image, const QString& point) {
    const QPoint start = parsePoint(point);
    const QImage picture = KelvoPictureFile::load(image);
    if (!picture.valid(start)) {
        throw KelvoToolError(QStringLiteral("%1: the point %2 lies outside the picture (%3 x %4)")
                                 .arg(image, point)
                                 .arg(picture.width())
                                 .arg(picture.height()));
    }
    QPolygon contour;
    if (!findContour(picture, contour, picture.pixel(start))) {
        return std::nullopt;
    }
    QJsonArray points;
    for (const QPoint& p : contour) {
        points.append(QJsonArray{p.x(), p.y()});
    }
    return QJsonDocument(points).toJson(QJsonDocument::Compact);
}
