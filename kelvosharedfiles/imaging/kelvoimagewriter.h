// Lossless picture saving for coded pictures, whose hidden data live in every low bit.
#pragma once

#include <QImage>
#include <QString>

// Writes `image` in `format` and saves the bytes to `fileName` only when they decode to exactly
// the same pixels. A Format_RGB32 or Format_ARGB32 picture in "PNG" goes through the fast PNG
// writer and is checked with the fast reader; anything else is written by Qt at the lowest
// quality of 70, 80, 90 and 100 that reproduces it. The bytes go to a temporary file in the
// target folder that is renamed over the target, so a failed write leaves any earlier file
// untouched. False when no encoding reproduces the picture or the file cannot be written;
// `error`, when given, then receives the reason.
bool writeImageExact(const QString& fileName, const QImage& image, const char* format,
                     QString* error = nullptr);
