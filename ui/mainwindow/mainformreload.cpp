// Reading the open file again, the selection kept by the objects' keys.
#include "ui/mainwindow/mainform.h"

#include "ui/common/commandmanager.h"
#include "ui/objectlist/listselection.h"

#include <QSet>

void TfrmMain::SetUpReload()
{
    actFileReload = AddCommand("actFileReload", tr("&Reload"), QKeySequence(Qt::Key_F5),
                               &TfrmMain::actFileReloadExecute);
    acmMain->Add(actFileReload,
                 [this](QAction &action) { action.setEnabled(!FileToRead().isEmpty()); });
    mnuFile->insertAction(actFileCompareWith, actFileReload);
}

void TfrmMain::actFileReloadExecute()
{
    const QString fileName = FileToRead(); // a copy: opening clears the model first
    if (fileName.isEmpty())
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

    OpenAskedFile(fileName);

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
