#include "kelvojsonreader.h"

#include "kelvotoolerror.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>

#include <cmath>

QString KelvoJsonReader::member(const QString& path, const QString& key) {
    return path.isEmpty() ? key : path + QLatin1Char('.') + key;
}

QString KelvoJsonReader::element(const QString& path, qsizetype index) {
    return path + QStringLiteral("[%1]").arg(index);
}

void KelvoJsonReader::fail(const QString& path, const QString& reason) const {
    const QString where = path.isEmpty() ? m_fileName : m_fileName + QStringLiteral(": ") + path;
    throw KelvoToolError(where + QStringLiteral(": ") + reason);
}

QJsonObject KelvoJsonReader::document(const QByteArray& text) const {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError) {
        fail(QString(), QStringLiteral("invalid JSON at offset %1: %2")
                            .arg(error.offset)
                            .arg(error.errorString()));
    }
    if (!doc.isObject()) {
        fail(QString(), QStringLiteral("the document is not a JSON object"));
    }
    return doc.object();
}

QJsonObject KelvoJsonReader::object(const QJsonValue& value, const QString& path,
                                    const QStringList& keys) const {
    if (!value.isObject()) {
        fail(path, QStringLiteral("expected an object"));
    }
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!keys.contains(it.key())) {
            fail(member(path, it.key()), QStringLiteral("unknown key"));
        }
    }
    return object;
}

QJsonArray KelvoJsonReader::array(const QJsonValue& value, const QString& path) const {
    if (!value.isArray()) {
        fail(path, QStringLiteral("expected an array"));
    }
    return value.toArray();
}

QJsonArray KelvoJsonReader::array(const QJsonValue& value, const QString& path,
                                  qsizetype size) const {
    const QJsonArray result = array(value, path);
    if (result.size() != size) {
        fail(path, QStringLiteral("expected an array of %1 elements").arg(size));
    }
    return result;
}

QString KelvoJsonReader::string(const QJsonValue& value, const QString& path) const {
    if (!value.isString()) {
        fail(path, QStringLiteral("expected a string"));
    }
    return value.toString();
}

bool KelvoJsonReader::boolean(const QJsonValue& value, const QString& path) const {
    if (!value.isBool()) {
        fail(path, QStringLiteral("expected true or false"));
    }
    return value.toBool();
}

int KelvoJsonReader::integer(const QJsonValue& value, const QString& path, int min, int max) const {
    const double number = value.toDouble(std::nan(""));
    if (!value.isDouble() || number != std::floor(number) || number < min || number > max) {
        fail(path, QStringLiteral("expected a whole number from %1 to %2").arg(min).arg(max));
    }
    return static_cast<int>(number);
}

QColor KelvoJsonReader::colour(const QJsonValue& value, const QString& path) const {
    static const QRegularExpression pattern(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    const QString text = string(value, path);
    if (!pattern.match(text).hasMatch()) {
        fail(path, QStringLiteral("expected a colour \"#rrggbb\""));
    }
    return QColor::fromString(text);
}

QPoint KelvoJsonReader::point(const QJsonValue& value, const QString& path) const {
    const QJsonArray xy = array(value, path, 2);
    return QPoint(integer(xy[0], element(path, 0), -kMaxCoordinate, kMaxCoordinate),
                  integer(xy[1], element(path, 1), -kMaxCoordinate, kMaxCoordinate));
}

QPolygon KelvoJsonReader::polygon(const QJsonValue& value, const QString& path) const {
    const QJsonArray points = array(value, path);
    if (points.size() < 3) {
        fail(path, QStringLiteral("a polygon needs at least three points"));
    }
    QPolygon polygon;
    polygon.reserve(points.size());
    for (qsizetype i = 0; i < points.size(); ++i) {
        polygon.append(point(points[i], element(path, i)));
    }
    return polygon;
}

std::vector<uint8_t> KelvoJsonReader::hex(const QJsonValue& value, const QString& path) const {
    static const QRegularExpression pattern(QStringLiteral("^([0-9A-Fa-f]{2})*$"));
    const QString text = string(value, path);
    if (!pattern.match(text).hasMatch()) {
        fail(path, QStringLiteral("expected pairs of hexadecimal digits"));
    }
    const QByteArray bytes = QByteArray::fromHex(text.toLatin1());
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}
