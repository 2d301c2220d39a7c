// The rows of the object list without any content of their own: the model
// knows a row count, and asks its data handler for the texts and the icon
// of a row each time the view needs any of them.
#pragma once

#include "ui/objectlist/columns.h"

#include <QStringList>

#include <array>
#include <functional>

// One row as the data handler fills it.
struct TListItem {
    int Index = 0;
    QString Caption;      // the first column
    int ImageIndex = -1;  // into the model's images; -1 shows none
    QStringList SubItems; // the columns after the first, in order
};

// Their positions are the Sort Keys; the File column, last, has none and
// shows only while the list comes from more than one file.
inline constexpr std::array<TListColumn, 8> ListColumns{{
    {QT_TRANSLATE_NOOP("TObjectListModel", "Type"), 80, Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("TObjectListModel", "ID"), 80, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("TObjectListModel", "Name"), 160, Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("TObjectListModel", "Date/Time"), 120, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("TObjectListModel", "Size"), 60, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("TObjectListModel", "Version List"), 240, Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("TObjectListModel", "License Permissions"), 60, Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("TObjectListModel", "File"), 200, Qt::AlignLeft},
}};

class TObjectListModel : public TColumnTableModel {
    Q_OBJECT

public:
    using TDataHandler = std::function<void(TListItem &item)>;

    static constexpr int FileColumn = 7;

    // Without the File column at first.
    explicit TObjectListModel(QObject *parent = nullptr);

    void ShowFileColumn(bool shown);
    bool FileColumnShown() const { return columnCount() > FileColumn; }

    void SetDataHandler(TDataHandler handler);

    int ItemCount() const { return Count; }
    // Rows beyond the new count go, new ones are added at the end; the rows
    // that stay keep their selection. Every row is then painted afresh.
    void SetItemCount(int count);
    // All rows anew, as for another list: no selection is kept. Cheaper for
    // the view than removing and inserting rows when most of them change.
    void ResetItemCount(int count);
    // Has every row asked for again, the count unchanged.
    void RepaintAll();

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    // The row formed afresh; nothing of it is kept.
    TListItem FillItem(int row) const;
    void ReportError(const QString &message) const;

    TDataHandler DataHandler;
    int Count = 0;
    int Answerable = 0; // below Count only while rows are being removed
    mutable bool ErrorPending = false;
};
