#include "ui/objectlist/objectlistview.h"

#include "ui/common/errorbox.h"
#include "ui/common/fonts.h"
#include "ui/common/imagelists.h"
#include "ui/objectlist/columns.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// Cells drawn without the focus frame of a single cell.
class TRowFocusDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
    }
};

} // namespace

TObjectListView::TObjectListView(QWidget *parent) : QTableView(parent)
{
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setIconSize(QSize(16, 16));
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setItemDelegate(new TRowFocusDelegate(this));

    // No row header; each row as high as the others, set once for all.
    QHeaderView *rows = verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(1);
    ApplyRowHeight();

    QHeaderView *columns = header();
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
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
    QTableView::setModel(model);
    ApplyColumnLayout(0, model ? model->columnCount() - 1 : -1);
    // A column shown later starts at its designed width too.
    disconnect(ColumnsInserted);
    if (model)
        ColumnsInserted = connect(
            model, &QAbstractItemModel::columnsInserted, this,
            [this](const QModelIndex &, int first, int last) { ApplyColumnLayout(first, last); });
}

void TObjectListView::ApplyColumnLayout(int first, int last)
{
    const auto *columns = qobject_cast<const TColumnTableModel *>(model());
    if (!columns)
        return;
    last = std::min(last, int(columns->Columns().size()) - 1);
    for (int column = std::max(first, 0); column <= last; ++column) {
        header()->setSectionResizeMode(column, QHeaderView::Interactive);
        header()->resizeSection(column, Scaled(columns->Columns()[size_t(column)].Width));
    }
    WidenColumnsToFit();
}

void TObjectListView::WidenColumnsToFit(int rowLimit)
{
    if (!model())
        return;
    const int rows = std::min(model()->rowCount(rootIndex()), rowLimit);
    const int grid = showGrid() ? 1 : 0;
    for (int column = 0; column < model()->columnCount(rootIndex()); ++column) {
        int needed = header()->sectionSizeHint(column);
        for (int row = 0; row < rows; ++row)
            needed = std::max(needed, sizeHintForIndex(model()->index(row, column)).width() + grid);
        if (needed > header()->sectionSize(column))
            header()->resizeSection(column, needed);
    }
}

int TObjectListView::RowHeight() const
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration;
    option.text = QStringLiteral("Xg");
    option.decorationSize = iconSize();
    return style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).height();
}

void TObjectListView::ApplyRowHeight()
{
    // Sets the height of every row there is: cheap while the list is empty,
    // as it is when the view is made.
    verticalHeader()->setDefaultSectionSize(RowHeight());
}

void TObjectListView::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !(hasFocus() || viewport()->hasFocus()) || !model())
        return;
    const int lastColumn = model()->columnCount(rootIndex()) - 1;
    const int left = columnViewportPosition(0);
    const int right = columnViewportPosition(lastColumn) + columnWidth(lastColumn);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.state |= QStyle::State_KeyboardFocusChange;
    focus.rect =
        QRect(left, rowViewportPosition(current.row()), right - left, rowHeight(current.row()));
    focus.backgroundColor = palette().color(
        isEnabled() ? QPalette::Normal : QPalette::Disabled,
        selectionModel()->isSelected(current) ? QPalette::Highlight : QPalette::Window);
    QPainter painter(viewport());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

void TObjectListView::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        ApplyRowHeight();
}

QModelIndex TObjectListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = currentIndex();
    const int rows = model() ? model()->rowCount(rootIndex()) : 0;
    switch (cursorAction) {
    case MoveHome:
    case MoveEnd:
        if (rows == 0)
            return {};
        return model()->index(cursorAction == MoveHome ? 0 : rows - 1,
                              current.isValid() ? current.column() : 0, rootIndex());
    case MoveLeft:
    case MoveRight:
        horizontalScrollBar()->triggerAction(cursorAction == MoveLeft
                                                 ? QAbstractSlider::SliderSingleStepSub
                                                 : QAbstractSlider::SliderSingleStepAdd);
        return current;
    default:
        return QTableView::moveCursor(cursorAction, modifiers);
    }
}

void TObjectListView::ShowSortOrder(int key, int direction)
{
    // Only direction 1 sorts descending; a key without a column shows no mark.
    const bool hasColumn = model() && key >= 0 && key < model()->columnCount();
    ShowSortMark(hasColumn ? key : -1, direction == 1 ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void TObjectListView::ShowSortMark(int column, Qt::SortOrder order)
{
    header()->setSortIndicator(column, order);
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

void SetUpListView(TObjectListView &view, TColumnTableModel &model,
                   TObjectListView::TFindHandler find,
                   const std::function<void(int column)> &columnClicked)
{
    model.SetImages(ListViewImages());
    view.setModel(&model);
    view.SetFindHandler([find = std::move(find)](const QString &text, int startIndex, bool wrap) {
        int found = -1;
        RunCommand([&] { found = find(text, startIndex, wrap); });
        return found;
    });
    QObject::connect(&view, &TObjectListView::ColumnClicked, &view,
                     [columnClicked](int column) { RunCommand([&] { columnClicked(column); }); });
}
