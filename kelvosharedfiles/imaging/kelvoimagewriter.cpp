#include "kelvoimagewriter.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>
#include <QSaveFile>

namespace {

constexpr int kQualities[] = {70, 80, 90, 100};

bool samePixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return false;
    }
    if (a.format() == b.format()) {
        return a == b;
    }
    return a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

bool fail(QString* error, const QString& reason) {
    if (error) {
        *error = reason;
    }
    return false;
}

// The encoding of `image` at `quality`, or an empty array when the writer fails.
QByteArray encode(const QImage& image, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    return writer.write(image) ? bytes : QByteArray();
}

} // namespace

bool writeImageExact(const QString& fileName, const QImage& image, const char* format,
                     QString* error) {
    if (image.isNull()) {
        return fail(error, QStringLiteral("the picture is empty"));
    }
    for (const int quality : kQualities) {
        const QByteArray bytes = encode(image, format, quality);
        if (bytes.isEmpty() || !samePixels(QImage::fromData(bytes, format), image)) {
            continue;
        }
        QSaveFile file(fileName);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            !file.commit()) {
            return fail(error, file.errorString());
        }
        return true;
    }
    return fail(
        error,
        QStringLiteral("no %1 quality keeps the picture exactly").arg(QString::fromLatin1(format)));
}
