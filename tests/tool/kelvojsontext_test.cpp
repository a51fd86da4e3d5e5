// The decode report's JSON writer against Qt's, which kelvo-tool printed its reports with before:
// the same bytes for awkward strings, nesting, empty containers, key order and integers.
#include "kelvojsontext.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

class KelvoJsonTextTest : public QObject {
    Q_OBJECT
private slots:
    void sameBytesAsQt_data();
    void sameBytesAsQt();
};

void KelvoJsonTextTest::sameBytesAsQt_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << QStringLiteral("Kelvo");
    QTest::newRow("escapes") << QStringLiteral("\"\\/\b\f\n\r\t\x01\x1f\x7f");
    QTest::newRow("nul") << QString(QChar(0));
    QTest::newRow("latin-1 and beyond") << QStringLiteral("äöü ß € 漢");
    QTest::newRow("pair") << QString::fromUtf16(u"a\U0001F600b");
    QTest::newRow("lone surrogates") << QString::fromUtf16(u"\xd83d x \xde00 \xdbff");
}

void KelvoJsonTextTest::sameBytesAsQt() {
    QFETCH(QString, text);
    KelvoJson empty = KelvoJson::object();
    empty.set("array", KelvoJson::array()).set("object", KelvoJson::object());
    KelvoJson list = KelvoJson::integers({-1, 0, 4294967295});
    list.append(KelvoJson::boolean(true)).append(std::move(empty));
    KelvoJson ours = KelvoJson::object();
    ours.set("text", KelvoJson::string(text.toStdU16String()))
        .set("b", std::move(list))
        .set("a", KelvoJson::boolean(false));

    const QJsonObject qt{
        {QStringLiteral("text"), text},
        {QStringLiteral("b"), QJsonArray{qint64(-1), 0, qint64(4294967295), true,
                                         QJsonObject{{QStringLiteral("array"), QJsonArray()},
                                                     {QStringLiteral("object"), QJsonObject()}}}},
        {QStringLiteral("a"), false}};
    QCOMPARE(QByteArray::fromStdString(ours.toText()), QJsonDocument(qt).toJson());
}

QTEST_GUILESS_MAIN(KelvoJsonTextTest)
#include "kelvojsontext_test.moc"
