// Reading and writing the tool's pictures, with errors that name the file.
#pragma once

#include <QImage>
#include <QString>

class KelvoPictureFile {
public:
    // The picture in `fileName` (any format the image reader knows: PNG, JPEG, BMP, PPM, XPM,
    // ...) through KelvoPictureReader, which refuses pictures beyond 256 MB before decoding
    // them. Throws KelvoToolError when it cannot be read.
    static QImage load(const QString& fileName);
    // Writes `image` as PNG with writeImageExact: the file is replaced only by a complete picture
    // that decodes to exactly the same pixels. Throws KelvoToolError otherwise.
    static void save(const QString& fileName, const QImage& image);
};
