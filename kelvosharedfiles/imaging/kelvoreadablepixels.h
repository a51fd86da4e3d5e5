// A view of a QImage's pixels for codec operations that only read (tests for coded data,
// decoding), without the copy that kelvoPixelBuffer's detach would make.
#pragma once

#include "kelvoimagebuffers.h"

#include <QImage>

class KelvoReadablePixels {
public:
    // Shares the pixels of a Format_RGB32 or Format_ARGB32 picture and converts others of 24
    // bits or more into a private copy; shallower pictures give a buffer without pixels.
    explicit KelvoReadablePixels(const QImage& image);

    // Valid while this object lives. The codec must not write through it.
    const KelvoPixelBuffer& buffer() const { return m_buffer; }

private:
    QImage m_image;
    KelvoPixelBuffer m_buffer;
};
