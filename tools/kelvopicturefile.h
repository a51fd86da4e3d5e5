// Reading and writing the tool's pictures, with errors that name the file.
#pragma once

#include <QImage>
#include <QImageReader>
#include <QString>

class KelvoPictureFile {
public:
    // Pictures needing more memory than this are refused before they are decoded.
    static constexpr int kMaxPictureMegabytes = 256;

    // Makes `reader` refuse pictures beyond kMaxPictureMegabytes.
    static void limit(QImageReader& reader);
    // The picture in `fileName` (any format the image reader knows: PNG, JPEG, BMP, PPM, XPM,
    // ...). Throws KelvoToolError when it cannot be read.
    static QImage load(const QString& fileName);
    // Writes `image` as PNG with writeImageExact: the file is replaced only by a complete picture
    // that decodes to exactly the same pixels. Throws KelvoToolError otherwise.
    static void save(const QString& fileName, const QImage& image);
};
