// The HTML with which a web page embeds a coded picture through the browser plug-in: a call
// of the page's script function kelvo() (from "KelvoPluginTest.js"), and an embed element for
// browsers without scripting. Shared by the HTML generator dialog and kelvo-tool.
#pragma once

#include <QString>

// The values are put in verbatim, without escaping. An empty `link` still makes a linked
// embed when `withLink` is set.
QString kelvoHtmlCode(const QString& file, const QString& width, const QString& height,
                      bool withLink, const QString& link);
