// Reading pictures for Kelvo: PNG through the fast reader of kelvo_png, every other format
// (and PNG the fast reader refuses or that Qt keeps below 24 bits) through Qt's readers.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class KelvoPictureReader {
public:
    // Pictures needing more memory than this are refused before they are decoded.
    static constexpr int kMaxPictureMegabytes = 256;

    // The picture in `data`, or a null image with the reason in `error`. A PNG of 24 bits or
    // more per pixel comes as Format_RGB32 or Format_ARGB32, with the pixels Qt's reader gives
    // after that conversion and the colour space of its ICC profile. PNG with gamma,
    // chromaticity or sRGB chunks go through Qt's reader for the colour space it derives.
    static QImage read(const QByteArray& data, QString* error = nullptr);
    // The picture in the file `fileName` (any format Qt reads), as read() gives it.
    static QImage readFile(const QString& fileName, QString* error = nullptr);
};
