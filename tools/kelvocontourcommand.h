// kelvo-tool contour: the outline that the grabber's automatic selection finds when the author
// clicks a point of a picture's background.
#pragma once

#include <QByteArray>
#include <QPoint>
#include <QString>

#include <optional>

class KelvoContourCommand {
public:
    // "X,Y" as a point; throws KelvoToolError for anything else.
    static QPoint parsePoint(const QString& text);
    // The outline around the object on the background colour at `point` of the picture in
    // `image`: a JSON array of [x, y] points in walk order, or nothing when no closed outline
    // exists. Throws KelvoToolError when the picture cannot be read or the point lies outside.
    static std::optional<QByteArray> outline(const QString& image, const QString& point);
};
