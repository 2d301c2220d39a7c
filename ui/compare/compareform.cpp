#include "ui/compare/compareform.h"

#include "core/errors.h"
#include "core/reading/codepage.h"
#include "core/reading/filenames.h"
#include "ui/common/apptitle.h"
#include "ui/common/busycursor.h"
#include "ui/common/errorbox.h"
#include "ui/common/fonts.h"
#include "ui/common/imagelists.h"
#include "ui/common/pathnames.h"
#include "ui/common/uistrings.h"
#include "ui/compare/comparemodel.h"
#include "ui/mainwindow/readproblems.h"
#include "ui/mainwindow/simplestatusbar.h"
#include "ui/objectlist/keysearch.h"
#include "ui/objectlist/objectlistview.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSaveFile>
#include <QVBoxLayout>

namespace {

constexpr QSize CompareWindowSize(1060, 420);
// The rows whose cells the columns are widened to fit when a comparison is shown.
constexpr int WidenForRows = 200;

// Qt reads "[*]" in a caption as the place of its modified mark.
QString LiteralCaption(QString text)
{
    return text.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

QString FullPath(const QString &fileName)
{
    return QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(fileName).absoluteFilePath()));
}

} // namespace

TfrmCompare::TfrmCompare(TNavisionLicenseFile &licenseFile, const TRegionalSettings &settings,
                         QWidget *parent)
    : QMainWindow(parent, Qt::Window),
      dlgExport(TFileDialog::TKind::Save, tr("Export Comparison"),
                {tr("Text (Tab Delimited) (*.txt)")}, QStringLiteral("txt")),
      FLicenseFile(licenseFile), FSettings(settings)
{
    SetUpWindow();
    SetUpCommands();
    SetUpDifferences();
    UpdateStatus();
}

TfrmCompare::~TfrmCompare()
{
    // The rows must not reach the comparison once it is gone.
    FModel->SetComparison(nullptr, nullptr);
}

void TfrmCompare::SetUpWindow()
{
    setObjectName(QStringLiteral("frmCompare"));
    const QFont font = WindowFont();
    if (font != QApplication::font())
        setFont(font);
    resize(Scaled(CompareWindowSize));
    setWindowTitle(UiStrings::ApplicationTitle());

    auto *client = new QWidget(this);
    auto *layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *files = new QWidget(client);
    auto *grid = new QGridLayout(files);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(2);
    lblOldFile = new QLabel(files);
    lblNewFile = new QLabel(files);
    for (QLabel *label : {lblOldFile, lblNewFile}) {
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    // Each path is read out under its caption.
    lblOldFile->setAccessibleName(tr("Old file:"));
    lblNewFile->setAccessibleName(tr("New file:"));
    grid->addWidget(new QLabel(lblOldFile->accessibleName(), files), 0, 0);
    grid->addWidget(lblOldFile, 0, 1);
    grid->addWidget(new QLabel(lblNewFile->accessibleName(), files), 1, 0);
    grid->addWidget(lblNewFile, 1, 1);
    grid->setColumnStretch(1, 1);
    chkShowUnchanged = new QCheckBox(tr("Show &unchanged objects"), files);
    grid->addWidget(chkShowUnchanged, 0, 2, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(files);

    lvwCompare = new TObjectListView(client);
    lvwCompare->setObjectName(QStringLiteral("lvwCompare"));
    lvwCompare->setAccessibleName(tr("Differences"));
    lvwCompare->setAccessibleDescription(
        tr("What the new file adds, removes and changes against the old one"));
    FModel = new TComparisonModel(lvwCompare);
    FModel->SetFont(lvwCompare->font());
    SetUpListView(
        *lvwCompare, *FModel,
        [this](const QString &text, int startIndex, bool wrap) {
            return lvwCompareDataFind(text, startIndex, wrap);
        },
        [this](int column) { lvwCompareColumnClick(column); });
    ShowSortMark();
    layout->addWidget(lvwCompare, 1);
    setCentralWidget(client);

    stbCompare = new TSimpleStatusBar(this);
    stbCompare->setSizeGripEnabled(true);
    setStatusBar(stbCompare);
}

void TfrmCompare::SetUpCommands()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    actFileExport = file->addAction(tr("&Export..."));
    actFileExport->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    actFileExport->setIcon(ToolbarImages().value(ToolbarImageExportList));
    file->addSeparator();
    actFileClose = file->addAction(tr("&Close"));
    actFileClose->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));

    QMenu *view = mnuView = menuBar()->addMenu(tr("&View"));
    actViewShowUnchanged = view->addAction(tr("Show &Unchanged Objects"));
    actViewShowUnchanged->setCheckable(true);
    actViewShowUnchanged->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));

    connect(actFileExport, &QAction::triggered, this,
            [this] { RunCommand([this] { actFileExportExecute(); }); });
    connect(actFileClose, &QAction::triggered, this,
            [this] { RunCommand([this] { actFileCloseExecute(); }); });
    // The menu entry and the check box are one setting.
    connect(actViewShowUnchanged, &QAction::toggled, this, [this](bool checked) {
        chkShowUnchanged->setChecked(checked);
        RunCommand([this] { actViewShowUnchangedExecute(); });
    });
    connect(chkShowUnchanged, &QCheckBox::toggled, actViewShowUnchanged, &QAction::setChecked);
}

void TfrmCompare::Compare(const QString &oldFileName, const QString &newFileName,
                          bool hideSystemObjects, TDateOrderChoice dateOrder)
{
    TBusyCursor busy;
    FModel->SetComparison(nullptr, nullptr);
    FComparison.reset();
    FOldFile.reset();
    FNewFile.reset();
    UpdateStatus();

    auto oldFile = std::make_unique<TNavisionBinaryFile>(FLicenseFile, FSettings);
    auto newFile = std::make_unique<TNavisionBinaryFile>(FLicenseFile, FSettings);
    oldFile->SetHideSystemObjects(hideSystemObjects);
    newFile->SetHideSystemObjects(hideSystemObjects);
    oldFile->SetDateOrderChoice(dateOrder);
    newFile->SetDateOrderChoice(dateOrder);
    // Read as one set, so that both sides read their dates in one order.
    TNavisionBinaryFile::LoadAsOneSet(*oldFile, {oldFileName}, *newFile, {newFileName});
    FComparison = std::make_unique<TObjectComparison>(*oldFile, *newFile);
    FOldFile = std::move(oldFile);
    FNewFile = std::move(newFile);
    FModel->SetComparison(FComparison.get(), &FSettings);
    // The first rows' cells fit, the bold ones too.
    lvwCompare->WidenColumnsToFit(WidenForRows);

    lblOldFile->setText(FullPath(oldFileName));
    lblNewFile->setText(FullPath(newFileName));
    setWindowTitle(LiteralCaption(tr("%1 \u2192 %2 - %3")
                                      .arg(ShortPathName(oldFileName), ShortPathName(newFileName),
                                           UiStrings::ApplicationTitle())));
    UpdateStatus();
    ShowReadProblems(*FOldFile, tr("Old: %1").arg(FullPath(oldFileName)));
    ShowReadProblems(*FNewFile, tr("New: %1").arg(FullPath(newFileName)));
}

void TfrmCompare::UpdateStatus()
{
    if (!FComparison) {
        stbCompare->SetSimpleText(QString());
        return;
    }
    QString text = tr("%1 added, %2 removed, %3 changed, %4 unchanged")
                       .arg(FComparison->CountOf(TChangeKind::Added))
                       .arg(FComparison->CountOf(TChangeKind::Removed))
                       .arg(FComparison->CountOf(TChangeKind::Changed))
                       .arg(FComparison->CountOf(TChangeKind::Unchanged));
    if (!FModel->ShowUnchanged())
        text += tr(" (unchanged objects are hidden)");
    stbCompare->SetSimpleText(text);
}

void TfrmCompare::RefreshPermissions()
{
    if (!FComparison)
        return;
    FOldFile->RefreshPermissions();
    FNewFile->RefreshPermissions();
    FModel->RepaintAll();
}

int TfrmCompare::lvwCompareDataFind(const QString &findString, int startIndex, bool wrap)
{
    return FindKeyPrefix(
        FModel->rowCount(),
        [this](int row, TKeyBuffer &key, qsizetype length) {
            WriteKey(FModel->DifferenceAt(row).Object(), key, length);
        },
        EncodeText(findString), startIndex, wrap);
}

void TfrmCompare::lvwCompareColumnClick(int column)
{
    const auto clicked = TComparisonColumn(column);
    // The same column again reverses the order; another keeps the direction.
    const bool descending =
        clicked == FModel->SortColumn() ? !FModel->SortDescending() : FModel->SortDescending();
    FModel->SortBy(clicked, descending);
    ShowSortMark();
}

void TfrmCompare::ShowSortMark()
{
    lvwCompare->ShowSortMark(int(FModel->SortColumn()),
                             FModel->SortDescending() ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void TfrmCompare::actFileExportExecute()
{
    if (!FComparison || !dlgExport.Execute(this))
        return;
    const QString path = dlgExport.FileName;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw TError(tr("Cannot create file \"%1\". %2").arg(FullPath(path), file.errorString()));
    // One message naming the file and the cause, as the list's export gives it.
    const auto writeError = [&] {
        return TError(
            tr("Cannot write file \"%1\". %2").arg(FullPath(path), CleanCause(file.errorString())));
    };
    try {
        SaveComparisonToStream(file, *FComparison, FModel->Rows(), FSettings);
    } catch (const TError &) {
        file.cancelWriting();
        throw writeError();
    }
    if (!file.commit())
        throw writeError();
    stbCompare->SetSimpleText(UiStrings::ObjectsExported(
        int(FModel->Rows().size()), FileNameForDisplay(QFileInfo(path).fileName())));
}

void TfrmCompare::actFileCloseExecute()
{
    close();
}

void TfrmCompare::actViewShowUnchangedExecute()
{
    FModel->SetShowUnchanged(actViewShowUnchanged->isChecked());
    UpdateStatus();
}
