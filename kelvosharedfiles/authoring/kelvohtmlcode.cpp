#include "kelvohtmlcode.h"

namespace {

QString hexDigits(char16_t u, int width) {
    return QString::number(u, 16).toUpper().rightJustified(width, QLatin1Char('0'));
}

// A text between double quotes in a script element: besides the string's own escapes, "<" is
// written as \x3C so that no "</script>" or "<!--" inside it can end or change the element.
QString scriptString(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'"') {
            out += QLatin1Char('\\') + c;
        } else if (u < 0x20 || u == u'<') {
            out += QStringLiteral("\\x") + hexDigits(u, 2);
        } else if (u == 0x2028 || u == 0x2029) {
            out += QStringLiteral("\\u") + hexDigits(u, 4);
        } else {
            out += c;
        }
    }
    return out;
}

// A text inside a double-quoted attribute.
QString attribute(const QString& text) {
    return text.toHtmlEscaped();
}

} // namespace

QString kelvoHtmlCode(const QString& file, const QString& width, const QString& height,
                      bool withLink, const QString& link) {
    // Filled in one pass by position, so that a "%" inside a value is never taken for a
    // placeholder.
    const QString call =
        withLink ? QStringLiteral("  document.writeln( kelvo( \"%1\", %2, %3, \"%4\" ) );\n")
                 : QStringLiteral("  document.writeln( kelvo( \"%1\", %2, %3 ) );\n");
    const QString embed =
        withLink ? QStringLiteral("    <embed type=\"application/kelvo\" kelvo=\"%1\" width=\"%2\" "
                                  "height=\"%3\"\n           href=\"%4\">\n")
                 : QStringLiteral("    <embed type=\"application/kelvo\" kelvo=\"%1\" width=\"%2\" "
                                  "height=\"%3\">\n");
    const auto fill = [&](const QString& piece, QString (*escape)(const QString&), const QString& w,
                          const QString& h) {
        return withLink ? piece.arg(escape(file), w, h, escape(link))
                        : piece.arg(escape(file), w, h);
    };
    return QStringLiteral("<script src=\"KelvoPluginTest.js\" type=\"text/javascript\">\n"
                          "</script>\n<script type=\"text/javascript\">\n<!--\n") +
           fill(call, scriptString, width, height) +
           QStringLiteral("//-->\n</script>\n<noscript>\n") +
           fill(embed, attribute, attribute(width), attribute(height)) +
           QStringLiteral("</noscript>");
}

QString kelvoWebHtmlCode(const QString& file, const QString& width, const QString& height,
                         bool withLink, const QString& link) {
    // The picture's own name (after the last "/") describes it until the author writes better.
    const QString name = file.section(QLatin1Char('/'), -1);
    QString img = QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\" alt=\"%4\" data-kelvo")
                      .arg(attribute(file), attribute(width), attribute(height), attribute(name));
    if (withLink) {
        img += QStringLiteral("\n     data-href=\"%1\"").arg(attribute(link));
    }
    return QStringLiteral("<script src=\"kelvo-web.js\" defer></script>\n") + img +
           QLatin1Char('>');
}
