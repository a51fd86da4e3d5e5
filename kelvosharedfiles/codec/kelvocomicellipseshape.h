// Speech and think bubbles (kinds 3 and 4); block layout as in kelvoellipseshape.h.
#pragma once

#include "kelvoellipseshape.h"

class KelvoComicEllipseShape : public KelvoEllipseShape {
public:
    static constexpr std::size_t kMaxCircles = 255;

    std::vector<std::unique_ptr<KelvoComicEllipseObj>> comicObjects;

    // As KelvoEllipseShape::serialize over `comicObjects`; a think bubble with more than
    // kMaxCircles circles stores only the first kMaxCircles.
    void serialize();
    // As KelvoEllipseShape::read into `comicObjects`; objects of kinds 0..2 get default
    // bubble fields.
    bool read(const uint8_t* block, std::size_t length);
};
