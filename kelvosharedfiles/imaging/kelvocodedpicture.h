// Whether a picture carries coded regions: what the viewers ask before they decode it.
#pragma once

#include <QImage>

class KelvoCodedPicture {
public:
    // True when some pixel of `image` is a start point of a coded region. Pictures of fewer
    // than 24 bits per pixel are never coded.
    static bool isCoded(const QImage& image);
};
