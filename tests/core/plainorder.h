// The order rules written out plainly, apart from the model's comparison, so
// that tests check the program's order against the rules rather than against
// itself.
#pragma once

#include <QByteArrayView>
#include <QtGlobal>

#include <algorithm>

inline int PlainIntegers(qint64 a, qint64 b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}

// Byte by byte (code page 850), a to z folded to upper case, unsigned; then
// the shorter first.
inline int PlainTexts(QByteArrayView a, QByteArrayView b)
{
    const auto folded = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 'a' && byte <= 'z' ? byte - 0x20 : int(byte);
    };
    for (qsizetype i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (folded(a[i]) != folded(b[i]))
            return folded(a[i]) - folded(b[i]);
    }
    return PlainIntegers(a.size(), b.size());
}
