// Find-by-typing over the list: the first row, from a start row on, whose
// key text begins with the typed text, comparing the ASCII letters without
// regard to case and every other byte as it is.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QVarLengthArray>

#include <functional>

// Whether key begins with typed (both code page 850 bytes). A key shorter
// than the typed text never does; an empty typed text always does.
bool KeyStartsWith(QByteArrayView key, const QByteArray &typed);

// Writes a row's key, or at least its first length bytes, into the buffer,
// replacing what it held.
using TRowKeyWriter =
    std::function<void(int row, QVarLengthArray<char, 64> &key, qsizetype length)>;

// Rows startIndex .. count-1, then, with wrap, rows 0 .. startIndex-1;
// the first row whose key matches, or -1.
int FindKeyPrefix(int count, const TRowKeyWriter &keyOf, const QByteArray &typed, int startIndex,
                  bool wrap);
