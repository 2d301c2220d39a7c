#include "ui/compare/comparemodel.h"

#include "core/reading/codepage.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QPalette>

#include <numeric>

namespace {

QString KindText(TChangeKind kind)
{
    switch (kind) {
    case TChangeKind::Added:
        return TComparisonModel::tr("Added");
    case TChangeKind::Removed:
        return TComparisonModel::tr("Removed");
    case TChangeKind::Changed:
        return TComparisonModel::tr("Changed");
    case TChangeKind::Unchanged:
        break;
    }
    return TComparisonModel::tr("Unchanged");
}

// The field whose difference marks the column's cells; 0 for none.
TChangedFields FieldOfColumn(TComparisonColumn column)
{
    switch (column) {
    case TComparisonColumn::Name:
        return cfName;
    case TComparisonColumn::OldDateTime:
    case TComparisonColumn::NewDateTime:
        return cfDateTime;
    case TComparisonColumn::OldSize:
    case TComparisonColumn::NewSize:
        return cfSize;
    case TComparisonColumn::OldVersionList:
    case TComparisonColumn::NewVersionList:
        return cfVersionList;
    case TComparisonColumn::Text:
        return cfText;
    default:
        return 0;
    }
}

// A tint of the palette's base colour toward a hue: pale on a light palette,
// dark on a dark one, so the palette's text colour stays readable on it.
QColor Tint(const QColor &hue)
{
    const QColor base = QApplication::palette().color(QPalette::Base);
    constexpr double share = 0.28;
    const auto mix = [&](int a, int b) { return int(a * (1 - share) + b * share); };
    return QColor(mix(base.red(), hue.red()), mix(base.green(), hue.green()),
                  mix(base.blue(), hue.blue()));
}

QColor HueOf(TChangeKind kind)
{
    switch (kind) {
    case TChangeKind::Added:
        return QColor(40, 170, 70);
    case TChangeKind::Removed:
        return QColor(220, 50, 50);
    case TChangeKind::Changed:
        return QColor(240, 170, 0);
    case TChangeKind::Unchanged:
        break;
    }
    return {};
}

} // namespace

TComparisonModel::TComparisonModel(QObject *parent)
    : TColumnTableModel("TComparisonModel", ComparisonListColumns, parent)
{
    SetFont(QApplication::font());
}

void TComparisonModel::SetComparison(const TObjectComparison *comparison,
                                     const TRegionalSettings *settings)
{
    beginResetModel();
    FComparison = comparison;
    FSettings = settings;
    Rebuild();
    endResetModel();
}

void TComparisonModel::SetFont(const QFont &font)
{
    FBoldFont = font;
    FBoldFont.setBold(true);
}

void TComparisonModel::SetShowUnchanged(bool value)
{
    if (value == FShowUnchanged)
        return;
    beginResetModel();
    FShowUnchanged = value;
    Rebuild();
    endResetModel();
}

void TComparisonModel::SortBy(TComparisonColumn column, bool descending)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    FSortColumn = column;
    FSortDescending = descending;
    if (FComparison) {
        // The selected row stays with its object.
        const QModelIndexList before = persistentIndexList();
        std::vector<int> differences;
        for (const QModelIndex &index : before)
            differences.push_back(FRows[size_t(index.row())]);
        SortDifferences(FRows, *FComparison, FSortColumn, FSortDescending);
        std::vector<int> rowOf(size_t(FComparison->Count()), -1);
        for (size_t row = 0; row < FRows.size(); ++row)
            rowOf[size_t(FRows[row])] = int(row);
        QModelIndexList after;
        for (qsizetype i = 0; i < before.size(); ++i)
            after << index(rowOf[size_t(differences[size_t(i)])], before[i].column());
        changePersistentIndexList(before, after);
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void TComparisonModel::RepaintAll()
{
    if (!FRows.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void TComparisonModel::Rebuild()
{
    FRows.clear();
    if (!FComparison)
        return;
    FRows.reserve(size_t(FComparison->Count()));
    for (int i = 0; i < FComparison->Count(); ++i) {
        if (FShowUnchanged || FComparison->Difference(i).Kind != TChangeKind::Unchanged)
            FRows.push_back(i);
    }
    SortDifferences(FRows, *FComparison, FSortColumn, FSortDescending);
}

const TObjectDifference &TComparisonModel::DifferenceAt(int row) const
{
    return FComparison->Difference(FRows[size_t(row)]);
}

bool TComparisonModel::IsMarked(int row, int column) const
{
    const TObjectDifference &difference = DifferenceAt(row);
    return difference.Kind == TChangeKind::Changed &&
           (difference.Fields & FieldOfColumn(TComparisonColumn(column)));
}

int TComparisonModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(FRows.size());
}

QString TComparisonModel::CellText(const TObjectDifference &difference,
                                   TComparisonColumn column) const
{
    const TNavisionObject &object = difference.Object();
    const auto side = [&](const TNavisionObject *o, const auto &text) {
        return o ? text(*o) : QString();
    };
    const auto dateTime = [this](const TNavisionObject &o) {
        return o.GetDateTimeText(*FSettings);
    };
    const auto size = [](const TNavisionObject &o) {
        return o.HasSize() ? QString::number(o.Size()) : QString();
    };
    const auto versionList = [](const TNavisionObject &o) { return DecodeText(o.VersionList()); };
    switch (column) {
    case TComparisonColumn::Change:
        return KindText(difference.Kind);
    case TComparisonColumn::Type:
        return DecodeText(object.TypeNameView());
    case TComparisonColumn::ID:
        return QString::number(object.ID());
    case TComparisonColumn::Name:
        if (difference.Fields & cfName)
            return tr("%1 (was %2)")
                .arg(DecodeText(difference.New->Name()), DecodeText(difference.Old->Name()));
        return DecodeText(object.Name());
    case TComparisonColumn::OldDateTime:
        return side(difference.Old, dateTime);
    case TComparisonColumn::NewDateTime:
        return side(difference.New, dateTime);
    case TComparisonColumn::OldSize:
        return side(difference.Old, size);
    case TComparisonColumn::NewSize:
        return side(difference.New, size);
    case TComparisonColumn::OldVersionList:
        return side(difference.Old, versionList);
    case TComparisonColumn::NewVersionList:
        return side(difference.New, versionList);
    case TComparisonColumn::Permissions:
        return side(difference.New,
                    [](const TNavisionObject &o) { return DecodeText(o.GetPermissionText()); });
    case TComparisonColumn::Text:
        // Objects only saved again show Same: their changes are date, time and mark.
        switch (TextChange(difference)) {
        case TTextChange::Changed:
            return tr("Changed");
        case TTextChange::Same:
            return tr("Same");
        case TTextChange::NotCompared:
            break;
        }
        return {};
    }
    return {};
}

QVariant TComparisonModel::data(const QModelIndex &index, int role) const
{
    if (!FComparison || !index.isValid() || index.row() >= rowCount())
        return {};
    const int column = index.column();
    const TObjectDifference &difference = DifferenceAt(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return CellText(difference, TComparisonColumn(column));
    case Qt::DecorationRole: {
        if (TComparisonColumn(column) != TComparisonColumn::Type)
            return {};
        return ImageAt(int(difference.Object().ObjectType()) - 1);
    }
    case Qt::FontRole:
        if (IsMarked(index.row(), column) ||
            (TComparisonColumn(column) == TComparisonColumn::Change &&
             difference.Kind != TChangeKind::Unchanged)) {
            return FBoldFont;
        }
        return {};
    case Qt::BackgroundRole:
        if (TComparisonColumn(column) == TComparisonColumn::Change &&
            difference.Kind != TChangeKind::Unchanged)
            return Tint(HueOf(difference.Kind));
        if (IsMarked(index.row(), column))
            return Tint(HueOf(TChangeKind::Changed));
        return {};
    case Qt::TextAlignmentRole:
        return CellAlignment(column);
    default:
        return {};
    }
}
