#include "comparing.h"

#include "core/compare/compare.h"
#include "core/errors.h"

bool WriteComparison(const TNavisionBinaryFile &oldFile, const TNavisionBinaryFile &newFile,
                     bool all, std::FILE *output)
{
    const TObjectComparison comparison(oldFile, newFile);
    std::vector<int> rows;
    rows.reserve(size_t(comparison.Count()));
    for (int i = 0; i < comparison.Count(); ++i) {
        if (all || comparison.Difference(i).Kind != TChangeKind::Unchanged)
            rows.push_back(i);
    }
    SortDifferences(rows, comparison, TComparisonColumn::Type, false);
    for (const int row : rows) {
        const QByteArray line = ComparisonLine(comparison.Difference(row), newFile.Settings());
        std::fwrite(line.constData(), 1, size_t(line.size()), output);
    }
    if (std::fflush(output) != 0 || std::ferror(output))
        throw TError(QStringLiteral("Cannot write the comparison to standard output"));
    return comparison.HasDifferences();
}
