#include "kelvoreadablepixels.h"

#include "kelvoqtimage.h"

KelvoReadablePixels::KelvoReadablePixels(const QImage& image) : m_image(image) {
    const QImage::Format format = m_image.format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32) {
        m_buffer = kelvoPixelBuffer(m_image);
        return;
    }
    // The shared pixels are never written through this view, so no detach is needed.
    m_buffer.pixels = const_cast<uint32_t*>(reinterpret_cast<const uint32_t*>(m_image.constBits()));
    m_buffer.width = m_image.width();
    m_buffer.height = m_image.height();
    m_buffer.stride = m_image.bytesPerLine() / static_cast<qsizetype>(sizeof(uint32_t));
    m_buffer.depth = 32;
}
