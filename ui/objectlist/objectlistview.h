// The report-style object list: whole-row extended selection, no editing, a
// clickable header that marks the column of the sort order. Typed text goes
// to a find handler, and a header click is reported with the column's
// position.
//
// A table without grid or row header rather than a tree: every row has the
// same height, so the view keeps no record per row and a list of a million
// rows is laid out as fast as one of ten.
#pragma once

#include <QElapsedTimer>
#include <QTableView>

#include <functional>

class TColumnTableModel;

class TObjectListView : public QTableView {
    Q_OBJECT

public:
    // Answers a row for the typed text, searching from the start row and,
    // with wrap, on from the top; -1 for none.
    using TFindHandler = std::function<int(const QString &text, int startIndex, bool wrap)>;

    explicit TObjectListView(QWidget *parent = nullptr);

    // The column captions.
    QHeaderView *header() const { return horizontalHeader(); }

    void setModel(QAbstractItemModel *model) override;
    void SetFindHandler(TFindHandler handler);
    // Marks the header column of the Sort Key with the Sort Direction.
    void ShowSortOrder(int key, int direction);
    // Widens every column narrower than its caption, or than a cell of its
    // first rows (up to rowLimit) as the cell is drawn, bold included;
    // no column is made narrower.
    void WidenColumnsToFit(int rowLimit = 0);
    void ShowSortMark(int column, Qt::SortOrder order);

    // Characters typed in quick succession build one search text, as in
    // every Qt view; the search starts at the current row, or at the top.
    void keyboardSearch(const QString &search) override;

signals:
    void ColumnClicked(int column);

protected:
    // The keys move between rows as in a list: Home and End go to the first
    // and last row, Left and Right scroll the columns.
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void changeEvent(QEvent *event) override;
    // The focus is shown around the whole current row, not one cell.
    void paintEvent(QPaintEvent *event) override;

private:
    // The designed width of the model's columns first to last.
    void ApplyColumnLayout(int first, int last);
    // The height a row of text beside a small icon needs in the view's font
    // and style, as the item delegate gives it.
    int RowHeight() const;
    void ApplyRowHeight();

    TFindHandler FindHandler;
    QString SearchText;
    QElapsedTimer SinceLastKey;
    QMetaObject::Connection ColumnsInserted;
};

// A window's list: the model shown with the object type pictures, typed text
// answered by find and a header click passed to columnClicked, each run as a
// command whose error shows in a box.
void SetUpListView(TObjectListView &view, TColumnTableModel &model,
                   TObjectListView::TFindHandler find,
                   const std::function<void(int column)> &columnClicked);
