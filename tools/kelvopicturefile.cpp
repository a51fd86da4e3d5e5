#include "kelvopicturefile.h"

#include "kelvoimagewriter.h"
#include "kelvopicturereader.h"
#include "kelvoquietlibraries.h"
#include "kelvotoolerror.h"

QImage KelvoPictureFile::load(const QString& fileName) {
    QString error;
    QImage image;
    {
        const KelvoQuietLibraries quiet;
        image = KelvoPictureReader::readFile(fileName, &error);
    }
    if (image.isNull()) {
        throw KelvoToolError(fileName + QStringLiteral(": cannot read picture: ") + error);
    }
    return image;
}

void KelvoPictureFile::save(const QString& fileName, const QImage& image) {
    QString error;
    if (!writeImageExact(fileName, image, "PNG", &error)) {
        throw KelvoToolError(fileName + QStringLiteral(": cannot write picture: ") + error);
    }
}
