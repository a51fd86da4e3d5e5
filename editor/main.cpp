// The editor program: reads the configuration, installs the user-interface translation, shows
// the main window and opens the pictures named on the command line.
#include "kelvoapp.h"
#include "kelvocommandline.h"
#include "kelvouitranslation.h"

#include <QApplication>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
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
    for (const QString& picture : commandLine.pictures()) {
        window.openImage(picture);
    }
    if (!commandLine.screenshot().isEmpty()) {
        // Once the start picture has gone.
        QTimer::singleShot(KelvoAppBase::kStartPictureMs + 500, &window, [&window, &commandLine] {
            const bool saved = window.grab().save(commandLine.screenshot());
            QApplication::exit(saved ? 0 : 1);
        });
    }
    QObject::connect(&application, &QApplication::lastWindowClosed, &application,
                     &QApplication::quit);
    return QApplication::exec();
}
