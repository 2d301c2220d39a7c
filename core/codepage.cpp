#include "codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

QString DecodeText(const QByteArray &bytes)
{
    QStringDecoder decoder("IBM850");
    return decoder.decode(bytes);
}

QByteArray EncodeText(const QString &text)
{
    QStringEncoder encoder("IBM850");
    return encoder.encode(text);
}
