#include "codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

// Opening a converter is costly and code page 850 keeps no state between
// texts, so each thread keeps one of each.

QString DecodeText(const QByteArray &bytes)
{
    thread_local QStringDecoder decoder("IBM850", QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

QByteArray EncodeText(const QString &text)
{
    thread_local QStringEncoder encoder("IBM850", QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}
