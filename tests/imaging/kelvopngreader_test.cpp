// The PNG reader against Qt's: for every colour type, bit depth, interlacing and transparency,
// and for coded pictures, the pixels must be the very ones Qt's reader gives after conversion to
// the codec's 32-bit formats. The exact writer's files read back to the very pixels written, and
// its failures write nothing.
#include "kelvocodedpicture.h"
#include "kelvogenerator.h"
#include "kelvoimagewriter.h"
#include "kelvopicturereader.h"
#include "kelvopngreader.h"
#include "kelvoqtimage.h"
#include "pngtestfile.h"

#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray testPng(const PngTestKind& kind) {
    const std::vector<uint8_t> png = makeTestPng(kind);
    return QByteArray(reinterpret_cast<const char*>(png.data()), qsizetype(png.size()));
}

// Both readers on `png`: the Qt-free reader's pixels, alpha and depth, and the picture reader.
void compareWithQt(const QByteArray& png) {
    const QImage qt = QImage::fromData(png, "PNG");
    QVERIFY(!qt.isNull());
    const QImage expected =
        qt.convertToFormat(qt.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);

    KelvoPngReader reader(png.constData(), std::size_t(png.size()));
    KelvoPngHeader header;
    QCOMPARE(reader.readHeader(header), KelvoPngStatus::Ok);
    QCOMPARE(header.hasAlpha, qt.hasAlphaChannel());
    QCOMPARE(header.qtDepth, qt.depth());
    QImage ours(header.width, header.height, expected.format());
    QCOMPARE(reader.readPixels(kelvoPixelBuffer(ours)), KelvoPngStatus::Ok);
    ours.setColorSpace(expected.colorSpace());
    QCOMPARE(ours, expected);

    // Pictures Qt keeps below 24 bits stay Qt's own; the others come as the codec's formats,
    // with Qt's colour space.
    const QImage read = KelvoPictureReader::read(png);
    QCOMPARE(read.format(), qt.depth() < 24 ? qt.format() : expected.format());
    QCOMPARE(read.colorSpace(), qt.colorSpace());
    QVERIFY(read == (qt.depth() < 24 ? qt : expected));
}

// Qt reads 16-bit RGB with a colour key as if it had four samples a pixel and garbles it. The
// right pixels: those of the picture without the key, transparent where they match the key
// (the first pixel and every fifth, see makeTestPng()). With gamma chunks the picture reader
// leaves the file to Qt, for the colour space.
void compareKeyedRgb16(PngTestKind kind) {
    const QByteArray png = testPng(kind);
    kind.trns = false;
    QImage expected = QImage::fromData(testPng(kind), "PNG").convertToFormat(QImage::Format_ARGB32);
    for (int p = 0; p < kind.width * kind.height; p += p == 0 ? 4 : 5) {
        const int x = p % kind.width, y = p / kind.width;
        expected.setPixel(x, y, expected.pixel(x, y) & 0x00ffffffu);
    }
    KelvoPngReader reader(png.constData(), std::size_t(png.size()));
    KelvoPngHeader header;
    QCOMPARE(reader.readHeader(header), KelvoPngStatus::Ok);
    QVERIFY(header.hasAlpha);
    QImage ours(header.width, header.height, QImage::Format_ARGB32);
    QCOMPARE(reader.readPixels(kelvoPixelBuffer(ours)), KelvoPngStatus::Ok);
    expected.setColorSpace(QColorSpace());
    QCOMPARE(ours, expected);
    if (!kind.gamma) {
        QVERIFY(KelvoPictureReader::read(png) == expected);
    }
}

QImage noise(QImage::Format format, int width, int height, quint32 seed) {
    QImage image(width, height, format);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            line[x] = random.generate() | (format == QImage::Format_RGB32 ? 0xff000000u : 0u);
        }
    }
    return image;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class KelvoPngReaderTest : public QObject {
    Q_OBJECT

private slots:
    void everyKind_data() {
        QTest::addColumn<int>("colourType");
        QTest::addColumn<int>("bitDepth");
        QTest::addColumn<QSize>("size");
        const std::pair<int, std::vector<int>> kinds[] = {
            {0, {1, 2, 4, 8, 16}}, {2, {8, 16}}, {3, {1, 2, 4, 8}}, {4, {8, 16}}, {6, {8, 16}}};
        for (const auto& [type, depths] : kinds) {
            for (int depth : depths) {
                QTest::addRow("type %d, %d bits", type, depth) << type << depth << QSize(37, 23);
            }
        }
        // Tiny pictures leave some interlacing passes empty. Plain RGB rows are inflated into the
        // end of the picture's own memory and unfiltered there, all but the last few, which the
        // picture's rows would overtake: too few rows for it, a single column, and the rows on
        // either side of the switch, with every filter.
        for (const QSize size : {QSize(1, 1), QSize(3, 2), QSize(1, 9), QSize(9, 1), QSize(5, 5),
                                 QSize(6, 7), QSize(16, 16), QSize(97, 31)}) {
            for (int type : {2, 6}) {
                QTest::addRow("type %d, %d x %d", type, size.width(), size.height())
                    << type << 8 << size;
            }
        }
    }

    // Every colour type and bit depth, plain and interlaced, with and without tRNS where the
    // type has no alpha channel, and with gamma and chromaticity chunks that Qt leaves alone.
    void everyKind() {
        QFETCH(int, colourType);
        QFETCH(int, bitDepth);
        QFETCH(QSize, size);
        const bool canKey = colourType != 4 && colourType != 6;
        uint32_t seed = 1;
        for (const bool interlaced : {false, true}) {
            for (const bool trns : {false, true}) {
                if (trns && !canKey) {
                    continue;
                }
                for (const bool gamma : {false, true}) {
                    PngTestKind kind;
                    kind.colourType = uint8_t(colourType);
                    kind.bitDepth = uint8_t(bitDepth);
                    kind.interlaced = interlaced;
                    kind.trns = trns;
                    kind.gamma = gamma;
                    kind.width = size.width();
                    kind.height = size.height();
                    kind.seed = seed++;
                    if (colourType == 2 && bitDepth == 16 && trns) {
                        compareKeyedRgb16(kind);
                    } else {
                        compareWithQt(testPng(kind));
                    }
                    if (QTest::currentTestFailed()) {
                        qWarning("interlaced %d, tRNS %d, gamma %d", interlaced, trns, gamma);
                        return;
                    }
                }
            }
        }
    }

    // Coded pictures as the programs write them (fast writer) and as Qt writes them at every
    // quality the exact writer used to try, with and without alpha. An ICC profile survives
    // either writer and comes back as the same colour space.
    void codedPictures_data() {
        QTest::addColumn<QImage::Format>("format");
        QTest::addColumn<QColorSpace>("space");
        QTest::newRow("rgb32") << QImage::Format_RGB32 << QColorSpace(QColorSpace::DisplayP3);
        QTest::newRow("argb32") << QImage::Format_ARGB32 << QColorSpace(QColorSpace::AdobeRgb);
    }

    void codedPictures() {
        QFETCH(QImage::Format, format);
        QFETCH(QColorSpace, space);
        QImage source = noise(format, 300, 200, 5);
        source.setColorSpace(space);
        KelvoRegionMap regions;
        regions[1].polygons = {QPolygon(QRect(20, 20, 120, 80))};
        regions[1].texts = {QStringLiteral("A text hidden in the picture")};
        regions[2].polygons = {QPolygon(QRect(160, 90, 110, 90))};
        regions[2].texts = {QStringLiteral("Another one")};
        QImage coded;
        QVERIFY(KelvoGenerator::generate(source, coded, regions, true, 0));
        QVERIFY(KelvoCodedPicture::isCoded(coded));

        // The exact writer gives back every bit, also under transparent pixels of the source,
        // and leaves nothing but the target in the folder.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("coded.png"));
        for (const QImage& picture : {source, coded}) {
            QVERIFY(writeImageExact(path, picture, "PNG"));
            QCOMPARE(QImage(path).convertToFormat(format), picture);
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
                     QStringList{QStringLiteral("coded.png")});
            compareWithQt(contents(path));
        }
        const QImage read = KelvoPictureReader::readFile(path);
        QVERIFY(KelvoCodedPicture::isCoded(read));
        QCOMPARE(read.colorSpace(), space);
        for (const int quality : {0, 70, 100}) {
            QVERIFY(coded.save(path, "PNG", quality));
            compareWithQt(contents(path));
        }
    }

    void writeFailures_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<QString>("reason");
        const QImage picture = noise(QImage::Format_RGB32, 32, 32, 7);
        // A lossy format never reproduces noise.
        QTest::newRow("lossy") << "picture.jpg" << QByteArray("JPEG") << picture << "exactly";
        QTest::newRow("null picture") << "coded.png" << QByteArray("PNG") << QImage() << "";
    }

    // A failure says why, writes nothing and leaves an older file as it was. (A folder that
    // does not exist: "write fails" in KelvoAppTest::exitAsksAboutUngeneratedData.)
    void writeFailures() {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        QFETCH(QImage, picture);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QFile old(path);
        const QByteArray before = old.open(QIODevice::WriteOnly) ? "older contents" : "";
        old.write(before);
        old.close();
        QString error;
        QVERIFY(!writeImageExact(path, picture, format.constData(), &error));
        QVERIFY2(!error.isEmpty() && error.contains(reason), qPrintable(error));
        QCOMPARE(contents(path), before);
    }

    // The coded sample pictures that ship with Kelvo.
    void deliveredSamples() {
        const QDir samples(qEnvironmentVariable("KELVO_SOURCE_DATA") + QStringLiteral("samples"));
        const QStringList files = samples.entryList({QStringLiteral("*.png")}, QDir::Files);
        QVERIFY(!files.isEmpty());
        for (const QString& file : files) {
            compareWithQt(contents(samples.filePath(file)));
        }
    }
};

QTEST_GUILESS_MAIN(KelvoPngReaderTest)
#include "kelvopngreader_test.moc"
