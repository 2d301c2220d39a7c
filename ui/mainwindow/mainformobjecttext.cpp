// The Object menu's View Object Text, also Enter or a double-click on a row
// and the list's context menu: the current object's text in a window of
// its own, read from its file. A binary file holds no text of its objects,
// so for one of them the command is disabled and the status bar says why.
#include "ui/mainwindow/mainform.h"

#include "ui/common/commandmanager.h"
#include "ui/common/errorbox.h"
#include "ui/objecttext/objecttextform.h"

#include <QMenu>
#include <QMenuBar>

void TfrmMain::SetUpObjectText()
{
    mnuObject = new QMenu(tr("&Object"), mmbMain);
    mnuObject->setObjectName(QStringLiteral("mnuObject"));
    mmbMain->insertMenu(mnuTools->menuAction(), mnuObject);
    actObjectViewText = AddCommand("actObjectViewText", tr("View Object &Text"), QKeySequence(),
                                   &TfrmMain::actObjectViewTextExecute);
    acmMain->Add(actObjectViewText, [this](QAction &action) { actObjectViewTextUpdate(action); });
    mnuObject->addAction(actObjectViewText);
    // First in the list's context menu: what Enter and a double-click do.
    lvwMain->insertAction(lvwMain->actions().value(0), actObjectViewText);
    connect(lvwMain, &QAbstractItemView::activated, this,
            [this] { RunCommand([this] { lvwMainActivated(); }); });
    connect(lvwMain->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { actObjectViewTextUpdate(*actObjectViewText); });
}

const TNavisionObject *TfrmMain::CurrentObject() const
{
    const QModelIndex current = lvwMain->currentIndex();
    if (!current.isValid() || current.row() >= FListed.Count())
        return nullptr;
    return &FBinaryFile->GetObject(FListed.Position(current.row()));
}

void TfrmMain::lvwMainActivated()
{
    const TNavisionObject *object = CurrentObject();
    if (!object)
        return;
    if (!FBinaryFile->TextPlace(*object)) {
        ShowStatusNote(NoObjectTextReason());
        return;
    }
    actObjectViewTextExecute();
}

void TfrmMain::actObjectViewTextExecute()
{
    if (const TNavisionObject *object = CurrentObject())
        OpenObjectText(*this, *FBinaryFile, *object);
}

void TfrmMain::actObjectViewTextUpdate(QAction &action)
{
    const TNavisionObject *object = CurrentObject();
    const bool binary = object && !FBinaryFile->TextPlace(*object);
    action.setEnabled(object && !binary);
    action.setStatusTip(binary ? NoObjectTextReason() : QString());
}

QString TfrmMain::NoObjectTextReason()
{
    return tr("A binary file holds no text of its objects");
}
