#include "core/errors.h"

#include "core/reading/filenames.h"

#include <QCoreApplication>

void TError::SetPlace(const TEntryPlace &place)
{
    Place = place;
    Compose();
}

void TError::SetLine(qint64 line)
{
    Line = line;
    Compose();
}

void TError::SetFileName(const QString &fileName)
{
    FileName = fileName;
    Compose();
}

void TError::Compose()
{
    if (Line) {
        Message = Cause;
        if (!Message.endsWith(u'.'))
            Message += u'.';
        Message += QCoreApplication::translate("TError", " Line %1").arg(*Line);
        Message += FileName.isEmpty()
                       ? QStringLiteral(".")
                       : QCoreApplication::translate("TError", " of \"%1\".").arg(FileName);
    } else if (!Place) {
        Message = Cause;
    } else if (Place->Number == 1 && !Place->IsText) {
        const QString subject =
            FileName.isEmpty()
                ? QCoreApplication::translate("TError", "The index")
                : QCoreApplication::translate("TError", "The file \"%1\"").arg(FileName);
        Message =
            QCoreApplication::translate("TError", "%1 does not look like an object file: its first "
                                                  "entry is not text. %2")
                .arg(subject, Cause);
    } else {
        Message = Cause;
        if (!Message.endsWith(u'.'))
            Message += u'.';
        Message += QCoreApplication::translate("TError", " Entry %1 at byte %2")
                       .arg(Place->Number)
                       .arg(Place->Offset);
        if (!FileName.isEmpty())
            Message += QCoreApplication::translate("TError", " of \"%1\".").arg(FileName);
    }
    Utf8 = Message.toUtf8();
}

QString MessageForDisplay(const QString &message)
{
    QString text;
    text.reserve(message.size());
    for (const QChar c : FileNameForDisplay(message)) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            text += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'));
        else
            text += c;
    }
    if (!text.isEmpty() && text.back().unicode() > u'.')
        text += u'.';
    return text;
}

QString CleanCause(QString text)
{
    while (!text.isEmpty() && (text.back().unicode() <= u' ' || text.back() == u'.'))
        text.chop(1);
    return text.isEmpty() ? QCoreApplication::translate("TNavisionBinaryFile", "Unknown error")
                          : text;
}
