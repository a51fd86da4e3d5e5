// A failed tool command. The message is one line naming the file and the reason.
#pragma once

#include <QString>

#include <stdexcept>

class KelvoToolError : public std::runtime_error {
public:
    explicit KelvoToolError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}

    const QString& message() const { return m_message; }

private:
    QString m_message;
};
