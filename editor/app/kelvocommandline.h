// The editor program's command line:
//   kelvo [PICTURE...]   opens each picture as "&Open" would
//   kelvo --help         prints the usage
//   kelvo --version      prints the version
//   kelvo --screenshot FILE [PICTURE...]  saves the main window to FILE and quits
#pragma once

#include <QCoreApplication>
#include <QStringList>

class KelvoCommandLine {
    Q_DECLARE_TR_FUNCTIONS(KelvoCommandLine)

public:
    enum class Outcome { Run, Help, Version, Error };

    // `arguments` as QCoreApplication::arguments() gives them: the program first, without the
    // toolkit's own options.
    explicit KelvoCommandLine(const QStringList& arguments);

    Outcome outcome() const { return m_outcome; }
    // For Run: the pictures in command-line order, as absolute paths. Whether they can be
    // opened is left to the window that opens them, which reports its own failures.
    const QStringList& pictures() const { return m_pictures; }
    // For Run: where to save a picture of the main window before quitting, as an absolute
    // path; empty to run until the author quits.
    const QString& screenshot() const { return m_screenshot; }
    // For Help and Version the text for standard output, for Error the message for standard
    // error; empty for Run.
    const QString& text() const { return m_text; }
    // What the program returns when it stops here: 0, or 2 after an error.
    int exitCode() const { return m_outcome == Outcome::Error ? 2 : 0; }

    static QString version();

private:
    Outcome m_outcome = Outcome::Run;
    QStringList m_pictures;
    QString m_screenshot;
    QString m_text;
};
