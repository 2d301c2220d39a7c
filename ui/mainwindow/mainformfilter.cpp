// The main window's filter bar: the rows that pass its filter, the
// selection kept across a change of filter.
#include "ui/mainwindow/mainform.h"

#include "ui/common/commandmanager.h"
#include "ui/common/errorbox.h"
#include "ui/filter/filterbar.h"
#include "ui/objectlist/listselection.h"

void TfrmMain::SetUpFilter()
{
    barFilter = new TFilterBar(pnlClient);
    barFilter->hide();
    layClient->insertWidget(layClient->indexOf(lvwMain), barFilter);
    connect(barFilter, &TFilterBar::FilterChanged, this,
            [this] { RunCommand([this] { ApplyFilter(); }); });
    connect(barFilter, &TFilterBar::Closed, lvwMain, [this] { lvwMain->setFocus(); });

    actViewFilter = AddCommand("actViewFilter", tr("&Filter..."),
                               QKeySequence(Qt::CTRL | Qt::Key_F), &TfrmMain::actViewFilterExecute);
    acmMain->Add(actViewFilter);
    mnuView->addSeparator();
    mnuView->addAction(actViewFilter);
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
