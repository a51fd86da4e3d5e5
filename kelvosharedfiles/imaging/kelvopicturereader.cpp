#include "kelvopicturereader.h"

#include "kelvopngreader.h"
#include "kelvoqtimage.h"

#include <QBuffer>
#include <QColorSpace>
#include <QFile>
#include <QImageReader>

namespace {

constexpr int kMinCodableDepth = 24;
// A PNG file is read whole; one this large holds far more than any picture within the limit.
constexpr qint64 kMaxFileBytes = qint64(2) * KelvoPictureReader::kMaxPictureMegabytes << 20;

QImage fail(QString* error, const QString& reason) {
    if (error) {
        *error = reason;
    }
    return QImage();
}

QImage readWithQt(QImageReader& reader, QString* error) {
    reader.setAllocationLimit(KelvoPictureReader::kMaxPictureMegabytes);
    QImage image = reader.read();
    return image.isNull() ? fail(error, reader.errorString()) : image;
}

QImage readWithQt(const QByteArray& data, QString* error) {
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return readWithQt(reader, error);
}

// A PNG Qt read for us, in the codec's formats when it has 24 bits per pixel or more.
QImage pngWithQt(const QByteArray& data, QString* error) {
    QImage image = readWithQt(data, error);
    if (image.depth() >= kMinCodableDepth) {
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    }
    return image;
}

} // namespace

QImage KelvoPictureReader::read(const QByteArray& data, QString* error) {
    KelvoPngReader png(data.constData(), std::size_t(data.size()));
    KelvoPngHeader header;
    switch (png.readHeader(header)) {
    case KelvoPngStatus::TooLarge:
        return fail(error, QString::fromStdString(png.error()));
    case KelvoPngStatus::Ok:
        break;
    case KelvoPngStatus::NotPng:
        return readWithQt(data, error);
    case KelvoPngStatus::Damaged:
        return pngWithQt(data, error);
    }
    // Qt keeps these below 24 bits, or derives a colour space from chunks other than iCCP.
    if (header.qtDepth < kMinCodableDepth || header.colourChunks) {
        return pngWithQt(data, error);
    }
    QImage image(header.width, header.height,
                 header.hasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull()) {
        return fail(error, QStringLiteral("out of memory"));
    }
    if (png.readPixels(kelvoPixelBuffer(image)) != KelvoPngStatus::Ok) {
        // Qt's reader says what is wrong, or makes what it can of a file libspng refuses.
        return pngWithQt(data, error);
    }
    if (!header.iccProfile.empty()) {
        image.setColorSpace(
            QColorSpace::fromIccProfile(QByteArray::fromStdString(header.iccProfile)));
    }
    return image;
}

QImage KelvoPictureReader::readFile(const QString& fileName, QString* error) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return fail(error, file.errorString());
    }
    const QByteArray start = file.peek(8);
    // Other formats, and PNG files too big to hold, stream through Qt's reader.
    if (!KelvoPngReader::isPng(start.constData(), std::size_t(start.size())) ||
        file.size() > kMaxFileBytes) {
        file.close();
        QImageReader reader(fileName);
        return readWithQt(reader, error);
    }
    return read(file.readAll(), error);
}
