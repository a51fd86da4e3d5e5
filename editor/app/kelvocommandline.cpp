#include "kelvocommandline.h"

#include <QCommandLineParser>
#include <QFileInfo>

KelvoCommandLine::KelvoCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Kelvo hides texts, dictionary terms and image snippets in the pixels of pictures."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    parser.addPositionalArgument(
        //: The name --help gives the pictures in its list of arguments.
        tr("pictures"),
        tr("Pictures to open (BMP, JPEG, PNG, PPM or XPM). Coded pictures open in a viewer "
           "window, all others in an encoder window."),
        tr("[PICTURE...]"));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        tr("Save a picture of the main window to <file> once the pictures are open, then quit."),
        tr("file"));
    parser.addOption(screenshot);

    if (!parser.parse(arguments)) {
        m_outcome = Outcome::Error;
        m_text = parser.errorText() + QLatin1Char('\n') +
                 tr("Try \"kelvo --help\" for more information.") + QLatin1Char('\n');
        return;
    }
    // addHelpOption() also adds "--help-all", which the parser only answers in process().
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        m_outcome = Outcome::Help;
        m_text = parser.helpText();
        return;
    }
    if (parser.isSet(versionOption)) {
        m_outcome = Outcome::Version;
        m_text = QStringLiteral("kelvo ") + version() + QLatin1Char('\n');
        return;
    }
    if (parser.isSet(screenshot)) {
        m_screenshot = QFileInfo(parser.value(screenshot)).absoluteFilePath();
    }
    for (const QString& picture : parser.positionalArguments()) {
        // An empty argument (an unset variable in a script) names no picture.
        if (!picture.isEmpty()) {
            m_pictures.append(QFileInfo(picture).absoluteFilePath());
        }
    }
}

QString KelvoCommandLine::version() {
    return QStringLiteral(KELVO_VERSION);
}
