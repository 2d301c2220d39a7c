// The keys people expect of a desktop program, and the main window's
// commands beyond its first ones, each set up by the file of its job.
#include "ui/mainwindow/mainform.h"

#include "ui/common/commandmanager.h"
#include "ui/common/errorbox.h"
#include "ui/mainwindow/windowmemory.h"

void TfrmMain::SetUpDesktopCommands()
{
    // Keys the Parts leave free.
    actFileClose->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    actFileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // As the comparison's Export; on the menu's entry, which runs the command.
    mniFileExportList->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));

    SetUpFilter();
    SetUpReload();
    SetUpRecentFiles();
    SetUpCopy();
    SetUpFolders();
    SetUpObjectText();

    new TWindowMemory(this, lvwMain->header());
    TWindowMemory::RememberFolder(dlgOpen, QStringLiteral("open"));
    TWindowMemory::RememberFolder(dlgExportList, QStringLiteral("export"));
}

QAction *TfrmMain::AddCommand(const char *name, const QString &text, const QKeySequence &keys,
                              void (TfrmMain::*execute)())
{
    auto *action = new QAction(text, this);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, [this, execute] {
        RunCommand([&] { (this->*execute)(); });
        acmMain->UpdateAll();
    });
    return action;
}
