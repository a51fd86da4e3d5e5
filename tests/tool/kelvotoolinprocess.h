// Runs kelvo-tool in process and keeps what it printed, for the tests of its commands.
#pragma once

#include "kelvotool.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

struct KelvoToolResult {
    int code = -1;
    QString out;
    QString err;
};

inline KelvoToolResult runKelvoTool(const QStringList& arguments) {
    KelvoToolResult result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.code = KelvoTool::run(arguments, out, err);
    out.flush();
    err.flush();
    return result;
}
