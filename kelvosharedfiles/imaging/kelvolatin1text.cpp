#include "kelvolatin1text.h"

#include <QList>
#include <QStringList>

QString kelvoUnstorableCharacters(const QString& text) {
    QList<char32_t> found;
    for (const char32_t c : text.toUcs4()) {
        if (c > 0xFF && !found.contains(c)) {
            found.append(c);
        }
    }
    return QString::fromUcs4(found.constData(), found.size());
}

QString kelvoCharacterNames(const QString& characters) {
    QStringList names;
    for (const char32_t c : characters.toUcs4()) {
        names << QStringLiteral("\"%1\" (U+%2)")
                     .arg(QString::fromUcs4(&c, 1),
                          QString::number(uint(c), 16).toUpper().rightJustified(4, u'0'));
    }
    return names.join(QStringLiteral(", "));
}
