// What the main window shows after the list's order changed: the sort
// mark, and the rows listed afresh.
#include "ui/mainwindow/mainform.h"

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
