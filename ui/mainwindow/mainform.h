// The main window: owns the object file model for the whole run and starts
// every user command: open (command line, menu, dropped file), close,
// export, sort, hide system objects, the licence window and the About box.
#pragma once

#include "core/filter/objectfilter.h"
#include "core/model/binaryfile.h"
#include "ui/common/filedialog.h"
#include "ui/license/rememberedlicense.h"
#include "ui/objectlist/objectlistmodel.h"
#include "ui_mainform.h"

#include <QElapsedTimer>
#include <QIcon>
#include <QList>
#include <QMainWindow>

#include <memory>

class TAboutBox;
class TCommandManager;
class TFilterBar;
class TRecentFiles;
class TLicenseStatus;
class TReadDatesAsMenu;

class TfrmMain : public QMainWindow, public Ui::TfrmMain {
    Q_OBJECT

public:
    // The entry points must outlive the window. With arguments, the window
    // shows itself and opens the first of them; the rest are ignored. The
    // licence is the licence file to start with (else the one loaded last).
    TfrmMain(const TCFrontEntryPoints &library, const TRegionalSettings &settings,
             const QStringList &arguments, QWidget *parent = nullptr);
    TfrmMain(const TCFrontEntryPoints &library, const TRegionalSettings &settings,
             const QStringList &arguments, const QString &licenseFile, QWidget *parent = nullptr);
    ~TfrmMain() override;

    TNavisionBinaryFile &BinaryFile() const { return *FBinaryFile; }
    TObjectListModel &ListModel() const { return *FListModel; }
    // The rows the list shows: the visible list, or what the filter keeps of it.
    const TListedObjects &Listed() const { return FListed; }

    void OpenFile(const QString &fileName);
    // OpenFile for a file the user asked for (command line, Open, a drop,
    // Recent Files, Reload, Read Dates As): after a failure the file shown
    // before is read again, and the error names the date order tried.
    void OpenAskedFile(const QString &fileName);
    // The file Reload and Read Dates As read: the one shown, else the one
    // whose reading failed last; empty after Close.
    QString FileToRead() const;
    void UpdateTitle();
    void UpdateListCount();
    void UpdateStatus();
    // Called for every entry read; the status bar shows the key of the first
    // entry and then of every ProgressEveryEntries-th, so that reading a
    // million entries pays for a few hundred texts, not a million.
    void ObjectLoaded(TNavisionBinaryFile &sender, const TNavisionObject &object);
    static constexpr int ProgressEveryEntries = 4096;
    void FilesDropped(const QStringList &files);
    // The status bar's licence section, from the licence active now.
    void UpdateLicenseStatus();

    // The list's handlers.
    void lvwMainData(TListItem &item);
    int lvwMainDataFind(const QString &findString, int startIndex, bool wrap);
    void lvwMainColumnClick(int column);

    // The commands.
    void actFileOpenExecute();
    void actFileCompareWithExecute();
    void actFileCompareWithUpdate(QAction &action);
    void actFileCloseExecute();
    void actFileCloseUpdate(QAction &action);
    void actFileExportListExecute();
    void actFileExportListUpdate(QAction &action);
    void actFileExitExecute();
    void actViewSortByExecute(QAction &action);
    void actViewSortByUpdate(QAction &action);
    void actViewHideSysObjectsExecute();
    void actViewHideSysObjectsUpdate(QAction &action);
    void actToolsLicenseFileExecute();
    void actHelpAboutExecute();
    // Additions: the filter bar, copying rows, reading the file again.
    void actViewFilterExecute();
    void actEditCopyExecute();
    void actEditCopyUpdate(QAction &action);
    void actFileReloadExecute();
    // Folders of text exports.
    void actFileOpenFolderExecute();
    void actFileCompareWithFolderExecute();
    // An object's text.
    void actObjectViewTextExecute();
    void actObjectViewTextUpdate(QAction &action);
    // Enter or a double-click on a row: the object's text, or why there is none.
    void lvwMainActivated();
    // The object of the list's current row, or none.
    const TNavisionObject *CurrentObject() const;
    static QString NoObjectTextReason();
    // The filter bar's filter over the list; listChanged: the model's list
    // was sorted, reloaded or its rights changed since the rows were taken.
    void ApplyFilter(bool listChanged = false);

    TCommandManager *acmMain;
    QList<QIcon> imlToolbar;
    QList<QIcon> imlListView;
    TFileDialog dlgOpen;
    TFileDialog dlgCompareWith;
    TFileDialog dlgExportList;
    TFileDialog dlgOpenFolder{TFileDialog::TKind::Folder, QString(), QStringList()};
    TFileDialog dlgCompareWithFolder{TFileDialog::TKind::Folder, QString(), QStringList()};
    TAboutBox *dlgAbout;
    TFilterBar *barFilter;
    QAction *actViewFilter;
    QAction *actEditCopy;
    QAction *actEditSelectAll;
    QAction *actFileReload;
    QAction *actFileOpenFolder;
    QAction *actFileCompareWithFolder;
    QMenu *mnuFileRecent;
    QMenu *mnuObject;
    QAction *actObjectViewText;
    TLicenseStatus *LicenseStatus;
    TReadDatesAsMenu *ReadDatesAs; // the View menu's Read Dates As

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void FormCreate(const TCFrontEntryPoints &library, const TRegionalSettings &settings,
                    const QStringList &arguments, const QString &licenseFile);
    void SetUpCommands();
    void SetUpList();
    void SortBy(int key);
    void SetUpDesktopCommands();
    // A command of the window with its name, text and keys, run as a command.
    QAction *AddCommand(const char *name, const QString &text, const QKeySequence &keys,
                        void (TfrmMain::*execute)());
    void SetUpFilter();
    // The filter bar's type list after the model's objects changed.
    void OfferTypesPresent();
    void SetUpReload();
    void SetUpRecentFiles();
    void SetUpCopy();
    void SetUpFolders();
    void SetUpObjectText();
    // The File column's text: the object's file within the folder read.
    QString FileColumnText(const TNavisionObject &object) const;

    // Opens the comparison window: the open file or folder against the given one.
    void CompareWith(const QString &fileName);
    // After the model's list changed its order or its objects' rights: the
    // filtered rows afresh, or a repaint where nothing is filtered.
    void RelistRows();
    void ShowSortOrder();
    // Every successful open goes to the front of the recent files.
    void FileOpened(const QString &fileName);
    void RestoreFile(const QString &had, const QString &failed);
    // A note in the status bar in place of the count, until the next change.
    void ShowStatusNote(const QString &note);

    std::unique_ptr<TNavisionBinaryFile> FBinaryFile;
    TObjectListModel *FListModel;
    TListedObjects FListed;
    TRecentFiles *FRecentFiles = nullptr;
    QString FAskedFile; // full path of the file asked for last
    QElapsedTimer StatusPaintClock;
    int EntriesUntilProgress = 0; // the next entry read is shown when this reaches 0
    TKeyBuffer PassingKey;        // the key of the entry shown last, for the status bar
    TStartLicense StartLicense;   // the licence file the start tried, and why it failed
};
