// The parts of an object's text that a reader tells apart: the language's
// words, its strings and its comments. In an export, braces delimit the
// sections and fields everywhere; only inside code, between BEGIN and END,
// do they enclose a comment, and only there do quotes make a string and
// // begin a comment. Lines are read one at a time, each from the state the
// line before it left, so that a window can colour the lines it shows.
#pragma once

#include <QStringView>

#include <cstdint>
#include <vector>

enum class TTextPart : uint8_t { Keyword, String, Comment };

struct TTextSpan {
    qsizetype Start = 0;
    qsizetype Length = 0;
    TTextPart Part = TTextPart::Keyword;

    bool operator==(const TTextSpan &) const = default;
};

// What a line leaves for the next one: how many BEGIN (or CASE) are open
// without their END, and whether a brace comment goes on.
struct TTextLineState {
    int CodeDepth = 0;
    bool InComment = false;

    bool InCode() const { return CodeDepth > 0; }
    // As one non-negative number, for QSyntaxHighlighter's block state;
    // any negative number (a block not yet read) is the state of a text's start.
    int Packed() const;
    static TTextLineState Unpacked(int packed);

    bool operator==(const TTextLineState &) const = default;
};

// Appends the spans of the line (given without its line end) in the order
// they stand, and returns the state after it.
TTextLineState ScanObjectTextLine(QStringView line, TTextLineState state,
                                  std::vector<TTextSpan> &spans);
