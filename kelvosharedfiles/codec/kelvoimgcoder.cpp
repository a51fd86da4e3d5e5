#include "kelvoimgcoder.h"

#include "kelvopixelbits.h"

KelvoImgCoder::KelvoImgCoder(const KelvoPixelBuffer& image)
    : m_image(image), m_codable(kelvoIsCodable(image)) {}
