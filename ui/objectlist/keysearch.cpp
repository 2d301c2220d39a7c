#include "ui/objectlist/keysearch.h"

#include "core/fast/asciicase.h"

bool KeyStartsWith(QByteArrayView key, const QByteArray &typed)
{
    if (key.size() < typed.size())
        return false;
    for (qsizetype i = 0; i < typed.size(); ++i) {
        if (FoldAsciiToUpper(key[i]) != FoldAsciiToUpper(typed[i]))
            return false;
    }
    return true;
}

int FindKeyPrefix(int count, const TRowKeyWriter &keyOf, const QByteArray &typed, int startIndex,
                  bool wrap)
{
    // One buffer for every row: the search allocates nothing per row.
    QVarLengthArray<char, 64> key;
    const auto matches = [&](int row) {
        keyOf(row, key, typed.size());
        return KeyStartsWith(QByteArrayView(key.constData(), key.size()), typed);
    };
    for (int row = startIndex; row < count; ++row) {
        if (matches(row))
            return row;
    }
    if (wrap && startIndex > 0) {
        for (int row = 0; row < startIndex && row < count; ++row) {
            if (matches(row))
                return row;
        }
    }
    return -1;
}
