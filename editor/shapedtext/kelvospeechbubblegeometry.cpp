#include "kelvospeechbubblegeometry.h"

#include <cmath>

namespace {

constexpr double kDegree = M_PI / 180.0;

QPoint centreOf(const QRect& r) {
    return {(r.left() + r.right()) / 2, (r.top() + r.bottom()) / 2};
}

int offset(double degreesFromNormal, int halfDistance) {
    return static_cast<int>(std::tan(degreesFromNormal * kDegree) * halfDistance);
}

} // namespace

int kelvoCornerAngle(const QRect& body) {
    const double dx = body.right() - body.left();
    const double dy = body.top() - body.bottom();
    const double length = std::hypot(dx, dy);
    return length > 0 ? static_cast<int>(std::acos(dx / length) / kDegree) : 0;
}

double kelvoPointAngle(QPoint point, QPoint centre) {
    const double vx = point.x() - centre.x();
    const double vy = point.y() - centre.y();
    const double length = std::hypot(vx, vy);
    if (length == 0) {
        return 0;
    }
    const double angle = std::acos(vx / length) / kDegree;
    return vy > 0 ? 360 - angle : angle;
}

double kelvoPlacedAngle(QPoint point, const QRect& body) {
    const QPoint c = centreOf(body);
    const double a = kelvoPointAngle(point, c);
    const int corner = kelvoCornerAngle(body);
    const int halfDifference = (body.width() - body.height()) / 2;
    QPoint p;
    if (a > corner && a <= 180 - corner) { // top side
        p = {c.x() - offset(a - 90, c.y() - body.top()), body.top() - halfDifference};
    } else if (a > 180 - corner && a <= 180 + corner) { // left side
        p = {body.left() + halfDifference, c.y() + offset(a - 180, c.x() - body.left())};
    } else if (a > 180 + corner && a <= 360 - corner) { // bottom side
        p = {c.x() + offset(a - 270, body.bottom() - c.y()), body.bottom() + halfDifference};
    } else { // right side
        p = {body.right() - halfDifference,
             c.y() - offset(a > 180 ? a - 360 : a, body.right() - c.x())};
    }
    return kelvoPointAngle(p, c);
}

int kelvoScaledPeakOffset(int reference, int grown, int offset) {
    if (reference <= 0) {
        return offset;
    }
    return static_cast<int>((qint64(reference) + grown) * offset / reference);
}
