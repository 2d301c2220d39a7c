// The one kind of error of the program: it carries a message text, ends the
// current command and is shown in the error box (or on standard error).
#pragma once

#include <QString>

#include <exception>

class TError : public std::exception {
public:
    explicit TError(QString message) : Message(std::move(message)), Utf8(Message.toUtf8()) {}
    const QString &message() const noexcept { return Message; }
    const char *what() const noexcept override { return Utf8.constData(); }

private:
    QString Message;
    QByteArray Utf8;
};

// The text shown to the user: a period is appended when the message's last
// character has a code above that of the period.
QString MessageForDisplay(const QString &message);
