// The HTML with which a web page embeds a coded picture, shared by the HTML generator dialog and
// kelvo-tool: for the browser plug-in, a call of the page's script function kelvo() (from
// "KelvoPluginTest.js") and an embed element for browsers without scripting; for the web
// viewer, an <img data-kelvo> that "kelvo-web.js" shows with its annotations.
#pragma once

#include <QString>

// The file name and the link are escaped for where they stand: inside a script string and
// inside attributes, so that any text arrives in kelvo() and in the embed as typed; ordinary
// names and addresses come out unchanged. `width` and `height` are decimal numbers (the
// callers' fields take nothing else) and go in bare. An empty `link` still makes a linked
// embed when `withLink` is set.
QString kelvoHtmlCode(const QString& file, const QString& width, const QString& height,
                      bool withLink, const QString& link);

// The web viewer's form: the picture's element with the link in data-href, after the script
// element that loads the viewer (pages with several pictures need it once). Every value is
// escaped as an attribute; the alt text is the file's own name.
QString kelvoWebHtmlCode(const QString& file, const QString& width, const QString& height,
                         bool withLink, const QString& link);
