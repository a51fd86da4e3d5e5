#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Result {
    int code = -1;
    QString out;
    QString err;
};

// A drawn picture with noise in its low bits.
QImage scene(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(120, 170, 220));
    QPainter painter(&image);
    painter.setBrush(QColor(60, 140, 60));
    painter.drawRect(0, height / 2, width, height / 2);
    painter.end();
    QRandomGenerator random(11);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            line[x] ^= random.bounded(8u) * 0x010101u;
        }
    }
    return image;
}

QJsonArray rect(int left, int top, int right, int bottom) {
    return QJsonArray{QJsonArray{left, top}, QJsonArray{right, top}, QJsonArray{right, bottom},
                      QJsonArray{left, bottom}};
}

QJsonObject textRegion(const QJsonArray& polygon, const QString& text) {
    return QJsonObject{{QStringLiteral("polygons"), QJsonArray{polygon}},
                       {QStringLiteral("texts"), QJsonArray{text}}};
}

QJsonObject annotations(const QJsonArray& regions) {
    return QJsonObject{{QStringLiteral("regions"), regions}};
}

QJsonObject shape(int kind) {
    QJsonObject font{{QStringLiteral("family"), QStringLiteral("Times New Roman")},
                     {QStringLiteral("pointSize"), 14},
                     {QStringLiteral("weight"), 75},
                     {QStringLiteral("italic"), true}};
    QJsonObject object{{QStringLiteral("kind"), kind},
                       {QStringLiteral("x"), 10 * kind},
                       {QStringLiteral("y"), -3},
                       {QStringLiteral("labelX"), 7},
                       {QStringLiteral("labelY"), 9},
                       {QStringLiteral("rect"), QJsonArray{1, 2, 90, 40}},
                       {QStringLiteral("text"), QStringLiteral("kind %1, 25 \u00b0C").arg(kind)},
                       {QStringLiteral("font"), font},
                       {QStringLiteral("alignment"), 3},
                       {QStringLiteral("textColour"), QStringLiteral("#102030")},
                       {QStringLiteral("outlineColour"), QStringLiteral("#ff0000")},
                       {QStringLiteral("backgroundColour"), QStringLiteral("#fafad2")},
                       {QStringLiteral("filled"), false},
                       {QStringLiteral("outlineWidth"), 3}};
    if (kind == 3) {
        object.insert(QStringLiteral("peak"), QJsonArray{40, 70});
        object.insert(QStringLiteral("angles"), QJsonArray{280, 250});
    } else if (kind == 4) {
        object.insert(QStringLiteral("circles"),
                      QJsonArray{QJsonArray{30, 45, 12, 10}, QJsonArray{24, 58, 8, 7}});
    }
    return object;
}

QJsonArray records(const QJsonObject& region) {
    return region.value(QStringLiteral("records")).toArray();
}

} // namespace

class KelvoToolTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QVERIFY(scene(160, 100).save(path(QStringLiteral("plain.png"))));
        QImage snippet = scene(56, 41);
        QPainter(&snippet).fillRect(10, 10, 20, 20, Qt::yellow);
        QVERIFY(snippet.save(path(QStringLiteral("snip.png"))));
        writeFile(QStringLiteral("garbage.png"), "not a picture");
        // A header announcing 60000 x 60000 pixels, and no image data.
        writeFile(QStringLiteral("huge.png"),
                  QByteArray::fromHex("89504e470d0a1a0a0000000d494844520000ea600000ea600802000000"
                                      "0fb0e2150000000049454e44ae426082"));
        writeFile(QStringLiteral("bad.json"), "{\"regions\": [");
        writeJson(QStringLiteral("one.json"),
                  annotations({textRegion(rect(5, 5, 70, 45), QStringLiteral("first"))}));
        QCOMPARE(tool({QStringLiteral("encode"), path(QStringLiteral("plain.png")),
                       path(QStringLiteral("coded.png")), path(QStringLiteral("one.json"))})
                     .code,
                 0);

        QJsonObject unknownKey = textRegion(rect(5, 5, 40, 40), QStringLiteral("x"));
        unknownKey.insert(QStringLiteral("colour"), 1);
        writeJson(QStringLiteral("unknownkey.json"), annotations({unknownKey}));
        writeJson(QStringLiteral("outside.json"),
                  annotations({textRegion(rect(100, 50, 170, 90), QStringLiteral("x"))}));
        writeJson(QStringLiteral("overlap.json"),
                  annotations({textRegion(rect(5, 5, 40, 40), QStringLiteral("a")),
                               textRegion(rect(40, 40, 80, 80), QStringLiteral("b"))}));
        writeJson(QStringLiteral("overlapcoded.json"),
                  annotations({textRegion(rect(60, 30, 100, 60), QStringLiteral("x"))}));
        QString noise;
        QRandomGenerator random(5);
        for (int i = 0; i < 400; ++i) {
            noise += QLatin1Char(char('!' + random.bounded(90)));
        }
        writeJson(QStringLiteral("small.json"),
                  annotations({textRegion(rect(5, 5, 12, 12), noise)}));
        writeJson(QStringLiteral("flat.json"),
                  annotations({textRegion(rect(5, 5, 60, 6), QStringLiteral("x"))}));
    }

    void help_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("usage");
        QTest::newRow("overview") << QStringList{QStringLiteral("--help")}
                                  << QStringLiteral("Usage: kelvo-tool COMMAND");
        for (const char* command : {"test", "decode", "encode", "erase", "idimage"}) {
            QTest::newRow(command)
                << QStringList{QLatin1String(command), QStringLiteral("--help")}
                << QStringLiteral("Usage: kelvo-tool %1 ").arg(QLatin1String(command));
        }
    }

    void help() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, usage);
        const Result result = tool(arguments);
        QCOMPARE(result.code, 0);
        QVERIFY2(result.out.startsWith(usage), qPrintable(result.out));
    }

    // Every error exits with 2 and one line on stderr naming the file and the reason, and
    // leaves the output file as it was.
    void errors_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, std::initializer_list<const char*> arguments,
                            const char* message) {
            QStringList list;
            for (const char* argument : arguments) {
                list << QLatin1String(argument);
            }
            QTest::newRow(name) << list << QString::fromLatin1(message);
        };
        row("no arguments", {}, "no command; see kelvo-tool --help");
        row("unknown command", {"frobnicate"}, "unknown command \"frobnicate\"");
        row("missing argument", {"test"}, "Usage: kelvo-tool test IMAGE");
        row("extra argument", {"test", "@plain.png", "@plain.png"}, "Usage: kelvo-tool test");
        row("unknown option", {"decode", "--verbose", "@plain.png"}, "unknown option --verbose");
        row("missing picture", {"test", "@missing.png"}, "missing.png: cannot read picture");
        row("not a picture", {"decode", "@garbage.png"}, "garbage.png: cannot read picture");
        row("huge picture", {"decode", "@huge.png"}, "huge.png: cannot read picture");
        row("bad JSON", {"encode", "@plain.png", "@out.png", "@bad.json"},
            "bad.json: invalid JSON at offset");
        row("missing JSON", {"encode", "@plain.png", "@out.png", "@none.json"}, "none.json: ");
        row("unknown key", {"encode", "@plain.png", "@out.png", "@unknownkey.json"},
            "unknownkey.json: regions[0].colour: unknown key");
        row("outside the picture", {"encode", "@plain.png", "@out.png", "@outside.json"},
            "outside.json: regions[0].polygons[0]: reaches outside the 160 x 100 picture");
        row("overlapping regions", {"encode", "@plain.png", "@out.png", "@overlap.json"},
            "overlap.json: regions[1]: overlaps regions[0] at (40, 40)");
        row("overlapping a coded region",
            {"encode", "@coded.png", "@out.png", "@overlapcoded.json"},
            "overlapcoded.json: regions[0]: overlaps coded region 0 of");
        row("region too small", {"encode", "@plain.png", "@out.png", "@small.json"},
            "small.json: regions[0]: too small for its data");
        row("no interior", {"encode", "@plain.png", "@out.png", "@flat.json"},
            "flat.json: regions[0]: no interior");
        row("index without value", {"erase", "@coded.png", "@out.png", "--index"},
            "--index needs one id index");
        row("negative index", {"erase", "@coded.png", "@out.png", "--index", "-2"},
            "--index needs one id index");
        row("index of no region", {"erase", "@coded.png", "@out.png", "--index", "0"},
            "coded.png: no coded region owns id index 0");
        row("index beyond the palette", {"erase", "@coded.png", "@out.png", "--index", "99"},
            "coded.png: no coded region owns id index 99");
        row("index in an uncoded picture", {"erase", "@plain.png", "@out.png", "--index", "2"},
            "plain.png: no coded region owns id index 2");
        row("unwritable output", {"idimage", "@plain.png", "@nowhere/out.png"},
            "out.png: cannot write picture");
    }

    void errors() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        writeFile(QStringLiteral("out.png"), "older picture");
        const Result result = tool(arguments);
        QCOMPARE(result.code, 2);
        QVERIFY(result.out.isEmpty());
        QVERIFY2(result.err.startsWith(QStringLiteral("kelvo-tool: ")), qPrintable(result.err));
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QCOMPARE(result.err.count(QLatin1Char('\n')), 1);
        QCOMPARE(readFile(QStringLiteral("out.png")), QByteArray("older picture"));
    }

    void testCommand() {
        Result result = tool({QStringLiteral("test"), path(QStringLiteral("plain.png"))});
        QCOMPARE(result.code, 1);
        QCOMPARE(result.out, QStringLiteral("not coded\n"));
        result = tool({QStringLiteral("test"), path(QStringLiteral("coded.png"))});
        QCOMPARE(result.code, 0);
        QCOMPARE(result.out, QStringLiteral("coded\n"));
    }

    // Every kind of record goes through the files and comes back as it was given.
    void everyRecordType() {
        QJsonObject texts = textRegion(rect(5, 5, 70, 45), QStringLiteral("Hello, world"));
        texts.insert(QStringLiteral("texts"),
                     QJsonArray{QStringLiteral("Hello, world"), QStringLiteral("caf\u00e9")});
        texts.insert(QStringLiteral("dictEntry"),
                     QJsonObject{{QStringLiteral("id"), 222},
                                 {QStringLiteral("word"), QStringLiteral("house")},
                                 {QStringLiteral("term"), QStringLiteral("Haus")}});
        texts.insert(
            QStringLiteral("records"),
            QJsonArray{QJsonObject{{QStringLiteral("type"), 3},
                                   {QStringLiteral("payload"), QStringLiteral("00ff7f")}}});
        texts.insert(QStringLiteral("colours"), QJsonArray{0x123456, 0xabcdef});
        const QJsonArray shapes{shape(1), shape(2), shape(3), shape(4)};
        const QJsonObject shaped{{QStringLiteral("polygons"), QJsonArray{rect(80, 5, 155, 95)}},
                                 {QStringLiteral("shapedTexts"), shapes}};
        const QJsonObject image{
            {QStringLiteral("polygons"), QJsonArray{rect(5, 55, 60, 95)}},
            {QStringLiteral("images"),
             QJsonArray{QJsonObject{{QStringLiteral("file"), QStringLiteral("snip.png")},
                                    {QStringLiteral("polygon"), rect(0, 0, 55, 40)}}}}};
        writeJson(QStringLiteral("all.json"), annotations({texts, shaped, image}));
        QCOMPARE(tool({QStringLiteral("encode"), path(QStringLiteral("plain.png")),
                       path(QStringLiteral("all.png")), path(QStringLiteral("all.json"))})
                     .code,
                 0);

        const QJsonObject decoded = decode(QStringLiteral("all.png"));
        QCOMPARE(decoded.value(QStringLiteral("width")).toInt(), 160);
        QCOMPARE(decoded.value(QStringLiteral("height")).toInt(), 100);
        QVERIFY(decoded.value(QStringLiteral("coded")).toBool());
        const QJsonArray regions = decoded.value(QStringLiteral("regions")).toArray();
        QCOMPARE(regions.size(), 3);
        for (int key = 0; key < 3; ++key) {
            const QJsonObject region = regions[key].toObject();
            QCOMPARE(region.value(QStringLiteral("key")).toInt(), key);
            QVERIFY(region.value(QStringLiteral("level")).toInt() >= 1);
            const QJsonArray starts = region.value(QStringLiteral("startPoints")).toArray();
            QCOMPARE(starts.size(), 1);
            QCOMPARE(starts[0].toObject().value(QStringLiteral("pixelCount")),
                     region.value(QStringLiteral("fillCount")));
        }
        const QJsonObject first = regions[0].toObject();
        const QJsonArray firstRecords = records(first);
        QCOMPARE(firstRecords.size(), 4);
        QCOMPARE(firstRecords[0].toObject().value(QStringLiteral("text")).toString(),
                 QStringLiteral("Hello, world"));
        QCOMPARE(firstRecords[1].toObject().value(QStringLiteral("payload")).toString(),
                 QStringLiteral("636166e9"));
        QCOMPARE(firstRecords[1].toObject().value(QStringLiteral("text")).toString(),
                 QStringLiteral("caf\u00e9"));
        QCOMPARE(firstRecords[2].toObject().value(QStringLiteral("type")).toInt(), 3);
        QCOMPARE(firstRecords[2].toObject().value(QStringLiteral("payload")).toString(),
                 QStringLiteral("00ff7f"));
        QCOMPARE(firstRecords[3].toObject().value(QStringLiteral("type")).toInt(), 6);
        QCOMPARE(firstRecords[3].toObject().value(QStringLiteral("text")).toString(),
                 QStringLiteral("<_ID 222><house>Haus"));
        QCOMPARE(first.value(QStringLiteral("colours")).toArray(),
                 (QJsonArray{0x123456, 0xabcdef}));

        const QJsonArray shapeRecords = records(regions[1].toObject());
        QCOMPARE(shapeRecords.size(), 4);
        for (qsizetype i = 0; i < shapes.size(); ++i) {
            const QJsonObject record = shapeRecords[i].toObject();
            QCOMPARE(record.value(QStringLiteral("type")).toInt(), 1);
            QCOMPARE(record.value(QStringLiteral("subIndex")).toInt(), 0);
            QCOMPARE(record.value(QStringLiteral("shapes")).toArray(), QJsonArray{shapes[i]});
        }

        const QJsonObject snippet = regions[2].toObject();
        const QJsonObject imageRecord = records(snippet)[0].toObject();
        QCOMPARE(imageRecord.value(QStringLiteral("type")).toInt(), 2);
        QCOMPARE(imageRecord.value(QStringLiteral("size")).toInt(), 54 * 39);
        QVERIFY(!snippet.value(QStringLiteral("colours")).toArray().isEmpty());
    }

    void uncodedPicture() {
        const QJsonObject decoded = decode(QStringLiteral("plain.png"));
        QVERIFY(!decoded.value(QStringLiteral("coded")).toBool());
        QVERIFY(decoded.value(QStringLiteral("regions")).toArray().isEmpty());
    }

    // Regions added to a coded picture get the next keys and keep the old region.
    void addToCodedPicture() {
        writeJson(QStringLiteral("two.json"),
                  annotations({textRegion(rect(90, 10, 150, 80), QStringLiteral("second"))}));
        QCOMPARE(tool({QStringLiteral("encode"), path(QStringLiteral("coded.png")),
                       path(QStringLiteral("both.png")), path(QStringLiteral("two.json"))})
                     .code,
                 0);
        const QJsonArray regions =
            decode(QStringLiteral("both.png")).value(QStringLiteral("regions")).toArray();
        QCOMPARE(regions.size(), 2);
        QCOMPARE(records(regions[0].toObject())[0].toObject().value(QStringLiteral("text")),
                 QJsonValue(QStringLiteral("first")));
        QCOMPARE(regions[1].toObject().value(QStringLiteral("key")).toInt(), 1);
        QCOMPARE(records(regions[1].toObject())[0].toObject().value(QStringLiteral("text")),
                 QJsonValue(QStringLiteral("second")));
    }

    // The id image holds interior (even) and outline (odd) indices; erasing the region that
    // owns one index keeps the other region.
    void idImageAndErase() {
        writeJson(QStringLiteral("pair.json"),
                  annotations({textRegion(rect(5, 5, 60, 60), QStringLiteral("left")),
                               textRegion(rect(90, 10, 150, 80), QStringLiteral("right"))}));
        QCOMPARE(tool({QStringLiteral("encode"), path(QStringLiteral("plain.png")),
                       path(QStringLiteral("pair.png")), path(QStringLiteral("pair.json"))})
                     .code,
                 0);
        QCOMPARE(tool({QStringLiteral("idimage"), path(QStringLiteral("pair.png")),
                       path(QStringLiteral("ids.png"))})
                     .code,
                 0);
        const QImage ids(path(QStringLiteral("ids.png")));
        QCOMPARE(ids.format(), QImage::Format_Grayscale8);
        QCOMPARE(ids.size(), QSize(160, 100));
        QCOMPARE(qGray(ids.pixel(2, 2)), 0);
        const int rightInterior = qGray(ids.pixel(120, 40));
        QVERIFY(rightInterior >= 2 && rightInterior % 2 == 0);
        QCOMPARE(qGray(ids.pixel(150, 40)), rightInterior + 1);
        QVERIFY(qGray(ids.pixel(30, 30)) != rightInterior);

        QCOMPARE(tool({QStringLiteral("erase"), path(QStringLiteral("pair.png")),
                       path(QStringLiteral("left.png")), QStringLiteral("--index"),
                       QString::number(rightInterior + 1)})
                     .code,
                 0);
        const QJsonArray left =
            decode(QStringLiteral("left.png")).value(QStringLiteral("regions")).toArray();
        QCOMPARE(left.size(), 1);
        QCOMPARE(records(left[0].toObject())[0].toObject().value(QStringLiteral("text")),
                 QJsonValue(QStringLiteral("left")));

        QCOMPARE(tool({QStringLiteral("erase"), path(QStringLiteral("pair.png")),
                       path(QStringLiteral("none.png"))})
                     .code,
                 0);
        QCOMPARE(tool({QStringLiteral("test"), path(QStringLiteral("none.png"))}).code, 1);
    }

    // Pictures of every format the editor opens are coded; palette pictures in 32 bits.
    void inputFormats_data() {
        QTest::addColumn<QString>("format");
        for (const char* format : {"png", "jpg", "bmp", "ppm", "xpm"}) {
            QTest::newRow(format) << QString::fromLatin1(format);
        }
    }

    void inputFormats() {
        QFETCH(QString, format);
        const QString in = path(QStringLiteral("input.") + format);
        QImage picture = scene(120, 80);
        if (format == QLatin1String("xpm")) {
            picture = picture.convertToFormat(QImage::Format_Indexed8);
        }
        QVERIFY(picture.save(in));
        writeJson(QStringLiteral("format.json"),
                  annotations({textRegion(rect(10, 10, 100, 70), QStringLiteral("any format"))}));
        const QString out = path(QStringLiteral("from-") + format + QStringLiteral(".png"));
        const Result result =
            tool({QStringLiteral("encode"), in, out, path(QStringLiteral("format.json"))});
        QVERIFY2(result.code == 0, qPrintable(result.err));
        const QJsonArray regions = decode(QStringLiteral("from-") + format + QStringLiteral(".png"))
                                       .value(QStringLiteral("regions"))
                                       .toArray();
        QCOMPARE(regions.size(), 1);
        QCOMPARE(records(regions[0].toObject())[0].toObject().value(QStringLiteral("text")),
                 QJsonValue(QStringLiteral("any format")));
    }

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }

    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readFile(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void writeJson(const QString& name, const QJsonObject& json) const {
        writeFile(name, QJsonDocument(json).toJson());
    }

    // Runs the tool; arguments starting with "@" name files in the test folder.
    Result tool(QStringList arguments) const {
        for (QString& argument : arguments) {
            if (argument.startsWith(QLatin1Char('@'))) {
                argument = path(argument.mid(1));
            }
        }
        QProcess process;
        process.start(QStringLiteral(KELVO_TOOL), arguments);
        Result result;
        if (!process.waitForFinished(60000)) {
            return result;
        }
        result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    QJsonObject decode(const QString& name) const {
        const Result result = tool({QStringLiteral("decode"), path(name)});
        return result.code == 0 ? QJsonDocument::fromJson(result.out.toUtf8()).object()
                                : QJsonObject();
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(KelvoToolTest)
#include "kelvotool_test.moc"
