#include "ui/objectlist/listselection.h"

#include "core/reading/tabfields.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QMimeData>

#include <functional>

#include <algorithm>

QList<int> SelectedRows(const QAbstractItemView &view)
{
    QList<int> rows;
    const QItemSelectionModel *selection = view.selectionModel();
    if (!selection)
        return rows;
    for (const QItemSelectionRange &range : selection->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows << row;
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void SelectRows(QAbstractItemView &view, const QList<int> &rows, int current)
{
    QItemSelectionModel *selection = view.selectionModel();
    const QAbstractItemModel *model = view.model();
    if (!selection || !model)
        return;
    QList<int> sorted = rows;
    std::sort(sorted.begin(), sorted.end());
    // Neighbouring rows go in as one range: a selection of thousands of rows
    // stays a handful of ranges.
    QItemSelection wanted;
    const int lastColumn = model->columnCount() - 1;
    for (qsizetype i = 0; i < sorted.size();) {
        qsizetype j = i;
        while (j + 1 < sorted.size() && sorted[j + 1] <= sorted[j] + 1)
            ++j;
        wanted.select(model->index(sorted[i], 0), model->index(sorted[j], lastColumn));
        i = j + 1;
    }
    if (current >= 0 && current < model->rowCount()) {
        const QModelIndex currentIndex = model->index(current, 0);
        selection->setCurrentIndex(currentIndex, QItemSelectionModel::NoUpdate);
        view.scrollTo(currentIndex);
    } else {
        selection->clearCurrentIndex();
    }
    selection->select(wanted, QItemSelectionModel::ClearAndSelect);
}

QString RowsAsText(const QAbstractItemModel &model, const QList<int> &rows)
{
    const int columns = model.columnCount();
    QString text;
    const auto appendLine = [&](const std::function<QString(int)> &cellOf) {
        for (int column = 0; column < columns; ++column) {
            if (column > 0)
                text += u'\t';
            text += TabField(cellOf(column));
        }
        text += u'\n';
    };
    appendLine([&](int column) { return model.headerData(column, Qt::Horizontal).toString(); });
    for (const int row : rows)
        appendLine([&](int column) { return model.index(row, column).data().toString(); });
    return text;
}

void CopyRowsToClipboard(const QAbstractItemModel &model, const QList<int> &rows)
{
    auto *data = new QMimeData;
    const QString text = RowsAsText(model, rows);
    data->setText(text);
    data->setData(QStringLiteral("text/plain;charset=utf-8"), text.toUtf8());
    QApplication::clipboard()->setMimeData(data);
}
