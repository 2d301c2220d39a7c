// Copying the selected rows of the main window's list, from its context
// menu or with the usual keys.
#include "ui/mainwindow/mainform.h"

#include "ui/common/commandmanager.h"
#include "ui/objectlist/listselection.h"

void TfrmMain::SetUpCopy()
{
    // Copy lives in the list's context menu; its key works wherever the list is shown.
    actEditCopy =
        AddCommand("actEditCopy", tr("&Copy"), QKeySequence::Copy, &TfrmMain::actEditCopyExecute);
    acmMain->Add(actEditCopy, [this](QAction &action) { actEditCopyUpdate(action); });
    actEditSelectAll = new QAction(tr("Select &All"), this);
    actEditSelectAll->setObjectName(QStringLiteral("actEditSelectAll"));
    actEditSelectAll->setShortcut(QKeySequence::SelectAll);
    actEditSelectAll->setShortcutContext(Qt::WidgetShortcut); // the list's own key
    connect(actEditSelectAll, &QAction::triggered, lvwMain, &QAbstractItemView::selectAll);
    lvwMain->addAction(actEditCopy);
    lvwMain->addAction(actEditSelectAll);
    lvwMain->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(lvwMain->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { actEditCopyUpdate(*actEditCopy); });
}

void TfrmMain::actEditCopyExecute()
{
    const QList<int> rows = SelectedRows(*lvwMain);
    if (!rows.isEmpty())
        CopyRowsToClipboard(*FListModel, rows);
}

void TfrmMain::actEditCopyUpdate(QAction &action)
{
    action.setEnabled(lvwMain->selectionModel() && lvwMain->selectionModel()->hasSelection());
}
