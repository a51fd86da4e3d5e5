// A failed tool command. The message is one line naming the file and the reason; the exit code
// is 2 unless the command says otherwise.
#pragma once

#include <QString>

#include <stdexcept>

class KelvoToolError : public std::runtime_error {
public:
    explicit KelvoToolError(const QString& message, int exitCode = 2)
        : std::runtime_error(message.toStdString()), m_message(message), m_exitCode(exitCode) {}

    const QString& message() const { return m_message; }
    int exitCode() const { return m_exitCode; }

private:
    QString m_message;
    int m_exitCode;
};
