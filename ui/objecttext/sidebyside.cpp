#include "ui/objecttext/sidebyside.h"

#include <algorithm>

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
