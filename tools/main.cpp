// kelvo-tool: makes coded pictures from the command line and reads them back.
#include "kelvotool.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return KelvoTool::run(app.arguments().mid(1), out, err);
}
