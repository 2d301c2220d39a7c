// The one kind of error of the program: it carries a message text, ends the
// current command and is shown in the error box (or on standard error).
#pragma once

#include <QByteArray>
#include <QString>

#include <exception>
#include <optional>

// Where in an object file's index reading stopped.
struct TEntryPlace {
    int Number = 0;     // of the entry in the index, from 1, table data included
    qint64 Offset = 0;  // of the entry's first byte in the file
    bool IsText = true; // false when the entry's bytes are no text at all
};

class TError : public std::exception {
public:
    explicit TError(QString message) : Cause(std::move(message)) { Compose(); }
    // The message: the cause, then where it arose, when that is known.
    const QString &message() const noexcept { return Message; }
    const char *what() const noexcept override { return Utf8.constData(); }
    // The message without the place.
    const QString &cause() const noexcept { return Cause; }
    const std::optional<TEntryPlace> &place() const noexcept { return Place; }
    const QString &fileName() const noexcept { return FileName; }

    // Adds where the error arose; then `throw;` passes it on as it is.
    void SetPlace(const TEntryPlace &place);
    // Adds the line of a text file where the error arose, from 1.
    void SetLine(qint64 line);
    const std::optional<qint64> &line() const noexcept { return Line; }
    // Adds the file (a full path) whose index was read.
    void SetFileName(const QString &fileName);

private:
    void Compose();

    QString Cause;
    std::optional<TEntryPlace> Place;
    std::optional<qint64> Line;
    QString FileName;
    QString Message;
    QByteArray Utf8;
};

// A date and time that don't convert under the order the date was read in.
// Its own type, so that the loader can tell it from every other failure and
// try another date order.
class TDateTimeConversionError : public TError {
public:
    using TError::TError;
};

// The failure of one side of a comparison read as one set: which side it
// was (0 the old, 1 the new), and the error as it came.
class TSideLoadError : public TError {
public:
    TSideLoadError(const TError &error, int side) : TError(error), Side(side) {}
    int Side;
};

// A cause as the system gives it, without trailing blanks, line breaks and
// full stops; "Unknown error" when nothing is left.
QString CleanCause(QString text);

// The text shown to the user: control characters written visibly as \xNN
// (so a NUL neither cuts the text nor hides), the undecodable bytes of file
// names too (FileNameForDisplay), and a period appended when the
// message's last character has a code above that of the period.
QString MessageForDisplay(const QString &message);
