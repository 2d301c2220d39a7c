// The fixed columns of a list window's table: their captions, widths and
// alignment, and what a table model answers about them: the header, the
// cells' alignment, the flags of a row that is selected but never edited,
// and the object type pictures.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>

#include <span>

struct TListColumn {
    const char *Caption; // translated in the model's context
    int Width;           // pixels at 96 dots per inch
    Qt::Alignment Alignment;
};

class TColumnTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The captions are translated in the given context, the one the
    // columns' captions were marked with.
    TColumnTableModel(const char *context, std::span<const TListColumn> columns,
                      QObject *parent = nullptr);

    std::span<const TListColumn> Columns() const { return FColumns; }
    // The columns shown: the first count of the table (all at creation).
    // The columns after them are removed from the model, not only hidden,
    // so that nothing copies or exports them.
    void SetShownColumnCount(int count);
    void SetImages(QList<QIcon> images);

    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

protected:
    // The column's alignment as a cell's TextAlignmentRole.
    QVariant CellAlignment(int column) const;
    // The picture of that index, or an empty one of the same size for none,
    // so that the texts of the column stay in line.
    QIcon ImageAt(int index) const;

private:
    const char *FContext;
    std::span<const TListColumn> FColumns;
    int FShownColumns;
    QList<QIcon> FImages;
    QIcon FBlankImage;
};
