// Finds the embed elements of an HTML page: every <embed ...> tag outside comments, scripts
// and styles, with its attributes in page order. Names are lower-cased; values lose their
// quotes and have character references &amp; &lt; &gt; &quot; &#39; resolved; an attribute
// without a value has an empty one.
#pragma once

#include <QList>
#include <QPair>
#include <QString>

struct EmbedElement {
    QList<QPair<QString, QString>> attributes;

    // The value of the first attribute called `name` (lower case); null when absent.
    QString value(const QString& name) const;
};

namespace EmbedPageParser {

QList<EmbedElement> parse(const QString& html);

} // namespace EmbedPageParser
