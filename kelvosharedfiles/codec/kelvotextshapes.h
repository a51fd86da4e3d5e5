// Splitting a shaped-text record payload into its blocks (layout in kelvoellipseshape.h).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

struct KelvoComicEllipseObj;

// One block cut out of a payload, with the kind of its first object (above 4 read as 1).
struct KelvoTextShapes {
    int kind = 0;
    std::vector<uint8_t> bytes;
};

// Cuts `payload` into consecutive blocks of 4 + body length bytes. Stops at fewer than four
// bytes, at a count byte that is 0 or the last byte, at a first kind byte that is the last
// byte, and at a block running past the end of the payload.
std::vector<KelvoTextShapes> kelvoSplitTextShapes(const std::vector<uint8_t>& payload);

// Reads every block of `payload` and hands its objects to `visit` in order. Returns the number
// of blocks that could not be read.
int kelvoVisitShapeObjects(const std::vector<uint8_t>& payload,
                           const std::function<void(const KelvoComicEllipseObj&)>& visit);
