// Strict reading of a JSON document: every value is checked for its type and range, objects
// for unknown keys, and every failure throws a KelvoToolError naming the file and the JSON
// path of the value ("regions[0].texts[1]").
#pragma once

#include <QByteArray>
#include <QColor>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QPoint>
#include <QPolygon>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class KelvoJsonReader {
public:
    explicit KelvoJsonReader(QString fileName) : m_fileName(std::move(fileName)) {}

    // Path of a member or an element below `path`.
    static QString member(const QString& path, const QString& key);
    static QString element(const QString& path, qsizetype index);

    // The document's top-level object.
    QJsonObject document(const QByteArray& text) const;

    // An object whose keys are all in `keys`.
    QJsonObject object(const QJsonValue& value, const QString& path, const QStringList& keys) const;
    QJsonArray array(const QJsonValue& value, const QString& path) const;
    // An array of exactly `size` elements.
    QJsonArray array(const QJsonValue& value, const QString& path, qsizetype size) const;
    QString string(const QJsonValue& value, const QString& path) const;
    bool boolean(const QJsonValue& value, const QString& path) const;
    // A whole number from `min` to `max`.
    int integer(const QJsonValue& value, const QString& path, int min, int max) const;
    // "#rrggbb"
    QColor colour(const QJsonValue& value, const QString& path) const;
    // [x, y]
    QPoint point(const QJsonValue& value, const QString& path) const;
    // [[x, y], ...] with at least three points.
    QPolygon polygon(const QJsonValue& value, const QString& path) const;
    // A string of hexadecimal digit pairs.
    std::vector<uint8_t> hex(const QJsonValue& value, const QString& path) const;

    [[noreturn]] void fail(const QString& path, const QString& reason) const;

    // Coordinates beyond this are refused, which keeps all geometry far from overflow.
    static constexpr int kMaxCoordinate = 1'000'000;

private:
    QString m_fileName;
};
