// The rows of the comparison window: one per difference of a comparison of
// two object files, only the differences or every object, in the order of
// a column. It keeps no texts: each cell is formed from the two objects
// when the view asks for it.
#pragma once

#include "core/compare/compare.h"
#include "ui/objectlist/columns.h"

#include <QFont>

#include <array>
#include <vector>

// In the order of TComparisonColumn.
inline constexpr std::array<TListColumn, ComparisonColumnCount> ComparisonListColumns{{
    {QT_TRANSLATE_NOOP("TComparisonModel", "Change"), 70, Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("TComparisonModel", "Type"), 75, Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("TComparisonModel", "ID"), 80, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("TComparisonModel", "Name"), 190, Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("TComparisonModel", "Old Date/Time"), 112, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("TComparisonModel", "New Date/Time"), 112, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("TComparisonModel", "Old Size"), 55, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("TComparisonModel", "New Size"), 55, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("TComparisonModel", "Old Version List"), 120, Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("TComparisonModel", "New Version List"), 120, Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("TComparisonModel", "License Permissions"), 55, Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("TComparisonModel", "Text"), 60, Qt::AlignLeft},
}};

class TComparisonModel : public TColumnTableModel {
    Q_OBJECT

public:
    explicit TComparisonModel(QObject *parent = nullptr);

    // The comparison and the settings must outlive the model or be replaced.
    void SetComparison(const TObjectComparison *comparison, const TRegionalSettings *settings);
    // The view's font, made bold for the marked cells.
    void SetFont(const QFont &font);

    bool ShowUnchanged() const { return FShowUnchanged; }
    void SetShowUnchanged(bool value);
    TComparisonColumn SortColumn() const { return FSortColumn; }
    bool SortDescending() const { return FSortDescending; }
    void SortBy(TComparisonColumn column, bool descending);
    // Has every row asked for again.
    void RepaintAll();

    // The differences shown, top to bottom, as positions in the comparison.
    const std::vector<int> &Rows() const { return FRows; }
    const TObjectDifference &DifferenceAt(int row) const;
    // Whether the cell shows a field that differs between the two files.
    bool IsMarked(int row, int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    void Rebuild();
    QString CellText(const TObjectDifference &difference, TComparisonColumn column) const;

    const TObjectComparison *FComparison = nullptr;
    const TRegionalSettings *FSettings = nullptr;
    QFont FBoldFont;
    bool FShowUnchanged = false;
    TComparisonColumn FSortColumn = TComparisonColumn::Type;
    bool FSortDescending = false;
    std::vector<int> FRows;
};
