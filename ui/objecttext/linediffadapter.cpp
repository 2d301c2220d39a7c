#include "ui/objecttext/linediffadapter.h"

#include <dtl/dtl.hpp>

#include <vector>

TEditScript EditScript(const QStringList &oldLines, const QStringList &newLines)
{
    const std::vector<QString> before(oldLines.begin(), oldLines.end());
    const std::vector<QString> after(newLines.begin(), newLines.end());
    dtl::Diff<QString, std::vector<QString>> diff(before, after);
    diff.onHuge();
    diff.compose();
    TEditScript script;
    for (const auto &[line, info] : diff.getSes().getSequence()) {
        // The library counts lines from 1.
        const int old = int(info.beforeIdx) - 1, now = int(info.afterIdx) - 1;
        if (info.type == dtl::SES_DELETE)
            script.push_back({TEditKind::Removed, old, -1});
        else if (info.type == dtl::SES_ADD)
            script.push_back({TEditKind::Added, -1, now});
        else
            script.push_back({TEditKind::Same, old, now});
    }
    return script;
}
