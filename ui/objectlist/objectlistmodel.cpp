#include "ui/objectlist/objectlistmodel.h"

#include "ui/common/errorbox.h"
#include "core/errors.h"

#include <QPixmap>
#include <QTimer>

#include <exception>

TObjectListModel::TObjectListModel(QObject *parent) : QAbstractTableModel(parent) {}

void TObjectListModel::SetDataHandler(TDataHandler handler)
{
    DataHandler = std::move(handler);
}

void TObjectListModel::SetImages(QList<QIcon> images)
{
    Images = std::move(images);
    QPixmap blank(Images.isEmpty() ? QSize(16, 16) : Images.front().actualSize(QSize(16, 16)));
    blank.fill(Qt::transparent);
    BlankImage = QIcon(blank);
}

void TObjectListModel::SetItemCount(int count)
{
    count = std::max(count, 0);
    if (count < Count) {
        beginRemoveRows({}, count, Count - 1);
        Count = count;
        endRemoveRows();
    } else if (count > Count) {
        beginInsertRows({}, Count, count - 1);
        Count = count;
        endInsertRows();
    }
    RepaintAll();
}

void TObjectListModel::ResetItemCount(int count)
{
    beginResetModel();
    Count = std::max(count, 0);
    endResetModel();
}

void TObjectListModel::RepaintAll()
{
    if (Count > 0)
        emit dataChanged(index(0, 0), index(Count - 1, columnCount() - 1));
}

int TObjectListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Count;
}

int TObjectListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(ListColumns.size());
}

TListItem TObjectListModel::FillItem(int row) const
{
    TListItem item;
    item.Index = row;
    if (!DataHandler)
        return item;
    try {
        DataHandler(item);
    } catch (const TError &error) {
        ReportError(error.message());
    } catch (const std::exception &error) {
        ReportError(QString::fromLocal8Bit(error.what()));
    }
    return item;
}

// The view asks while it paints, where no box may open: the error is shown
// once the painting is done, and only once for a burst of failing rows.
void TObjectListModel::ReportError(const QString &message) const
{
    if (ErrorPending)
        return;
    ErrorPending = true;
    QTimer::singleShot(0, this, [this, message] {
        ShowErrorBox(message);
        ErrorPending = false;
    });
}

QVariant TObjectListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= Count)
        return {};
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole: {
        const TListItem item = FillItem(index.row());
        return column == 0 ? item.Caption : item.SubItems.value(column - 1);
    }
    case Qt::DecorationRole: {
        if (column != 0)
            return {};
        const TListItem item = FillItem(index.row());
        if (item.ImageIndex < 0 || item.ImageIndex >= Images.size())
            return BlankImage; // keeps the texts of the column in line
        return Images[item.ImageIndex];
    }
    case Qt::TextAlignmentRole:
        return int(ListColumns[size_t(column)].Alignment | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant TObjectListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return tr(ListColumns[size_t(section)].Caption);
    if (role == Qt::TextAlignmentRole)
        return int(ListColumns[size_t(section)].Alignment | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags TObjectListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
