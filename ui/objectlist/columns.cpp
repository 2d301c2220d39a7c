#include "ui/objectlist/columns.h"

#include <QCoreApplication>
#include <QPixmap>

#include <algorithm>

TColumnTableModel::TColumnTableModel(const char *context, std::span<const TListColumn> columns,
                                     QObject *parent)
    : QAbstractTableModel(parent), FContext(context), FColumns(columns),
      FShownColumns(int(columns.size()))
{
}

void TColumnTableModel::SetShownColumnCount(int count)
{
    count = std::clamp(count, 0, int(FColumns.size()));
    if (count < FShownColumns) {
        beginRemoveColumns({}, count, FShownColumns - 1);
        FShownColumns = count;
        endRemoveColumns();
    } else if (count > FShownColumns) {
        beginInsertColumns({}, FShownColumns, count - 1);
        FShownColumns = count;
        endInsertColumns();
    }
}

void TColumnTableModel::SetImages(QList<QIcon> images)
{
    FImages = std::move(images);
    QPixmap blank(FImages.isEmpty() ? QSize(16, 16) : FImages.front().actualSize(QSize(16, 16)));
    blank.fill(Qt::transparent);
    FBlankImage = QIcon(blank);
}

QIcon TColumnTableModel::ImageAt(int index) const
{
    return index >= 0 && index < FImages.size() ? FImages[index] : FBlankImage;
}

int TColumnTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : FShownColumns;
}

QVariant TColumnTableModel::CellAlignment(int column) const
{
    if (column < 0 || column >= columnCount())
        return {};
    return int(FColumns[size_t(column)].Alignment | Qt::AlignVCenter);
}

QVariant TColumnTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return QCoreApplication::translate(FContext, FColumns[size_t(section)].Caption);
    if (role == Qt::TextAlignmentRole)
        return CellAlignment(section);
    return {};
}

Qt::ItemFlags TColumnTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
