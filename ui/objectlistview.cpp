#include "objectlistview.h"

#include "fonts.h"
#include "objectlistmodel.h"

#include <QApplication>
#include <QHeaderView>

TObjectListView::TObjectListView(QWidget *parent) : QTreeView(parent)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAllColumnsShowFocus(true);
    setSortingEnabled(false);
    setIconSize(QSize(16, 16));

    QHeaderView *columns = header();
    columns->setSectionsClickable(true);
    columns->setSortIndicatorShown(true);
    columns->setSortIndicator(-1, Qt::AscendingOrder);
    columns->setSectionsMovable(false);
    columns->setStretchLastSection(false);
    columns->setHighlightSections(false);
    connect(columns, &QHeaderView::sectionClicked, this, &TObjectListView::ColumnClicked);
}

void TObjectListView::setModel(QAbstractItemModel *model)
{
    QTreeView::setModel(model);
    ApplyColumnLayout();
}

void TObjectListView::ApplyColumnLayout()
{
    for (size_t column = 0; column < ListColumns.size(); ++column) {
        header()->setSectionResizeMode(int(column), QHeaderView::Interactive);
        header()->resizeSection(int(column), Scaled(ListColumns[column].Width));
    }
}

void TObjectListView::ShowSortOrder(int key, int direction)
{
    // Only direction 1 sorts descending; a key without a column shows no mark.
    const bool hasColumn = model() && key >= 0 && key < model()->columnCount();
    header()->setSortIndicator(hasColumn ? key : -1,
                               direction == 1 ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void TObjectListView::SetFindHandler(TFindHandler handler)
{
    FindHandler = std::move(handler);
}

void TObjectListView::keyboardSearch(const QString &search)
{
    const bool continues = !search.isEmpty() && SinceLastKey.isValid() &&
                           SinceLastKey.elapsed() <= QApplication::keyboardInputInterval();
    SearchText = continues ? SearchText + search : search;
    SinceLastKey.start();
    if (!FindHandler || !model())
        return;

    const int start = currentIndex().isValid() ? currentIndex().row() : 0;
    const int found = FindHandler(SearchText, start, true);
    if (found < 0 || found >= model()->rowCount())
        return;
    const QModelIndex row = model()->index(found, 0);
    selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect |
                                               QItemSelectionModel::Rows);
    scrollTo(row);
}
