#include "kelvoshapedtextlimits.h"

#include "kelvodataprocessor.h"
#include "kelvoviewershapedtext.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

namespace {

// Length field and header byte of the record, and the closing block of the stream.
constexpr std::size_t kRecordFraming = 4 + 1 + 4 + 1;

bool withinLimit(std::initializer_list<int64_t> values) {
    return std::all_of(values.begin(), values.end(), [](int64_t value) {
        return std::llabs(value) <= KelvoShapedTextLimits::maxCoordinate();
    });
}

bool coordinatesWithinLimit(const KelvoComicEllipseObj& o) {
    if (!withinLimit(
            {o.x, o.y, o.labelX, o.labelY, o.left, o.top, o.right, o.bottom, o.peakX, o.peakY})) {
        return false;
    }
    return std::all_of(o.circles.begin(), o.circles.end(), [](const KelvoThinkBubbleCircle& c) {
        return withinLimit({c.x, c.y, int64_t(c.x) + c.width, int64_t(c.y) + c.height});
    });
}

} // namespace

int KelvoShapedTextLimits::maxCoordinate() {
    return KelvoViewerShapedText::kMaxCoordinate;
}

std::size_t KelvoShapedTextLimits::maxRecordLength() {
    return KelvoDataProcessor::kMaxStreamLength - kRecordFraming;
}

QString KelvoShapedTextLimits::codingError(const KelvoComicEllipseObj& object, std::size_t length) {
    if (!coordinatesWithinLimit(object)) {
        return tr("This element lies too far from its region to be stored in the picture: its "
                  "coordinates must stay within %1 pixels of the region.")
            .arg(maxCoordinate());
    }
    const int size = object.font.pointSize;
    if (size < 1 || size > kMaxPointSize) {
        return tr("The font size of this element must be between 1 and %1 points to be stored "
                  "in the picture.")
            .arg(kMaxPointSize);
    }
    if (length > maxRecordLength()) {
        return tr("The text of this element is too long to be stored in the picture: the element "
                  "takes %1 bytes, and a picture region holds at most %2.")
            .arg(length)
            .arg(maxRecordLength());
    }
    return {};
}
