// The command line of kelvo-tool: parses the arguments, runs one command of
// KelvoToolCommands and turns failures into a one-line message and exit code 2.
#pragma once

#include <QStringList>
#include <QTextStream>

class KelvoTool {
public:
    enum ExitCode { Success = 0, NotCoded = 1, NotFound = 1, DoesNotFit = 1, Failure = 2 };

    // `arguments` without the program name. Results go to `out`, messages to `err`.
    static int run(const QStringList& arguments, QTextStream& out, QTextStream& err);
};
