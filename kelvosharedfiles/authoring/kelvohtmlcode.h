// The HTML with which a web page embeds a coded picture through the browser plug-in: a call
// of the page's script function kelvo() (from "KelvoPluginTest.js"), and an embed element for
// browsers without scripting. Shared by the HTML generator dialog and kelvo-tool.
#pragma once

#include <QString>

// The file name and the link are escaped for where they stand: inside a script string and
// inside attributes, so that any text arrives in kelvo() and in the embed as typed; ordinary
// names and addresses come out unchanged. `width` and `height` are decimal numbers (the
// callers' fields take nothing else) and go in bare. An empty `link` still makes a linked
// embed when `withLink` is set.
QString kelvoHtmlCode(const QString& file, const QString& width, const QString& height,
                      bool withLink, const QString& link);
