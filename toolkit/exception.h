#pragma once

#include <QString>

#include <exception>

// The one kind of failure the program reports: a message for the error box and, in Russian, the
// reason the failing operation gave.
class Exception : public std::exception
{
public:
    explicit Exception(QString message, QString reason = QString())
        : m_message(std::move(message)), m_reason(std::move(reason)), m_utf8(m_message.toUtf8())
    {
    }

    const QString &message() const noexcept { return m_message; }
    const QString &reason() const noexcept { return m_reason; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QString m_reason;
    QByteArray m_utf8;
};
