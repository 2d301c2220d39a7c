// The one case fold of ASCII letters, for comparisons and searches that
// ignore case the same way under every locale.
#pragma once

// The byte with a to z made A to Z; every other byte, those of 128 and up
// among them, as it is.
constexpr char FoldAsciiToUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - ('a' - 'A')) : c;
}
