// Folders of text exports: File, Open Folder and Compare With Folder, and
// the File column. A folder opens,
// reloads and compares as a file does; the model reads every text export
// in it as one list.
#include "ui/mainwindow/mainform.h"

#include "ui/common/commandmanager.h"
#include "ui/mainwindow/windowmemory.h"

#include <QDir>
#include <QMenu>

void TfrmMain::SetUpFolders()
{
    actFileOpenFolder = AddCommand("actFileOpenFolder", tr("Open &Folder..."),
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O),
                                   &TfrmMain::actFileOpenFolderExecute);
    acmMain->Add(actFileOpenFolder);
    mnuFile->insertAction(mnuFileRecent->menuAction(), actFileOpenFolder);

    actFileCompareWithFolder = AddCommand("actFileCompareWithFolder", tr("Compare With Fol&der..."),
                                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D),
                                          &TfrmMain::actFileCompareWithFolderExecute);
    // Enabled as Compare With is: only while something is open.
    acmMain->Add(actFileCompareWithFolder,
                 [this](QAction &action) { actFileCompareWithUpdate(action); });
    mnuFile->insertAction(actFileClose, actFileCompareWithFolder);

    dlgOpenFolder.Title = tr("Open Folder");
    dlgCompareWithFolder.Title = tr("Compare With Folder");
    TWindowMemory::RememberFolder(dlgOpenFolder, QStringLiteral("openFolder"));
    TWindowMemory::RememberFolder(dlgCompareWithFolder, QStringLiteral("openFolder"));
}

void TfrmMain::actFileOpenFolderExecute()
{
    if (dlgOpenFolder.Execute(this))
        OpenFile(dlgOpenFolder.FileName);
}

void TfrmMain::actFileCompareWithFolderExecute()
{
    if (dlgCompareWithFolder.Execute(this))
        CompareWith(dlgCompareWithFolder.FileName);
}

QString TfrmMain::FileColumnText(const TNavisionObject &object) const
{
    return QDir::toNativeSeparators(FBinaryFile->ObjectRelativeFileName(object));
}
