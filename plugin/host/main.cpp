// npkelvo-host: a stand-in browser that shows a page's Kelvo embeds through the npKelvo
// plug-in library. See hostoptions.h for the command line and hostinstance.h for what it
// prints.
#include "hostoptions.h"
#include "hostoutput.h"
#include "hostsession.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QString error;
    const auto options = HostOptions::parse(QCoreApplication::arguments(), &error);
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
