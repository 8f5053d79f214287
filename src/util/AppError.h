#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// A failure of the core with the text the user sees. Windows catch it and show it in the error box;
// one that no window catches reaches the application's own handler, which does the same.
class AppError : public std::exception {
public:
    explicit AppError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}

    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
