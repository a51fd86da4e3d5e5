#include "kelvohtmlcode.h"

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
    const auto fill = [&](const QString& piece) {
        return withLink ? piece.arg(file, width, height, link) : piece.arg(file, width, height);
    };
    return QStringLiteral("<script src=\"KelvoPluginTest.js\" type=\"text/javascript\">\n"
                          "</script>\n<script type=\"text/javascript\">\n<!--\n") +
           fill(call) + QStringLiteral("//-->\n</script>\n<noscript>\n") + fill(embed) +
           QStringLiteral("</noscript>");
}
