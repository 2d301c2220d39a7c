#include "core/reading/codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

// Opening a converter is costly and code page 850 keeps no state between
// texts, so each thread keeps one of each.

QString DecodeText(QByteArrayView bytes)
{
    thread_local QStringDecoder decoder("IBM850", QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

QByteArray EncodeText(const QString &text)
{
    thread_local QStringEncoder encoder("IBM850", QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

QChar DecodeByte(char byte)
{
    static const std::array<QChar, 256> characters = [] {
        std::array<QChar, 256> table;
        for (int b = 0; b < 256; ++b) {
            const QString text = DecodeText(QByteArray(1, char(b)));
            table[size_t(b)] = text.size() == 1 ? text.front() : QChar(QChar::ReplacementCharacter);
        }
        return table;
    }();
    return characters[uchar(byte)];
}
