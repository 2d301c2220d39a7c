// The rows a list view has selected, read and set as row numbers, and the
// selected rows copied as text for a spreadsheet.
#pragma once

#include <QList>
#include <QString>

class QAbstractItemModel;
class QAbstractItemView;

// The selected rows, ascending.
QList<int> SelectedRows(const QAbstractItemView &view);
// Selects exactly the rows given (any order) and makes current the row
// given, or none for -1; the current row is scrolled into view.
void SelectRows(QAbstractItemView &view, const QList<int> &rows, int current);

// A header line of the column captions, then one line per row, the cells
// as the view shows them, separated by TAB; every line ends with a line
// feed. A TAB or a line break inside a cell becomes a blank, so the grid
// stays intact.
QString RowsAsText(const QAbstractItemModel &model, const QList<int> &rows);
// The same on the clipboard, as UTF-8 plain text.
void CopyRowsToClipboard(const QAbstractItemModel &model, const QList<int> &rows);
