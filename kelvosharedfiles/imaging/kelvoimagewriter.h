// Lossless picture saving for coded pictures, whose hidden data live in every low bit.
#pragma once

#include <QImage>
#include <QString>

// Writes `image` in `format` ("PNG") at the lowest quality of 70, 80, 90 and 100 whose encoding
// decodes to exactly the same pixels, and saves those very bytes to `fileName`. The bytes go to
// a temporary file in the target folder that is renamed over the target, so a failed write
// leaves any earlier file untouched. False when no quality reproduces the picture or the file
// cannot be written; `error`, when given, then receives the reason.
bool writeImageExact(const QString& fileName, const QImage& image, const char* format,
                     QString* error = nullptr);
