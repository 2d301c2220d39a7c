// Two texts side by side: the lines both hold face each other, and where
// the new text replaces lines of the old one, the removed and the added
// lines face each other as far as both go, the rest facing a gap.
#pragma once

#include <QStringList>

#include <vector>

// A step of a line difference: a line both texts hold, or one only the old
// (removed) or only the new text (added) holds, by its index from 0.
enum class TEditKind : char { Same, Removed, Added };
struct TEditLine {
    TEditKind Kind = TEditKind::Same;
    int Old = -1;
    int New = -1;
};
using TEditScript = std::vector<TEditLine>;

// A row of the view: the line of each side (-1 for a gap) and whether the
// row is a change.
struct TSideBySideRow {
    int Old = -1;
    int New = -1;
    bool Changed = false;

    bool operator==(const TSideBySideRow &) const = default;
};

// The line difference of two texts' lines (the model's, over the Diff
// Template Library) as an edit script from the first lines to the last.
TEditScript EditScript(const QStringList &oldLines, const QStringList &newLines);

std::vector<TSideBySideRow> SideBySideRows(const TEditScript &script);
// The first row of each run of changed rows, top to bottom.
std::vector<int> ChangeStarts(const std::vector<TSideBySideRow> &rows);
