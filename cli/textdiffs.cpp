#include "textdiffs.h"

#include "formats.h"

#include "core/compare/compare.h"
#include "core/compare/textdiff.h"
#include "core/errors.h"
#include "core/reading/codepage.h"
#include "core/reading/filenames.h"

#include <numeric>

namespace {

// The header's name of a side's file: the object's file, or /dev/null for
// a side without the object whose other files are a folder's.
QByteArray HeaderName(const TNavisionBinaryFile &model, const TNavisionObject *object)
{
    if (object)
        return EncodeFileName(model.ObjectFileName(*object));
    if (model.IsFolder() || model.TextFiles().empty())
        return "/dev/null";
    return EncodeFileName(model.TextFiles().front().Name);
}

} // namespace

void WriteTextDifferences(const TDiffSide &oldSide, const TDiffSide &newSide, QIODevice &output)
{
    const TObjectComparison comparison(oldSide.Model, newSide.Model);
    std::vector<int> rows(size_t(comparison.Count()));
    std::iota(rows.begin(), rows.end(), 0);
    SortDifferences(rows, comparison, TComparisonColumn::Type, false);
    for (const int row : rows) {
        const TObjectDifference &difference = comparison.Difference(row);
        if (difference.Kind == TChangeKind::Unchanged ||
            (difference.Kind == TChangeKind::Changed && !(difference.Fields & cfText)))
            continue;
        const QByteArray oldBytes = difference.Old ? oldSide.Bytes(*difference.Old) : QByteArray();
        const QByteArray newBytes = difference.New ? newSide.Bytes(*difference.New) : QByteArray();
        const std::vector<QByteArrayView> oldLines = SplitLines(oldBytes),
                                          newLines = SplitLines(newBytes);
        const std::vector<TDiffHunk> hunks = DiffLines(oldLines, newLines);
        if (hunks.empty())
            continue; // equal but for line ends: the digest saw no change
        const auto firstLine = [](const TNavisionBinaryFile &model, const TNavisionObject *object) {
            const TTextPlace *place = object ? model.TextPlace(*object) : nullptr;
            return place ? place->Line : 1;
        };
        const QByteArray object = DecodeText(difference.Object().GetKey()).toUtf8();
        QByteArray text = "--- " + HeaderName(oldSide.Model, difference.Old) + "\t(" + object +
                          ")\n+++ " + HeaderName(newSide.Model, difference.New) + "\t(" + object +
                          ")\n";
        text += UnifiedHunks(hunks, oldLines, newLines, firstLine(oldSide.Model, difference.Old),
                             firstLine(newSide.Model, difference.New));
        if (output.write(text) != text.size())
            throw TOutputError(CleanCause(output.errorString()));
    }
}
