#include "kelvospeechbubbleoutline.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kFullCircle = 360;
// At most this many points per arc, whatever the ellipse's size.
constexpr int kMaxArcPoints = 2048;

int normalized(int angle) {
    const int a = angle % kFullCircle;
    return a < 0 ? a + kFullCircle : a;
}

} // namespace

int kelvoSpeechBubbleSpan(int startAngle, int endAngle) {
    const int start = normalized(startAngle);
    const int end = normalized(endAngle);
    return end > start ? end - start : end + kFullCircle - start;
}

QPolygon kelvoSpeechBubbleOutline(const QRect& ellipse, int startAngle, int endAngle, QPoint peak) {
    const double rx = (ellipse.width() - 1) / 2.0;
    const double ry = (ellipse.height() - 1) / 2.0;
    const double cx = ellipse.left() + rx;
    const double cy = ellipse.top() + ry;
    const int span = kelvoSpeechBubbleSpan(startAngle, endAngle);
    const double startRad = normalized(startAngle) * M_PI / 180.0;
    const double spanRad = span * M_PI / 180.0;
    // About one point for every two pixels of arc.
    const int steps =
        std::clamp(static_cast<int>(spanRad * std::max(rx, ry) / 2.0), 2, kMaxArcPoints);
    QPolygon outline;
    outline.reserve(steps + 2);
    for (int i = 0; i <= steps; ++i) {
        const double a = startRad + spanRad * i / steps;
        const QPoint point(static_cast<int>(std::lround(cx + rx * std::cos(a))),
                           static_cast<int>(std::lround(cy - ry * std::sin(a))));
        if (outline.isEmpty() || outline.last() != point) {
            outline << point;
        }
    }
    outline << peak;
    return outline;
}
