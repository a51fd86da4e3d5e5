// A picture that looks like a photograph: smooth colours with noise in their three low bits,
// the way coded pictures look to a compressor. Shared by the generation and PNG cases.
#pragma once

#include "benchpicturesize.h"

#include <QImage>
#include <QRandomGenerator>

inline QImage benchPhoto(int megapixels) {
    const PictureSize picture = sizeOf(megapixels);
    const QSize size(picture.width, picture.height);
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(static_cast<quint32>(megapixels));
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const uint32_t grain = random.generate();
            line[x] = qRgb((x * 255 / size.width()) ^ (grain & 7),
                           (y * 255 / size.height()) ^ ((grain >> 3) & 7),
                           ((x + y) & 255) ^ ((grain >> 6) & 7));
        }
    }
    return image;
}
