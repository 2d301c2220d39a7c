// The main window's additions to its Parts' commands: the filter bar,
// copying rows, reading the file again, the sort mark, and the keys people
// expect of a desktop program.
#include "ui/mainwindow/mainform.h"

#include "ui/common/commandmanager.h"
#include "ui/common/errorbox.h"
#include "ui/filter/filterbar.h"
#include "ui/objectlist/listselection.h"
#include "ui/mainwindow/recentfiles.h"
#include "ui/mainwindow/windowmemory.h"

#include <QMenu>
#include <QSet>

void TfrmMain::SetUpDesktopCommands()
{
    // Keys the Parts leave free.
    actFileClose->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    actFileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    barFilter = new TFilterBar(pnlClient);
    barFilter->hide();
    layClient->insertWidget(layClient->indexOf(lvwMain), barFilter);
    connect(barFilter, &TFilterBar::FilterChanged, this,
            [this] { RunCommand([this] { ApplyFilter(); }); });
    connect(barFilter, &TFilterBar::Closed, lvwMain, [this] { lvwMain->setFocus(); });

    const auto command = [this](const char *name, const QString &text, const QKeySequence &keys,
                                void (TfrmMain::*execute)()) {
        auto *action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, [this, execute] {
            RunCommand([&] { (this->*execute)(); });
            acmMain->UpdateAll();
        });
        return action;
    };

    actViewFilter = command("actViewFilter", tr("&Filter..."), QKeySequence(Qt::CTRL | Qt::Key_F),
                            &TfrmMain::actViewFilterExecute);
    acmMain->Add(actViewFilter);
    mnuView->addSeparator();
    mnuView->addAction(actViewFilter);

    actFileReload = command("actFileReload", tr("&Reload"), QKeySequence(Qt::Key_F5),
                            &TfrmMain::actFileReloadExecute);
    acmMain->Add(actFileReload, [this](QAction &action) {
        action.setEnabled(!FBinaryFile->FileName().isEmpty());
    });
    mnuFile->insertAction(actFileCompareWith, actFileReload);

    mnuFileRecent = new QMenu(tr("Recent &Files"), mnuFile);
    mnuFileRecent->setObjectName(QStringLiteral("mnuFileRecent"));
    mnuFile->insertMenu(actFileReload, mnuFileRecent);
    FRecentFiles = new TRecentFiles(mnuFileRecent, this);
    connect(FRecentFiles, &TRecentFiles::OpenRequested, this, [this](const QString &fileName) {
        RunCommand([&] { OpenFile(fileName); });
        acmMain->UpdateAll();
    });

    // Copy lives in the list's context menu; its key works wherever the list is shown.
    actEditCopy =
        command("actEditCopy", tr("&Copy"), QKeySequence::Copy, &TfrmMain::actEditCopyExecute);
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

    new TWindowMemory(this, lvwMain->header());
    TWindowMemory::RememberFolder(dlgOpen, QStringLiteral("open"));
    TWindowMemory::RememberFolder(dlgExportList, QStringLiteral("export"));
}

void TfrmMain::FileOpened(const QString &fileName)
{
    TRecentFiles::Add(fileName);
    if (FRecentFiles)
        FRecentFiles->FillMenu();
}

void TfrmMain::ShowSortOrder()
{
    lvwMain->ShowSortOrder(FBinaryFile->GetSortKey(), FBinaryFile->GetSortDirection());
}

void TfrmMain::RelistRows()
{
    if (!FListed.IsFiltering()) {
        FListModel->RepaintAll();
        return;
    }
    ApplyFilter(true);
}

void TfrmMain::actViewFilterExecute()
{
    barFilter->Activate();
}

void TfrmMain::ApplyFilter(bool listChanged)
{
    // The objects selected before stay selected where they are still listed.
    QList<int> positions;
    for (const int row : SelectedRows(*lvwMain))
        positions << FListed.Position(row);
    const QModelIndex current = lvwMain->currentIndex();
    const int currentPosition = current.isValid() ? FListed.Position(current.row()) : -1;

    if (listChanged) {
        FListed.SetFilter(barFilter->Filter());
        FListed.Refresh(*FBinaryFile);
    } else {
        FListed.Refilter(*FBinaryFile, barFilter->Filter());
    }
    FListModel->ResetItemCount(FListed.Count());

    QList<int> rows;
    for (const int position : positions) {
        if (const int row = FListed.RowOf(position); row >= 0)
            rows << row;
    }
    SelectRows(*lvwMain, rows, FListed.RowOf(currentPosition));
    UpdateStatus();
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

void TfrmMain::actFileReloadExecute()
{
    if (FBinaryFile->FileName().isEmpty())
        return;
    // The selection goes by the objects' keys: an object still in the file
    // is selected again wherever it now stands.
    QSet<QByteArray> selectedKeys;
    for (const int row : SelectedRows(*lvwMain))
        selectedKeys.insert(FBinaryFile->GetObject(FListed.Position(row)).GetKey());
    const QModelIndex current = lvwMain->currentIndex();
    const QByteArray currentKey =
        current.isValid() ? FBinaryFile->GetObject(FListed.Position(current.row())).GetKey()
                          : QByteArray();

    const QString fileName = FBinaryFile->FileName(); // a copy: opening clears the model first
    OpenFile(fileName);

    QList<int> rows;
    int currentRow = -1;
    for (int row = 0; row < FListed.Count(); ++row) {
        const QByteArray key = FBinaryFile->GetObject(FListed.Position(row)).GetKey();
        if (selectedKeys.contains(key))
            rows << row;
        if (key == currentKey)
            currentRow = row;
    }
    SelectRows(*lvwMain, rows, currentRow);
}
