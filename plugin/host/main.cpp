// npkelvo-host: a stand-in browser that shows a page's Kelvo embeds through the npKelvo
// plug-in library. See hostoptions.h for the command line and hostinstance.h for what it
// prints.
#include "hostoptions.h"
#include "hostoutput.h"
#include "hostsession.h"

#include <QApplication>

int main(int argc, char** argv) {
    // Read before Qt sees them: Qt would take --plugin for one of its own options.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QString error;
    const auto options = HostOptions::parse(arguments, &error);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    if (!options) {
        HostOutput::line(QStringLiteral("npkelvo-host: %1\n%2").arg(error, HostOptions::usage()));
        return 2;
    }
    HostSession session(*options);
    if (!session.start(&error)) {
        HostOutput::line(QStringLiteral("npkelvo-host: %1").arg(error));
        return 1;
    }
    return app.exec();
}
