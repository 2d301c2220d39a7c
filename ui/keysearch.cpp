#include "keysearch.h"

namespace {

char FoldAsciiUpper(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

} // namespace

bool KeyStartsWith(const QByteArray &key, const QByteArray &typed)
{
    if (key.size() < typed.size())
        return false;
    for (qsizetype i = 0; i < typed.size(); ++i) {
        if (FoldAsciiUpper(key[i]) != FoldAsciiUpper(typed[i]))
            return false;
    }
    return true;
}

int FindKeyPrefix(int count, const std::function<QByteArray(int row)> &keyOf,
                  const QByteArray &typed, int startIndex, bool wrap)
{
    for (int row = startIndex; row < count; ++row) {
        if (KeyStartsWith(keyOf(row), typed))
            return row;
    }
    if (wrap && startIndex > 0) {
        for (int row = 0; row < startIndex && row < count; ++row) {
            if (KeyStartsWith(keyOf(row), typed))
                return row;
        }
    }
    return -1;
}
