#include "kelvoqtimage.h"

#include <QColorSpace>

#include <cstring>

namespace {

constexpr int kMinCodableDepth = 24;

} // namespace

KelvoPixelBuffer kelvoPixelBuffer(QImage& image) {
    KelvoPixelBuffer buffer;
    buffer.width = image.width();
    buffer.height = image.height();
    buffer.depth = image.isNull() ? 0 : image.depth();
    if (image.isNull() || image.depth() < kMinCodableDepth) {
        buffer.width = buffer.height = 0;
        return buffer;
    }
    const QImage::Format format = image.format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32) {
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    }
    buffer.pixels = reinterpret_cast<uint32_t*>(image.bits());
    buffer.stride = image.bytesPerLine() / static_cast<qsizetype>(sizeof(uint32_t));
    buffer.depth = 32;
    return buffer;
}

QImage kelvoToQImage(const KelvoIndexedImage& image) {
    QImage out(image.width, image.height, QImage::Format_Indexed8);
    if (out.isNull()) {
        return out;
    }
    QList<QRgb> palette(image.palette.begin(), image.palette.end());
    out.setColorTable(palette);
    for (int y = 0; y < image.height; ++y) {
        std::memcpy(out.scanLine(y),
                    image.indices.data() + static_cast<std::size_t>(y) * image.width,
                    static_cast<std::size_t>(image.width));
    }
    return out;
}

KelvoIndexedImage kelvoFromQImage(const QImage& image) {
    KelvoIndexedImage out;
    if (image.isNull()) {
        return out;
    }
    const QImage indexed = image.format() == QImage::Format_Indexed8
                               ? image
                               : image.convertToFormat(QImage::Format_Indexed8);
    out.width = indexed.width();
    out.height = indexed.height();
    out.indices.resize(static_cast<std::size_t>(out.width) * out.height);
    for (int y = 0; y < out.height; ++y) {
        std::memcpy(out.indices.data() + static_cast<std::size_t>(y) * out.width,
                    indexed.constScanLine(y), static_cast<std::size_t>(out.width));
    }
    const QList<QRgb> colours = indexed.colorTable();
    out.palette.assign(colours.begin(), colours.end());
    return out;
}

KelvoPixelBuffer kelvoConstPixelBuffer(const QImage& image) {
    KelvoPixelBuffer buffer;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32) {
        buffer.depth = image.isNull() ? 0 : image.depth();
        return buffer;
    }
    // The codec's buffers have no const view; callers of this one only read.
    buffer.pixels = const_cast<uint32_t*>(reinterpret_cast<const uint32_t*>(image.constBits()));
    buffer.width = image.width();
    buffer.height = image.height();
    buffer.stride = image.bytesPerLine() / static_cast<qsizetype>(sizeof(uint32_t));
    return buffer;
}

QImage kelvoBlankLike(const QImage& image) {
    QImage blank(image.size(), image.format());
    if (blank.isNull()) {
        return blank;
    }
    blank.setColorSpace(image.colorSpace());
    blank.setDotsPerMeterX(image.dotsPerMeterX());
    blank.setDotsPerMeterY(image.dotsPerMeterY());
    blank.setOffset(image.offset());
    blank.setDevicePixelRatio(image.devicePixelRatio());
    for (const QString& key : image.textKeys()) {
        blank.setText(key, image.text(key));
    }
    return blank;
}
