#include "kelvoimagewriter.h"

#include "kelvopngrgbreader.h"
#include "kelvopngwriter.h"
#include "kelvoqtimage.h"

#include <QBuffer>
#include <QByteArray>
#include <QColorSpace>
#include <QImageWriter>
#include <QSaveFile>

#include <cstring>
#include <functional>
#include <future>

namespace {

constexpr int kQualities[] = {70, 80, 90, 100};

// Pixels only: the colour space travels beside them, in the file's ICC profile.
bool samePixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull() != b.isNull()) {
        return false;
    }
    const bool alpha = a.hasAlphaChannel() || b.hasAlphaChannel();
    const QImage::Format format = alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    const QImage first = a.convertToFormat(format);
    const QImage second = b.convertToFormat(format);
    const uint32_t compared = alpha ? 0xffffffffu : 0x00ffffffu;
    const std::size_t rowBytes = std::size_t(first.width()) * sizeof(uint32_t);
    for (int y = 0; y < first.height(); ++y) {
        const auto* p = reinterpret_cast<const uint32_t*>(first.constScanLine(y));
        const auto* q = reinterpret_cast<const uint32_t*>(second.constScanLine(y));
        if (std::memcmp(p, q, rowBytes) == 0) {
            continue;
        }
        for (int x = 0; x < first.width(); ++x) {
            if ((p[x] ^ q[x]) & compared) {
                return false;
            }
        }
    }
    return true;
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

bool isPng(const char* format) {
    return QByteArray(format).compare("png", Qt::CaseInsensitive) == 0;
}

// The fast writer takes the codec's pixel formats, and writes them in 8 bits per sample.
bool fastlyWritable(const QImage& image, const char* format) {
    return isPng(format) &&
           (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32);
}

// Encoded bytes that decode to exactly `image`, or an empty array.
QByteArray exactEncoding(const QImage& image, const char* format) {
    for (const int quality : kQualities) {
        const QByteArray bytes = encode(image, format, quality);
        if (!bytes.isEmpty() && samePixels(QImage::fromData(bytes, format), image)) {
            return bytes;
        }
    }
    return QByteArray();
}

// Writes `size` bytes to a temporary file while `check` runs beside it, and puts the file in
// place only when the check found nothing (an empty reason).
bool writeChecked(const QString& fileName, const char* data, qint64 size,
                  const std::function<QString()>& check, QString* error) {
    std::future<QString> reason = std::async(std::launch::async | std::launch::deferred, check);
    QSaveFile file(fileName);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(data, size) == size;
    const QString fault = reason.get();
    if (!fault.isEmpty()) {
        return fail(error, fault);
    }
    if (!written || !file.commit()) {
        return fail(error, file.errorString());
    }
    return true;
}

} // namespace

bool writeImageExact(const QString& fileName, const QImage& image, const char* format,
                     QString* error) {
    if (image.isNull()) {
        return fail(error, QStringLiteral("the picture is empty"));
    }
    if (fastlyWritable(image, format)) {
        const bool alpha = image.format() == QImage::Format_ARGB32;
        const QColorSpace space = image.colorSpace();
        const KelvoPixelBuffer pixels = kelvoConstPixelBuffer(image);
        const std::vector<uint8_t> png = kelvoWritePng(
            pixels, alpha, space.isValid() ? space.iccProfile().toStdString() : std::string());
        // The bytes are read back as our reader will, comparing as it goes.
        return writeChecked(
            fileName, reinterpret_cast<const char*>(png.data()), qint64(png.size()),
            [&] {
                return !png.empty() && kelvoPngHolds(png.data(), png.size(), pixels, alpha)
                           ? QString()
                           : QStringLiteral("the PNG writer did not keep the picture exactly");
            },
            error);
    }
    const QByteArray bytes = exactEncoding(image, format);
    return writeChecked(
        fileName, bytes.constData(), bytes.size(),
        [&] {
            return bytes.isEmpty() ? QStringLiteral("no %1 quality keeps the picture exactly")
                                         .arg(QString::fromLatin1(format))
                                   : QString();
        },
        error);
}
