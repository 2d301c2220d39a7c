#include "ui/objectlist/objectlistmodel.h"

#include "core/errors.h"
#include "ui/common/errorbox.h"

#include <QTimer>

#include <exception>

TObjectListModel::TObjectListModel(QObject *parent)
    : TColumnTableModel("TObjectListModel", ListColumns, parent)
{
    ShowFileColumn(false);
}

void TObjectListModel::ShowFileColumn(bool shown)
{
    SetShownColumnCount(shown ? FileColumn + 1 : FileColumn);
}

void TObjectListModel::SetDataHandler(TDataHandler handler)
{
    DataHandler = std::move(handler);
}

void TObjectListModel::SetItemCount(int count)
{
    count = std::max(count, 0);
    if (count < Count) {
        // The rows about to go may be asked for while they go, but their
        // objects are gone already: they answer nothing.
        Answerable = count;
        beginRemoveRows({}, count, Count - 1);
        Count = count;
        endRemoveRows();
    } else if (count > Count) {
        beginInsertRows({}, Count, count - 1);
        Count = count;
        endInsertRows();
    }
    Answerable = Count;
    RepaintAll();
}

void TObjectListModel::ResetItemCount(int count)
{
    beginResetModel();
    Count = std::max(count, 0);
    Answerable = Count;
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
    if (!index.isValid() || index.row() >= Answerable)
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
        return ImageAt(FillItem(index.row()).ImageIndex);
    }
    case Qt::TextAlignmentRole:
        return CellAlignment(column);
    default:
        return {};
    }
}
