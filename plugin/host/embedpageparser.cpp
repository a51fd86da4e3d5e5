#include "embedpageparser.h"

namespace {

class Scanner {
public:
    explicit Scanner(const QString& html) : m_html(html) {}

    QList<EmbedElement> embeds() {
        QList<EmbedElement> result;
        while ((m_pos = m_html.indexOf(QLatin1Char('<'), m_pos)) >= 0) {
            ++m_pos;
            if (m_html.mid(m_pos, 3) == QLatin1String("!--")) {
                skipPast(QStringLiteral("-->"));
                continue;
            }
            const QString name = readName();
            if (name.isEmpty())
                continue;
            QList<QPair<QString, QString>> attributes = readAttributes();
            if (name == QLatin1String("embed"))
                result.append(EmbedElement{std::move(attributes)});
            else if (name == QLatin1String("script") || name == QLatin1String("style"))
                skipPast(QStringLiteral("</") + name);
        }
        return result;
    }

private:
    bool atEnd() const { return m_pos >= m_html.size(); }
    QChar current() const { return m_html.at(m_pos); }

    void skipPast(const QString& text) {
        const qsizetype end = m_html.indexOf(text, m_pos, Qt::CaseInsensitive);
        m_pos = end < 0 ? m_html.size() : end + text.size();
    }

    void skipSpace() {
        while (!atEnd() && (current().isSpace() || current() == QLatin1Char('/')))
            ++m_pos;
    }

    QString readName() {
        const qsizetype start = m_pos;
        while (!atEnd() && (current().isLetterOrNumber() || current() == QLatin1Char('-') ||
                            current() == QLatin1Char('_') || current() == QLatin1Char(':')))
            ++m_pos;
        return m_html.mid(start, m_pos - start).toLower();
    }

    QString readValue() {
        if (atEnd())
            return QString();
        const QChar quote = current();
        if (quote == QLatin1Char('"') || quote == QLatin1Char('\'')) {
            const qsizetype start = ++m_pos;
            const qsizetype end = m_html.indexOf(quote, start);
            m_pos = end < 0 ? m_html.size() : end + 1;
            return m_html.mid(start, (end < 0 ? m_html.size() : end) - start);
        }
        const qsizetype start = m_pos;
        while (!atEnd() && !current().isSpace() && current() != QLatin1Char('>'))
            ++m_pos;
        return m_html.mid(start, m_pos - start);
    }

    // Attributes up to and including the tag's closing ">".
    QList<QPair<QString, QString>> readAttributes() {
        QList<QPair<QString, QString>> attributes;
        for (;;) {
            skipSpace();
            if (atEnd())
                return attributes;
            if (current() == QLatin1Char('>')) {
                ++m_pos;
                return attributes;
            }
            QString name = readName();
            if (name.isEmpty()) {
                ++m_pos; // a stray character inside the tag
                continue;
            }
            while (!atEnd() && current().isSpace())
                ++m_pos;
            QString value(QLatin1String(""));
            if (!atEnd() && current() == QLatin1Char('=')) {
                ++m_pos;
                while (!atEnd() && current().isSpace())
                    ++m_pos;
                value = decodeReferences(readValue());
            }
            attributes.append({std::move(name), std::move(value)});
        }
    }

    static QString decodeReferences(QString value) {
        value.replace(QLatin1String("&lt;"), QLatin1String("<"));
        value.replace(QLatin1String("&gt;"), QLatin1String(">"));
        value.replace(QLatin1String("&quot;"), QLatin1String("\""));
        value.replace(QLatin1String("&#39;"), QLatin1String("'"));
        value.replace(QLatin1String("&amp;"), QLatin1String("&"));
        return value;
    }

    const QString& m_html;
    qsizetype m_pos = 0;
};

} // namespace

QString EmbedElement::value(const QString& name) const {
    for (const auto& [key, value] : attributes) {
        if (key == name)
            return value;
    }
    return QString();
}

namespace EmbedPageParser {

QList<EmbedElement> parse(const QString& html) {
    return Scanner(html).embeds();
}

} // namespace EmbedPageParser
