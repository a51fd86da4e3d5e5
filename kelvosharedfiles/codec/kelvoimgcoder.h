// Common part of the encoder and the decoder: the picture they work on, whether it can be
// coded, and the stream processor. A coder serves one encode or decode call.
#pragma once

#include "kelvodataprocessor.h"
#include "kelvoimagebuffers.h"

class KelvoImgCoder {
public:
    // The pixels are not copied: the caller keeps them alive while the coder is used.
    explicit KelvoImgCoder(const KelvoPixelBuffer& image);

    // Nothing is coded or decoded in a picture of fewer than 24 bits per pixel.
    bool isCodable() const { return m_codable; }
    int width() const { return m_image.width; }
    int height() const { return m_image.height; }

protected:
    KelvoPixelBuffer m_image;
    bool m_codable;
    KelvoDataProcessor m_processor;
};
