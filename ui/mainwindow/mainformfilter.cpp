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

// The seven recognised types always, so a type can be chosen before a file
// is open; then the others the file holds (Page, Query).
void TfrmMain::OfferTypesPresent()
{
    std::vector<TTypePresent> types;
    for (int type = otTable; type <= otMenuSuite; ++type)
        types.push_back({static_cast<TNavisionObjectType>(type), {}});
    for (const TTypePresent &present : TypesPresent(*FBinaryFile)) {
        if (present.ObjectType == otNone)
            types.push_back(present);
    }
    barFilter->SetTypes(types);
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
