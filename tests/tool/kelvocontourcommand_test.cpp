// kelvo-tool contour: the outline as JSON on the pictures the grabber's tests use, exit 1 with
// "no closed contour" where there is none, and clear errors for bad points and files.
#include "kelvocontour.h"
#include "kelvotool.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Result {
    int code = -1;
    QString out;
    QString err;
};

} // namespace

class KelvoContourCommandTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void outlines_data();
    void outlines();
    void failures_data();
    void failures();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    Result tool(const QStringList& arguments) const {
        Result result;
        QTextStream out(&result.out);
        QTextStream err(&result.err);
        result.code = KelvoTool::run(arguments, out, err);
        return result;
    }
    void save(const QString& name, const QImage& image) const { QVERIFY(image.save(path(name))); }

    QTemporaryDir m_dir;
};

void KelvoContourCommandTest::initTestCase() {
    QVERIFY(m_dir.isValid());
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    save(QStringLiteral("plain.png"), image);
    QPainter(&image).fillRect(10, 10, 10, 10, Qt::black);
    save(QStringLiteral("square.png"), image);
    // The same picture with a palette, as a BMP.
    save(QStringLiteral("square.bmp"), image.convertToFormat(QImage::Format_Indexed8));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setPen(QPen(Qt::blue, 4));
        painter.drawEllipse(QRect(8, 5, 20, 20));
    }
    save(QStringLiteral("ring.png"), image);
    image.fill(Qt::white);
    QPainter(&image).fillRect(0, 10, 10, 10, Qt::black);
    save(QStringLiteral("border.png"), image);
}

void KelvoContourCommandTest::outlines_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("point");
    QTest::newRow("square") << "square.png"
                            << "35,25";
    QTest::newRow("square from another background pixel") << "square.png"
                                                          << "0,0";
    QTest::newRow("palette picture") << "square.bmp"
                                     << "0,0";
    QTest::newRow("ring") << "ring.png"
                          << "1,1";
}

// The printed points are those of findContour, in the same order.
void KelvoContourCommandTest::outlines() {
    QFETCH(QString, file);
    QFETCH(QString, point);
    const Result result = tool({QStringLiteral("contour"), path(file), point});
    QCOMPARE(result.code, 0);
    QVERIFY(result.err.isEmpty());
    const QJsonArray printed = QJsonDocument::fromJson(result.out.toUtf8()).array();

    const QImage image(path(file));
    QPolygon expected;
    QVERIFY(findContour(image, expected, qRgb(255, 255, 255)));
    QCOMPARE(printed.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QCOMPARE(printed[i].toArray(), (QJsonArray{expected[i].x(), expected[i].y()}));
    }
    if (file.startsWith(QLatin1String("square"))) {
        QCOMPARE(printed.first().toArray(), (QJsonArray{10, 9}));
    }
}

void KelvoContourCommandTest::failures_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("one colour") << QStringList{"plain.png", "5,5"} << 1 << "no closed contour";
    QTest::newRow("touches the border")
        << QStringList{"border.png", "30,5"} << 1 << "no closed contour";
    QTest::newRow("outside") << QStringList{"square.png", "40,3"} << 2
                             << "the point 40,3 lies outside the picture (40 x 30)";
    QTest::newRow("not a point") << QStringList{"square.png", "3;4"} << 2
                                 << "3;4: the point must be X,Y";
    QTest::newRow("three numbers")
        << QStringList{"square.png", "1,2,3"} << 2 << "1,2,3: the point must be X,Y";
    QTest::newRow("missing file") << QStringList{"none.png", "1,1"} << 2 << "none.png";
    QTest::newRow("missing point")
        << QStringList{"square.png"} << 2 << "Usage: kelvo-tool contour IMAGE X,Y";
}

void KelvoContourCommandTest::failures() {
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, message);
    arguments[0] = path(arguments[0]);
    arguments.prepend(QStringLiteral("contour"));
    const Result result = tool(arguments);
    QCOMPARE(result.code, code);
    QVERIFY(result.out.isEmpty());
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QCOMPARE(result.err.count(QLatin1Char('\n')), 1);
}

QTEST_GUILESS_MAIN(KelvoContourCommandTest)
#include "kelvocontourcommand_test.moc"
