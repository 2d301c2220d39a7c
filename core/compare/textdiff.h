// The line difference of two texts (two versions of an object's text), as
// the hunks of a unified difference: the changed lines with a few lines of
// context around them. The window's difference view and the lister's
// --diff share it. Lines are compared without their line ends (CR LF and LF
// alike) and kept as their own bytes.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <vector>

// The text's lines, each with its own line end; the last may lack one. An
// empty text has no line.
std::vector<QByteArrayView> SplitLines(QByteArrayView text);

enum class TDiffLineKind : char { Context = ' ', Removed = '-', Added = '+' };

// A line of a hunk: the line of the old text (Context, Removed) or of the
// new one (Added), by its index from 0; Context lines have both.
struct TDiffLine {
    TDiffLineKind Kind = TDiffLineKind::Context;
    qsizetype Old = -1, New = -1;
};

// "@@ -OldStart+1,OldCount +NewStart+1,NewCount @@": where the hunk begins
// in each text (index of its first line from 0; where a side has no line,
// the index of the line that would follow) and how many lines it covers.
struct TDiffHunk {
    qsizetype OldStart = 0, OldCount = 0;
    qsizetype NewStart = 0, NewCount = 0;
    std::vector<TDiffLine> Lines;
};

inline constexpr int DiffContextLines = 3;

// The hunks that turn the old lines into the new ones: each change with up
// to context unchanged lines before and after; hunks whose context would
// meet are one hunk. None when the texts' lines are equal.
std::vector<TDiffHunk> DiffLines(const std::vector<QByteArrayView> &oldLines,
                                 const std::vector<QByteArrayView> &newLines,
                                 int context = DiffContextLines);

// The hunks in the unified format that diff -u and git diff write, the
// lines as their own bytes: "@@ -a,b +c,d @@" with line numbers counted
// from the given numbers of each text's first line (an object's text
// within its file), then ' ', '-' or '+' and the line; a line without a
// line end is followed by "\ No newline at end of file".
QByteArray UnifiedHunks(const std::vector<TDiffHunk> &hunks,
                        const std::vector<QByteArrayView> &oldLines,
                        const std::vector<QByteArrayView> &newLines, qint64 oldFirstLine = 1,
                        qint64 newFirstLine = 1);
