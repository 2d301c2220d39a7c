// The report-style object list: whole-row extended selection, no editing, a
// clickable header that marks the column of the sort order. Typed text goes to a find handler,
// and a header click is reported with the column's position.
#pragma once

#include <QElapsedTimer>
#include <QTreeView>

#include <functional>

class TObjectListView : public QTreeView {
    Q_OBJECT

public:
    // Answers a row for the typed text, searching from the start row and,
    // with wrap, on from the top; -1 for none.
    using TFindHandler = std::function<int(const QString &text, int startIndex, bool wrap)>;

    explicit TObjectListView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;
    void SetFindHandler(TFindHandler handler);
    // Marks the header column of the Sort Key with the Sort Direction.
    void ShowSortOrder(int key, int direction);

    // Characters typed in quick succession build one search text, as in
    // every Qt view; the search starts at the current row, or at the top.
    void keyboardSearch(const QString &search) override;

signals:
    void ColumnClicked(int column);

private:
    void ApplyColumnLayout();

    TFindHandler FindHandler;
    QString SearchText;
    QElapsedTimer SinceLastKey;
};
