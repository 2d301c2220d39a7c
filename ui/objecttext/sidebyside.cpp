#include "ui/objecttext/sidebyside.h"

#include "core/compare/textdiff.h"

#include <QByteArray>

#include <algorithm>

namespace {

std::vector<QByteArray> Utf8Lines(const QStringList &lines)
{
    std::vector<QByteArray> bytes;
    bytes.reserve(size_t(lines.size()));
    for (const QString &line : lines)
        bytes.push_back(line.toUtf8());
    return bytes;
}

} // namespace

TEditScript EditScript(const QStringList &oldLines, const QStringList &newLines)
{
    const std::vector<QByteArray> oldBytes = Utf8Lines(oldLines), newBytes = Utf8Lines(newLines);
    const std::vector<QByteArrayView> before(oldBytes.begin(), oldBytes.end());
    const std::vector<QByteArrayView> after(newBytes.begin(), newBytes.end());
    TEditScript script;
    script.reserve(std::max(before.size(), after.size()));
    int old = 0, now = 0;
    // The lines between hunks are the same on both sides.
    const auto sameUntil = [&](qsizetype oldEnd) {
        while (old < oldEnd)
            script.push_back({TEditKind::Same, old++, now++});
    };
    for (const TDiffHunk &hunk : DiffLines(before, after)) {
        sameUntil(hunk.OldStart);
        for (const TDiffLine &line : hunk.Lines) {
            if (line.Kind == TDiffLineKind::Removed)
                script.push_back({TEditKind::Removed, old++, -1});
            else if (line.Kind == TDiffLineKind::Added)
                script.push_back({TEditKind::Added, -1, now++});
            else
                script.push_back({TEditKind::Same, old++, now++});
        }
    }
    sameUntil(int(before.size()));
    return script;
}

std::vector<TSideBySideRow> SideBySideRows(const TEditScript &script)
{
    std::vector<TSideBySideRow> rows;
    rows.reserve(script.size());
    std::vector<int> removed, added;
    const auto flush = [&] {
        const size_t count = std::max(removed.size(), added.size());
        for (size_t i = 0; i < count; ++i)
            rows.push_back(
                {i < removed.size() ? removed[i] : -1, i < added.size() ? added[i] : -1, true});
        removed.clear();
        added.clear();
    };
    for (const TEditLine &line : script) {
        if (line.Kind == TEditKind::Removed) {
            removed.push_back(line.Old);
        } else if (line.Kind == TEditKind::Added) {
            added.push_back(line.New);
        } else {
            flush();
            rows.push_back({line.Old, line.New, false});
        }
    }
    flush();
    return rows;
}

std::vector<int> ChangeStarts(const std::vector<TSideBySideRow> &rows)
{
    std::vector<int> starts;
    for (size_t row = 0; row < rows.size(); ++row) {
        if (rows[row].Changed && (row == 0 || !rows[row - 1].Changed))
            starts.push_back(int(row));
    }
    return starts;
}
