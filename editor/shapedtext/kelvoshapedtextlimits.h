// What a shaped-text record may hold so that the viewers read back exactly what the author
// made: coordinates they accept, a point size the size byte keeps, and a length that fits a
// region's record stream.
#pragma once

#include "kelvotextobj.h"

#include <QCoreApplication>
#include <QString>

#include <cstddef>

class KelvoShapedTextLimits {
    Q_DECLARE_TR_FUNCTIONS(KelvoShapedTextLimits)
public:
    // Coordinates beyond this distance from the region origin are not shown by the viewers.
    static int maxCoordinate();
    // The record must fit into a region's record stream with its length field, its header
    // byte and the stream's closing block.
    static std::size_t maxRecordLength();
    static constexpr int kMaxPointSize = 255;

    // Why `object`, coded as `length` bytes, cannot be stored, for the author; empty when it
    // can.
    static QString codingError(const KelvoComicEllipseObj& object, std::size_t length);
};
