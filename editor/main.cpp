// The editor program: reads the configuration, installs the user-interface translation, shows
// the main window and opens the pictures named on the command line.
#include "kelvoapp.h"
#include "kelvocommandline.h"
#include "kelvouitranslation.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

namespace {

// Prints the usage or the version when the command line asks for them and returns true. Needs no
// display: it runs before the GUI application exists. A command line that does not parse here
// may carry the toolkit's own options (-platform, -display), which only the GUI application
// takes away; it is parsed again there.
bool answeredWithoutGui(int& argc, char* argv[]) {
    const QCoreApplication core(argc, argv);
    const KelvoUiTranslation translation;
    const KelvoCommandLine commandLine(QCoreApplication::arguments());
    if (commandLine.outcome() != KelvoCommandLine::Outcome::Help &&
        commandLine.outcome() != KelvoCommandLine::Outcome::Version) {
        return false;
    }
    QTextStream(stdout) << commandLine.text();
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (answeredWithoutGui(argc, argv)) {
        return 0;
    }
    QApplication application(argc, argv);
    const KelvoUiTranslation translation;
    const KelvoCommandLine commandLine(QApplication::arguments());
    if (commandLine.outcome() != KelvoCommandLine::Outcome::Run) {
        QTextStream stream(commandLine.outcome() == KelvoCommandLine::Outcome::Error ? stderr
                                                                                     : stdout);
        stream << commandLine.text();
        return commandLine.exitCode();
    }
    KelvoApp window;
    window.show();
    window.openImages(commandLine.pictures());
    if (!commandLine.screenshot().isEmpty()) {
        // Once the start picture has gone.
        QTimer::singleShot(KelvoApp::kStartPictureMs + 500, &window, [&window, &commandLine] {
            const bool saved = window.grab().save(commandLine.screenshot());
            QApplication::exit(saved ? 0 : 1);
        });
    }
    QObject::connect(&application, &QApplication::lastWindowClosed, &application,
                     &QApplication::quit);
    return QApplication::exec();
}
