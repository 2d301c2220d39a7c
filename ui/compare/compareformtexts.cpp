// The comparison window's way into the objects' texts: the difference view
// of an object whose two sides hold text, the text of one added or removed.
#include "ui/compare/compareform.h"

#include "ui/common/errorbox.h"
#include "ui/compare/comparemodel.h"
#include "ui/mainwindow/simplestatusbar.h"
#include "ui/objectlist/objectlistview.h"
#include "ui/objecttext/differenceform.h"
#include "ui/objecttext/objecttextform.h"

#include <QAction>
#include <QMenu>

void TfrmCompare::SetUpDifferences()
{
    actViewDifferences = mnuView->addAction(tr("View &Differences"));
    actViewDifferences->setObjectName(QStringLiteral("actViewDifferences"));
    connect(actViewDifferences, &QAction::triggered, this,
            [this] { RunCommand([this] { actViewDifferencesExecute(); }); });
    lvwCompare->addAction(actViewDifferences);
    lvwCompare->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(lvwCompare, &QAbstractItemView::activated, this,
            [this] { RunCommand([this] { lvwCompareActivated(); }); });
    connect(lvwCompare->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TfrmCompare::actViewDifferencesUpdate);
    connect(FModel, &QAbstractItemModel::modelReset, this, &TfrmCompare::actViewDifferencesUpdate);
    actViewDifferencesUpdate();
}

const TObjectDifference *TfrmCompare::CurrentDifference() const
{
    const QModelIndex current = lvwCompare->currentIndex();
    if (!FComparison || !current.isValid() || current.row() >= FModel->rowCount())
        return nullptr;
    return &FModel->DifferenceAt(current.row());
}

bool TfrmCompare::HasText(const TObjectDifference &difference) const
{
    const bool oldText = difference.Old && FOldFile->TextPlace(*difference.Old);
    const bool newText = difference.New && FNewFile->TextPlace(*difference.New);
    if (difference.Old && difference.New)
        return oldText && newText;
    return oldText || newText;
}

void TfrmCompare::actViewDifferencesExecute()
{
    const TObjectDifference *difference = CurrentDifference();
    if (!difference || !HasText(*difference))
        return;
    if (difference->Old && difference->New)
        OpenObjectDifference(*this, *FOldFile, *difference->Old, *FNewFile, *difference->New);
    else if (difference->New)
        OpenObjectText(*this, *FNewFile, *difference->New);
    else
        OpenObjectText(*this, *FOldFile, *difference->Old);
}

void TfrmCompare::actViewDifferencesUpdate()
{
    const TObjectDifference *difference = CurrentDifference();
    const bool binary = difference && !HasText(*difference);
    actViewDifferences->setEnabled(difference && !binary);
    actViewDifferences->setStatusTip(binary ? NoTextReason() : QString());
}

void TfrmCompare::lvwCompareActivated()
{
    const TObjectDifference *difference = CurrentDifference();
    if (!difference)
        return;
    if (!HasText(*difference)) {
        stbCompare->SetSimpleText(NoTextReason());
        return;
    }
    actViewDifferencesExecute();
}

QString TfrmCompare::NoTextReason()
{
    return tr("A binary file holds no text of its objects");
}
