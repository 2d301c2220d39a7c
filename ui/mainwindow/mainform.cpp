#include "ui/mainwindow/mainform.h"

#include "core/errors.h"
#include "core/model/ordering.h"
#include "core/reading/codepage.h"
#include "core/reading/filenames.h"
#include "ui/about/AboutBox.h"
#include "ui/common/apptitle.h"
#include "ui/common/busycursor.h"
#include "ui/common/commandmanager.h"
#include "ui/common/errorbox.h"
#include "ui/common/fonts.h"
#include "ui/common/imagelists.h"
#include "ui/common/pathnames.h"
#include "ui/common/screenfit.h"
#include "ui/common/uistrings.h"
#include "ui/compare/compareform.h"
#include "ui/filter/filterbar.h"
#include "ui/license/licensestatus.h"
#include "ui/license/licform.h"
#include "ui/mainwindow/readdatesas.h"
#include "ui/mainwindow/readproblems.h"
#include "ui/objectlist/keysearch.h"
#include "ui/objectlist/listselection.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QTimer>

namespace {

// The local files of a drop, in the order given.
QStringList LocalFiles(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl &url : data->urls()) {
        if (const QString file = FileNameFromUrl(url); !file.isEmpty())
            files << file;
    }
    return files;
}

// Qt reads "[*]" in a caption as the place of its modified mark; a file
// name may hold it too, and doubled it stands for itself.
QString LiteralCaption(QString text)
{
    return text.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

// Painting the status bar for every entry shown would cost more than
// reading: it is painted at most this often.
constexpr qint64 StatusPaintInterval = 40; // milliseconds

// Where the window opens; its size is the form's.
constexpr QPoint MainWindowPosition(266, 264);

} // namespace

TfrmMain::TfrmMain(const TCFrontEntryPoints &library, const TRegionalSettings &settings,
                   const QStringList &arguments, QWidget *parent)
    : TfrmMain(library, settings, arguments, QString(), parent)
{
}

TfrmMain::TfrmMain(const TCFrontEntryPoints &library, const TRegionalSettings &settings,
                   const QStringList &arguments, const QString &licenseFile, QWidget *parent)
    : QMainWindow(parent),
      dlgOpen(TFileDialog::TKind::Open, QString(),
              {tr("Object Files (*.fob *.fbk *.txt)"), tr("Navision Object File (*.fob)"),
               tr("Navision Backup File (*.fbk)"), tr("Text Export (*.txt)"), tr("All Files (*)")}),
      dlgCompareWith(TFileDialog::TKind::Open, tr("Compare With"), dlgOpen.Filters),
      dlgExportList(TFileDialog::TKind::Save, tr("Export List"),
                    {tr("Text (Tab Delimited) (*.txt)")}, QStringLiteral("txt"))
{
    setupUi(this);
    resize(Scaled(size()));
    // The designed place and size, kept inside the screen's available area.
    const QRect placed = FitClientRect(QRect(MainWindowPosition, size()), {}, AvailableArea(*this));
    resize(placed.size());
    move(placed.topLeft());
    const QFont font = WindowFont();
    if (font != QApplication::font()) {
        setFont(font);
        for (QMenu *menu : mmbMain->findChildren<QMenu *>())
            menu->setFont(font);
    }
    imlToolbar = ToolbarImages();
    imlListView = ListViewImages();
    dlgAbout = new TAboutBox(this, settings.ThousandSeparator);
    LicenseStatus = new TLicenseStatus(stbMain);
    stbMain->addPermanentWidget(LicenseStatus);
    SetUpList();
    SetUpCommands();
    SetUpDesktopCommands();
    FormCreate(library, settings, arguments, licenseFile);
    ShowSortOrder();
    // Another order reopens the loaded file, its dates read in that order.
    ReadDatesAs = new TReadDatesAsMenu(*mnuView, *acmMain, *FBinaryFile, [this] {
        if (const QString file = FileToRead(); !file.isEmpty())
            RunCommand([&] { OpenAskedFile(file); });
    });
    acmMain->UpdateAll();
}

TfrmMain::~TfrmMain()
{
    // FormDestroy: the rules and the list must not reach the model once it is gone.
    delete acmMain;
    acmMain = nullptr;
    FListModel->SetDataHandler({});
    FBinaryFile.reset();
}

void TfrmMain::FormCreate(const TCFrontEntryPoints &library, const TRegionalSettings &settings,
                          const QStringList &arguments, const QString &licenseFile)
{
    FBinaryFile = std::make_unique<TNavisionBinaryFile>(library, settings);
    FBinaryFile->OnObjectLoaded = [this](TNavisionBinaryFile &sender,
                                         const TNavisionObject &object) {
        ObjectLoaded(sender, object);
    };
    // The licence comes first, so that a file opened now is looked up in it.
    StartLicense = LoadStartLicense(FBinaryFile->LicenseFile(), licenseFile);
    // Named on the command line, its failure is an error like that of a file
    // named there; a remembered one that has gone is only noted.
    if (!licenseFile.isEmpty() && !StartLicense.Failure.isEmpty())
        RunCommand([&] { throw TError(StartLicense.Failure); });
    UpdateLicenseStatus();
    if (arguments.isEmpty()) {
        UpdateTitle();
        UpdateStatus();
    } else {
        show();
        QCoreApplication::processEvents();
        UpdateTitle();
        RunCommand([&] { OpenAskedFile(arguments.front()); });
    }
    setAcceptDrops(true);
}

void TfrmMain::SetUpList()
{
    FListModel = new TObjectListModel(lvwMain);
    FListModel->SetDataHandler([this](TListItem &item) { lvwMainData(item); });
    SetUpListView(
        *lvwMain, *FListModel,
        [this](const QString &text, int startIndex, bool wrap) {
            return lvwMainDataFind(text, startIndex, wrap);
        },
        [this](int column) { lvwMainColumnClick(column); });
}

void TfrmMain::SetUpCommands()
{
    acmMain = new TCommandManager(this);
    const auto add = [this](QAction *action, void (TfrmMain::*execute)(),
                            void (TfrmMain::*update)(QAction &) = nullptr) {
        acmMain->Add(action, update ? TCommandManager::TUpdateHandler(
                                          [this, update](QAction &a) { (this->*update)(a); })
                                    : TCommandManager::TUpdateHandler());
        connect(action, &QAction::triggered, this, [this, execute] {
            RunCommand([&] { (this->*execute)(); });
            acmMain->UpdateAll();
        });
    };
    add(actFileOpen, &TfrmMain::actFileOpenExecute);
    add(actFileCompareWith, &TfrmMain::actFileCompareWithExecute,
        &TfrmMain::actFileCompareWithUpdate);
    add(actFileClose, &TfrmMain::actFileCloseExecute, &TfrmMain::actFileCloseUpdate);
    add(actFileExportList, &TfrmMain::actFileExportListExecute, &TfrmMain::actFileExportListUpdate);
    add(actFileExit, &TfrmMain::actFileExitExecute);
    add(actViewHideSysObjects, &TfrmMain::actViewHideSysObjectsExecute,
        &TfrmMain::actViewHideSysObjectsUpdate);
    add(actToolsLicenseFile, &TfrmMain::actToolsLicenseFileExecute);
    add(actHelpAbout, &TfrmMain::actHelpAboutExecute);

    // The sort commands share one handler; each carries its Sort Key.
    const QList<QAction *> sortCommands = {actViewSortByType,
                                           actViewSortByID,
                                           actViewSortByName,
                                           actViewSortByDateTime,
                                           actViewSortBySize,
                                           actViewSortByVersionList,
                                           actViewSortByLicensePermissions};
    for (int key = 0; key < sortCommands.size(); ++key) {
        QAction *sort = sortCommands[key];
        sort->setData(key);
        sort->setIcon(imlToolbar.value(ToolbarImageFirstSort + key));
        acmMain->Add(sort, [this](QAction &action) { actViewSortByUpdate(action); });
        connect(sort, &QAction::triggered, this, [this, sort] {
            RunCommand([&] { actViewSortByExecute(*sort); });
            acmMain->UpdateAll();
        });
    }

    actFileOpen->setIcon(imlToolbar.value(ToolbarImageOpen));
    actFileExportList->setIcon(imlToolbar.value(ToolbarImageExportList));
    // The File menu shows Export List under a caption of its own; the entry
    // follows the command's state and runs it.
    mniFileExportList->setIcon(actFileExportList->icon());
    connect(actFileExportList, &QAction::changed, mniFileExportList,
            [this] { mniFileExportList->setEnabled(actFileExportList->isEnabled()); });
    connect(mniFileExportList, &QAction::triggered, actFileExportList, &QAction::trigger);
}

// --- Opening and showing the model -------------------------------------------

void TfrmMain::OpenFile(const QString &fileName)
{
    TBusyCursor busy;
    // The rows go before the objects they show, so the list never asks for one that is gone.
    FListModel->SetItemCount(0);
    FBinaryFile->Clear();
    UpdateListCount();
    QCoreApplication::processEvents();
    // The first entry read is shown and painted at once.
    EntriesUntilProgress = 0;
    StatusPaintClock.invalidate();
    try {
        FBinaryFile->LoadFromFile(fileName);
        FBinaryFile->SetSortKey(FBinaryFile->GetSortKey());
    } catch (...) {
        // Whatever was read before the failure stays out of the model, so no
        // later command can bring it into view.
        FBinaryFile->Clear();
        UpdateTitle();
        UpdateListCount();
        UpdateStatus();
        OfferTypesPresent();
        throw;
    }
    UpdateTitle();
    UpdateListCount();
    UpdateStatus();
    OfferTypesPresent();
    FileOpened(fileName);
    ShowReadProblems(*FBinaryFile);
}

void TfrmMain::UpdateTitle()
{
    QString title = UiStrings::ApplicationTitle();
    if (!FBinaryFile->FileName().isEmpty())
        title = UiStrings::TitleWithFile().arg(
            FileNameForDisplay(ShortPathName(FBinaryFile->FileName())), title);
    SetApplicationTitle(title);
    setWindowTitle(LiteralCaption(ApplicationTitle()));
}

void TfrmMain::UpdateListCount()
{
    FListModel->ShowFileColumn(FBinaryFile->ComesFromSeveralFiles());
    FListed.Refresh(*FBinaryFile);
    FListModel->SetItemCount(FListed.Count());
}

void TfrmMain::UpdateStatus()
{
    QString text = FListed.IsFiltering()
                       ? UiStrings::FilteredObjectCount(FListModel->ItemCount(), FListed.Total())
                       : UiStrings::ObjectCount(FListModel->ItemCount());
    if (FBinaryFile->HideSystemObjects())
        text += UiStrings::SystemObjectsHidden();
    text += DatesReadAsStatusText(*FBinaryFile);
    text += ReadProblemsStatusText(*FBinaryFile);
    stbMain->SetSimpleText(text);
}

void TfrmMain::UpdateLicenseStatus()
{
    LicenseStatus->Show(FBinaryFile->LicenseFile().ActiveLicense(), StartLicense.File,
                        StartLicense.Failure);
}

void TfrmMain::ObjectLoaded(TNavisionBinaryFile &, const TNavisionObject &object)
{
    if (--EntriesUntilProgress > 0)
        return;
    EntriesUntilProgress = ProgressEveryEntries;
    WriteKey(object, PassingKey);
    stbMain->SetPassingText(
        [this] { return DecodeText(QByteArrayView(PassingKey.constData(), PassingKey.size())); });
    if (StatusPaintClock.isValid() && StatusPaintClock.elapsed() < StatusPaintInterval)
        return;
    StatusPaintClock.start();
    stbMain->PaintNow();
}

void TfrmMain::FilesDropped(const QStringList &files)
{
    if (files.isEmpty())
        return;
    OpenAskedFile(files.front());
}

// --- The list ------------------------------------------------------------------

void TfrmMain::lvwMainData(TListItem &item)
{
    const TNavisionObject &object = FBinaryFile->GetObject(FListed.Position(item.Index));
    item.Caption = DecodeText(object.GetTypeName());
    item.ImageIndex = int(object.ObjectType()) - 1;
    item.SubItems = {QString::number(object.ID()),
                     DecodeText(object.Name()),
                     object.GetDateTimeText(FBinaryFile->Settings()),
                     object.HasSize() ? QString::number(object.Size()) : QString(),
                     DecodeText(object.VersionList()),
                     DecodeText(object.GetPermissionText())};
    if (FListModel->FileColumnShown())
        item.SubItems << FileColumnText(object);
}

int TfrmMain::lvwMainDataFind(const QString &findString, int startIndex, bool wrap)
{
    return FindKeyPrefix(
        FListModel->ItemCount(),
        [this](int row, TKeyBuffer &key, qsizetype length) {
            WriteKey(FBinaryFile->GetObject(FListed.Position(row)), key, length);
        },
        EncodeText(findString), startIndex, wrap);
}

void TfrmMain::lvwMainColumnClick(int column)
{
    if (column >= SortKeyCount)
        return; // the File column orders nothing
    SortBy(column);
}

// --- Commands ----------------------------------------------------------------

void TfrmMain::actFileOpenExecute()
{
    // It starts in the folder of the file shown, however that was opened;
    // there the file of the last Open is proposed.
    dlgOpen.StartBeside(FBinaryFile->FileName());
    if (dlgOpen.Execute(this))
        OpenAskedFile(dlgOpen.FileName);
}

// The open file is the old one; the comparison window reads both anew and
// lives beside the main window until it is closed.
void TfrmMain::actFileCompareWithExecute()
{
    // It starts in the folder of the file shown.
    dlgCompareWith.StartBeside(FBinaryFile->FileName());
    if (dlgCompareWith.Execute(this))
        CompareWith(dlgCompareWith.FileName);
}

void TfrmMain::CompareWith(const QString &fileName)
{
    auto window =
        std::make_unique<TfrmCompare>(FBinaryFile->LicenseFile(), FBinaryFile->Settings(), this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->Compare(FBinaryFile->FileName(), fileName, FBinaryFile->HideSystemObjects(),
                    FBinaryFile->DateOrderChoice());
    window.release()->show();
}

void TfrmMain::actFileCompareWithUpdate(QAction &action)
{
    action.setEnabled(!FBinaryFile->FileName().isEmpty());
}

void TfrmMain::actFileCloseExecute()
{
    FAskedFile.clear();
    FListModel->SetItemCount(0);
    FBinaryFile->Clear();
    UpdateTitle();
    UpdateListCount();
    UpdateStatus();
    OfferTypesPresent();
}

void TfrmMain::actFileCloseUpdate(QAction &action)
{
    action.setEnabled(!FBinaryFile->FileName().isEmpty());
}

void TfrmMain::actFileExportListExecute()
{
    if (!dlgExportList.Execute(this))
        return;
    // What the list shows: with a filter, only the rows it keeps.
    if (FListed.IsFiltering())
        FBinaryFile->SavePositionsToFile(dlgExportList.FileName, FListed.Positions());
    else
        FBinaryFile->SaveListToFile(dlgExportList.FileName);
    ShowStatusNote(UiStrings::ObjectsExported(
        FListed.Count(), FileNameForDisplay(QFileInfo(dlgExportList.FileName).fileName())));
}

void TfrmMain::actFileExportListUpdate(QAction &action)
{
    action.setEnabled(!FBinaryFile->FileName().isEmpty());
}

void TfrmMain::actFileExitExecute()
{
    close();
}

void TfrmMain::actViewSortByExecute(QAction &action)
{
    SortBy(action.data().toInt());
}

void TfrmMain::actViewSortByUpdate(QAction &action)
{
    action.setChecked(action.data().toInt() == FBinaryFile->GetSortKey());
}

void TfrmMain::SortBy(int key)
{
    if (key == FBinaryFile->GetSortKey()) {
        if (FBinaryFile->GetSortDirection() == 0)
            FBinaryFile->SetSortDirection(1);
        else if (FBinaryFile->GetSortDirection() == 1)
            FBinaryFile->SetSortDirection(0);
    }
    FBinaryFile->SetSortKey(key);
    ShowSortOrder();
    RelistRows();
}

void TfrmMain::actViewHideSysObjectsExecute()
{
    FBinaryFile->SetHideSystemObjects(!FBinaryFile->HideSystemObjects());
    UpdateListCount();
    UpdateStatus();
}

void TfrmMain::actViewHideSysObjectsUpdate(QAction &action)
{
    action.setChecked(FBinaryFile->HideSystemObjects());
}

void TfrmMain::actToolsLicenseFileExecute()
{
    if (!frmLicense)
        return;
    frmLicense->Changed = false;
    frmLicense->LicenseFile = &FBinaryFile->LicenseFile();
    frmLicense->exec();
    if (frmLicense->Changed) {
        // The licence the user chose is the one the next start begins with.
        RememberLicenseFile(frmLicense->LastLoadedFile);
        StartLicense = {};
    }
    UpdateLicenseStatus();
    if (frmLicense->Changed) {
        FBinaryFile->RefreshPermissions();
        RelistRows();
        for (TfrmCompare *comparison : findChildren<TfrmCompare *>())
            comparison->RefreshPermissions();
    }
}

void TfrmMain::actHelpAboutExecute()
{
    dlgAbout->Execute();
}

// --- Dropped files -------------------------------------------------------------

void TfrmMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (!LocalFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TfrmMain::dropEvent(QDropEvent *event)
{
    const QStringList files = LocalFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    // Opened once the drop is over, so the program the files came from
    // isn't kept waiting while the index is read.
    QTimer::singleShot(0, this, [this, files] { RunCommand([&] { FilesDropped(files); }); });
}
