// kelvo-tool html: the HTML that embeds a coded picture in a web page, as the editor's HTML
// generator makes it.
#pragma once

#include <QString>

#include <optional>

class KelvoHtmlCommand {
public:
    // The text for the picture in `image`, named in it as given and sized as the picture is;
    // with `link`, a linked embed; with `web`, the web viewer's <img data-kelvo> instead. Throws
    // KelvoToolError when the picture cannot be read.
    static QString text(const QString& image, const std::optional<QString>& link, bool web);
};
