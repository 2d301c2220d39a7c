// The File menu's recent files.
#include "ui/mainwindow/mainform.h"

#include "ui/common/commandmanager.h"
#include "ui/common/errorbox.h"
#include "ui/mainwindow/recentfiles.h"

#include <QMenu>

void TfrmMain::SetUpRecentFiles()
{
    mnuFileRecent = new QMenu(tr("Recen&t Files"), mnuFile);
    mnuFileRecent->setObjectName(QStringLiteral("mnuFileRecent"));
    mnuFile->insertMenu(actFileReload, mnuFileRecent);
    FRecentFiles = new TRecentFiles(mnuFileRecent, this);
    connect(FRecentFiles, &TRecentFiles::OpenRequested, this, [this](const QString &fileName) {
        RunCommand([&] { OpenAskedFile(fileName); });
        acmMain->UpdateAll();
    });
}

void TfrmMain::FileOpened(const QString &fileName)
{
    TRecentFiles::Add(fileName);
    if (FRecentFiles)
        FRecentFiles->FillMenu();
}
