#include "core/compare/textdiff.h"

#include <dtl/dtl.hpp>

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

std::string_view WithoutLineEnd(QByteArrayView line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return std::string_view(line.data(), size_t(line.size()));
}

// One step of the edit script, with the number of old and new lines before it.
struct TStep {
    TDiffLineKind Kind;
    qsizetype Old, New;
};

// The edit script of the Diff Template Library (an O(NP) difference), as
// steps over the lines.
std::vector<TStep> EditSteps(const std::vector<QByteArrayView> &oldLines,
                             const std::vector<QByteArrayView> &newLines)
{
    std::vector<std::string_view> a, b;
    a.reserve(oldLines.size());
    b.reserve(newLines.size());
    for (const QByteArrayView line : oldLines)
        a.push_back(WithoutLineEnd(line));
    for (const QByteArrayView line : newLines)
        b.push_back(WithoutLineEnd(line));
    dtl::Diff<std::string_view, std::vector<std::string_view>> diff(a, b);
    diff.compose();
    std::vector<TStep> steps;
    qsizetype old = 0, added = 0;
    for (const auto &[line, info] : diff.getSes().getSequence()) {
        switch (info.type) {
        case dtl::SES_COMMON:
            steps.push_back({TDiffLineKind::Context, old++, added++});
            break;
        case dtl::SES_DELETE:
            steps.push_back({TDiffLineKind::Removed, old++, added});
            break;
        case dtl::SES_ADD:
            steps.push_back({TDiffLineKind::Added, old, added++});
            break;
        }
    }
    return steps;
}

void AppendNumber(QByteArray &text, qint64 start, qsizetype count)
{
    text += QByteArray::number(count == 0 ? start - 1 : start);
    if (count != 1)
        text += ',' + QByteArray::number(count);
}

} // namespace

std::vector<QByteArrayView> SplitLines(QByteArrayView text)
{
    std::vector<QByteArrayView> lines;
    for (qsizetype at = 0; at < text.size();) {
        const void *feed = std::memchr(text.data() + at, '\n', size_t(text.size() - at));
        const qsizetype end =
            feed ? static_cast<const char *>(feed) - text.data() + 1 : text.size();
        lines.push_back(text.sliced(at, end - at));
        at = end;
    }
    return lines;
}

std::vector<TDiffHunk> DiffLines(const std::vector<QByteArrayView> &oldLines,
                                 const std::vector<QByteArrayView> &newLines, int context)
{
    const std::vector<TStep> steps = EditSteps(oldLines, newLines);
    const size_t count = steps.size(), around = size_t(std::max(context, 0));
    const auto isChange = [&](size_t i) { return steps[i].Kind != TDiffLineKind::Context; };
    std::vector<TDiffHunk> hunks;
    for (size_t done = 0;;) {
        size_t change = done;
        while (change < count && !isChange(change))
            ++change;
        if (change == count)
            break;
        const size_t begin = std::max(done, change >= around ? change - around : 0);
        size_t end = change;
        for (;;) {
            while (end < count && isChange(end))
                ++end;
            size_t same = end;
            while (same < count && !isChange(same))
                ++same;
            // Context that would meet the next change's joins the two.
            if (same < count && same - end <= 2 * around) {
                end = same;
                continue;
            }
            end = std::min(end + around, count);
            break;
        }
        TDiffHunk hunk;
        hunk.OldStart = steps[begin].Old;
        hunk.NewStart = steps[begin].New;
        for (size_t i = begin; i < end; ++i) {
            const TStep &step = steps[i];
            TDiffLine line{step.Kind, -1, -1};
            if (step.Kind != TDiffLineKind::Added) {
                line.Old = step.Old;
                ++hunk.OldCount;
            }
            if (step.Kind != TDiffLineKind::Removed) {
                line.New = step.New;
                ++hunk.NewCount;
            }
            hunk.Lines.push_back(line);
        }
        hunks.push_back(std::move(hunk));
        done = end;
    }
    return hunks;
}

QByteArray UnifiedHunks(const std::vector<TDiffHunk> &hunks,
                        const std::vector<QByteArrayView> &oldLines,
                        const std::vector<QByteArrayView> &newLines, qint64 oldFirstLine,
                        qint64 newFirstLine)
{
    QByteArray text;
    for (const TDiffHunk &hunk : hunks) {
        text += "@@ -";
        AppendNumber(text, oldFirstLine + hunk.OldStart, hunk.OldCount);
        text += " +";
        AppendNumber(text, newFirstLine + hunk.NewStart, hunk.NewCount);
        text += " @@\n";
        for (const TDiffLine &line : hunk.Lines) {
            const QByteArrayView bytes = line.Kind == TDiffLineKind::Added
                                             ? newLines[size_t(line.New)]
                                             : oldLines[size_t(line.Old)];
            text += char(line.Kind);
            text += bytes;
            if (!bytes.endsWith('\n'))
                text += "\n\\ No newline at end of file\n";
        }
    }
    return text;
}
