#include "kelvopackinglevels.h"
#include "kelvotoolinprocess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Printable characters in no order, which compression hardly shortens.
QString noise(int length) {
    QRandomGenerator random(7);
    QString text;
    for (int i = 0; i < length; ++i) {
        text += QLatin1Char(char('!' + random.bounded(94)));
    }
    return text;
}

} // namespace

class KelvoCapacityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QImage picture(120, 90, QImage::Format_RGB32);
        picture.fill(qRgb(90, 140, 200));
        QVERIFY(picture.save(path(u"plain.png"_s)));
    }

    // Over region sizes and texts, capacity says a region fits exactly when encode codes it, and
    // exactly when its bytes are within its room; the text one character longer than the
    // longest that fits is refused by both.
    void fitEqualsEncoding_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<bool>("colours");
        for (int side : {6, 10, 17, 30, 60}) {
            QTest::addRow("%dx%d", side, side) << side << false;
        }
        QTest::newRow("30x30 with colours") << 30 << true;
    }

    void fitEqualsEncoding() {
        QFETCH(int, side);
        QFETCH(bool, colours);
        int fitting = 0;
        int refused = 4 * side * side; // more than the densest level holds
        QVERIFY(!agreedFit(side, colours, refused));
        while (refused - fitting > 1) {
            const int middle = (fitting + refused) / 2;
            (agreedFit(side, colours, middle) ? fitting : refused) = middle;
        }
        QVERIFY(agreedFit(side, colours, fitting / 2));
    }

    // A small region with a long text is coded at a level that shows; a roomy one is not.
    void visibleLevels_data() {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("visible");
        QTest::newRow("10x10, 150 characters") << 10 << 150 << true;
        QTest::newRow("60x60, 150 characters") << 60 << 150 << false;
    }

    void visibleLevels() {
        QFETCH(int, side);
        QFETCH(int, length);
        QFETCH(bool, visible);
        const QJsonObject entry = capacity(side, false, length).first;
        QVERIFY(entry[u"fits"_s].toBool());
        QCOMPARE(entry[u"visible"_s].toBool(), visible);
        QCOMPARE(entry[u"level"_s].toInt() >= kFirstVisibleLevel, visible);
    }

    // Each region gets its own entry; a region without interior is named with the encoder's
    // reason while the others keep their figures.
    void regionWithoutInterior() {
        writeFile(u"["
                  u"{\"polygons\": [[[2, 2], [40, 2], [40, 40], [2, 40]]], \"texts\": [\"a\"]},"
                  u"{\"polygons\": [[[50, 5], [100, 5], [100, 6], [50, 6]]], \"texts\": [\"b\"]}"
                  u"]"_s);
        const KelvoToolResult result = runKelvoTool(arguments(u"capacity"_s));
        QCOMPARE(result.code, 1);
        const QJsonArray entries = QJsonDocument::fromJson(result.out.toUtf8()).array();
        QCOMPARE(entries.size(), 2);
        QVERIFY(entries[0][u"fits"_s].toBool());
        QCOMPARE(entries[0][u"level"_s].toInt(), 1);
        QCOMPARE(entries[1][u"region"_s].toInt(), 1);
        QVERIFY(!entries[1][u"fits"_s].toBool());
        QVERIFY(entries[1][u"problem"_s].toString().startsWith(u"no interior"_s));
        QCOMPARE(runKelvoTool(arguments(u"encode"_s)).code, 2);
    }

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }

    void writeFile(const QString& regions) {
        QFile file(path(u"notes.json"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(u"{\"regions\": %1}"_s.arg(regions).toUtf8());
    }

    QStringList arguments(const QString& command) const {
        QStringList list{command, path(u"plain.png"_s)};
        if (command == u"encode"_s) {
            list << path(u"coded.png"_s);
        }
        return list << path(u"notes.json"_s);
    }

    // The entry of a square region at (20, 20) with `length` characters, and the exit status.
    std::pair<QJsonObject, int> capacity(int side, bool colours, int length) {
        const QJsonArray square{QJsonArray{20, 20}, QJsonArray{20 + side, 20},
                                QJsonArray{20 + side, 20 + side}, QJsonArray{20, 20 + side}};
        QJsonObject region{{u"polygons"_s, QJsonArray{QJsonValue(square)}},
                           {u"texts"_s, QJsonArray{noise(length)}}};
        if (colours) {
            region.insert(u"colours"_s, QJsonArray{0x102030, 0xfafad2, 0x00ff00});
        }
        writeFile(QString::fromUtf8(QJsonDocument(QJsonArray{region}).toJson()));
        const KelvoToolResult result = runKelvoTool(arguments(u"capacity"_s));
        const QJsonArray entries = QJsonDocument::fromJson(result.out.toUtf8()).array();
        return {entries.size() == 1 ? entries[0].toObject() : QJsonObject(), result.code};
    }

    // Whether the region fits, after checking that capacity, its figures and encode agree.
    bool agreedFit(int side, bool colours, int length) {
        // Named, not bound as a structured binding: C++17 lambdas cannot capture those.
        const auto figures = capacity(side, colours, length);
        const QJsonObject& entry = figures.first;
        const int code = figures.second;
        const bool fits = entry[u"fits"_s].toBool();
        const bool withinRoom = entry[u"bytes"_s].toInteger() <= entry[u"room"_s].toInteger();
        const int encoded = runKelvoTool(arguments(u"encode"_s)).code;
        const QByteArray where = u"%1 characters: %2"_s.arg(length).arg(code).toUtf8();
        [&] {
            QVERIFY2(code == (fits ? 0 : 1), where);
            QVERIFY2(encoded == (fits ? 0 : 2), where);
            QVERIFY2(withinRoom == fits, where);
            QVERIFY2(fits == (entry[u"level"_s].toInt() > 0), where);
        }();
        return fits;
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(KelvoCapacityTest)
#include "kelvocapacity_test.moc"
