// The rows of a comparison as short texts a test can compare with a list.
#pragma once

#include "core/compare/compare.h"
#include "core/reading/codepage.h"

#include <QStringList>

#include <numeric>
#include <vector>

// Each row as "kind[:fields] Type ID Name", in the order of the Type column.
inline QStringList ComparisonRows(const TObjectComparison &comparison)
{
    std::vector<int> rows(size_t(comparison.Count()));
    std::iota(rows.begin(), rows.end(), 0);
    SortDifferences(rows, comparison, TComparisonColumn::Type, false);
    QStringList texts;
    for (const int row : rows) {
        const TObjectDifference &d = comparison.Difference(row);
        QString kind = QString::fromLatin1(ChangeKindName(d.Kind));
        if (d.Fields)
            kind += u':' + QString::fromLatin1(ChangedFieldNames(d.Fields));
        texts << QStringLiteral("%1 %2").arg(kind, DecodeText(d.Object().GetKey()));
    }
    return texts;
}
