// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// The one exception of the program: a failing step of a handler. It carries the message that the
// error box shows. Only the Application's dispatcher (and a tool's main) catches it.
class Error final : public std::exception {
public:
    explicit Error(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}

    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

    // "Cannot open file "<full path>". <reason>"
    static Error cannotOpen(const QString& fullPath, const QString& reason);
    // The same, with the reason taken from errno.
    static Error cannotOpenErrno(const QString& fullPath, int errnoValue);

private:
    QString m_message;
    QByteArray m_utf8;
};
