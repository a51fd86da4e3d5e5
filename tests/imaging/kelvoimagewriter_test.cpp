#include "kelvoimagewriter.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Noise in every bit, as a coded picture has in its low bits.
QImage noise(QImage::Format format, int width, int height) {
    QImage image(width, height, format);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            line[x] = random.generate();
        }
    }
    return image;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class KelvoImageWriterTest : public QObject {
    Q_OBJECT

private slots:
    void exactRoundTrip_data() {
        QTest::addColumn<QImage::Format>("format");
        QTest::newRow("rgb32") << QImage::Format_RGB32;
        QTest::newRow("argb32") << QImage::Format_ARGB32;
    }

    void exactRoundTrip() {
        QFETCH(QImage::Format, format);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("coded.png"));
        const QImage image = noise(format, 61, 37);
        QVERIFY(writeImageExact(path, image, "PNG"));
        const QImage back(path);
        QCOMPARE(back.convertToFormat(format), image);
        // Nothing but the target is left in the folder.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("coded.png")});
    }

    // A lossy format never reproduces noise: nothing is written and an older file survives.
    void lossyFormatWritesNothing() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("picture.jpg"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("older contents");
        old.close();
        QString error;
        QVERIFY(!writeImageExact(path, noise(QImage::Format_RGB32, 32, 32), "JPEG", &error));
        QVERIFY(error.contains(QStringLiteral("exactly")));
        QCOMPARE(contents(path), QByteArray("older contents"));
    }

    void unwritableTarget() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing/folder/coded.png"));
        QString error;
        QVERIFY(!writeImageExact(path, noise(QImage::Format_RGB32, 8, 8), "PNG", &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(path));
    }

    void nullPicture() {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!writeImageExact(dir.filePath(QStringLiteral("x.png")), QImage(), "PNG", &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(KelvoImageWriterTest)
#include "kelvoimagewriter_test.moc"
