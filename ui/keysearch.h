// Find-by-typing over the list: the first row, from a start row on, whose
// key text begins with the typed text, comparing the ASCII letters without
// regard to case and every other byte as it is.
#pragma once

#include <QByteArray>

#include <functional>

// Whether key begins with typed (both code page 850 bytes). A key shorter
// than the typed text never does; an empty typed text always does.
bool KeyStartsWith(const QByteArray &key, const QByteArray &typed);

// Rows startIndex .. count-1, then, with wrap, rows 0 .. startIndex-1;
// the first row whose key matches, or -1.
int FindKeyPrefix(int count, const std::function<QByteArray(int row)> &keyOf,
                  const QByteArray &typed, int startIndex, bool wrap);
