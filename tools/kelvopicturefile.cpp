#include "kelvopicturefile.h"

#include "kelvoimagewriter.h"
#include "kelvotoolerror.h"

void KelvoPictureFile::limit(QImageReader& reader) {
    reader.setAllocationLimit(kMaxPictureMegabytes);
}

QImage KelvoPictureFile::load(const QString& fileName) {
    QImageReader reader(fileName);
    limit(reader);
    QImage image = reader.read();
    if (image.isNull()) {
        throw KelvoToolError(fileName + QStringLiteral(": cannot read picture: ") +
                             reader.errorString());
    }
    return image;
}

void KelvoPictureFile::save(const QString& fileName, const QImage& image) {
    QString error;
    if (!writeImageExact(fileName, image, "PNG", &error)) {
        throw KelvoToolError(fileName + QStringLiteral(": cannot write picture: ") + error);
    }
}
