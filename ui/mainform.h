// The main window: owns the object file model for the whole run and starts
// every user command: open (command line, menu, dropped file), close,
// export, sort, hide system objects, the licence window and the About box.
#pragma once

#include "binaryfile.h"
#include "filedialog.h"
#include "objectlistmodel.h"
#include "rememberedlicence.h"
#include "ui_mainform.h"

#include <QElapsedTimer>
#include <QIcon>
#include <QList>
#include <QMainWindow>

#include <memory>

class TAboutBox;
class TCommandManager;
class TLicenceStatus;
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
             const QStringList &arguments, const QString &licenceFile, QWidget *parent = nullptr);
    ~TfrmMain() override;

    TNavisionBinaryFile &BinaryFile() const { return *FBinaryFile; }
    TObjectListModel &ListModel() const { return *FListModel; }

    void OpenFile(const QString &fileName);
    void UpdateTitle();
    void UpdateListCount();
    void UpdateStatus();
    void ObjectLoaded(TNavisionBinaryFile &sender, const TNavisionObject &object);
    void FilesDropped(const QStringList &files);
    // The status bar's licence section, from the licence active now.
    void UpdateLicenceStatus();

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

    TCommandManager *acmMain;
    QList<QIcon> imlToolbar;
    QList<QIcon> imlListView;
    TFileDialog dlgOpen;
    TFileDialog dlgCompareWith;
    TFileDialog dlgExportList;
    TAboutBox *dlgAbout;
    TLicenceStatus *LicenceStatus;
    TReadDatesAsMenu *ReadDatesAs; // the View menu's Read Dates As

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void FormCreate(const TCFrontEntryPoints &library, const TRegionalSettings &settings,
                    const QStringList &arguments, const QString &licenceFile);
    void SetUpCommands();
    void SetUpList();
    void SortBy(int key);
    void ShowStatusNow();

    std::unique_ptr<TNavisionBinaryFile> FBinaryFile;
    TObjectListModel *FListModel;
    QElapsedTimer StatusPaintClock;
    TKeyBuffer PassingKey;      // the key of the object read last, for the status bar
    TStartLicence StartLicence; // the licence file the start tried, and why it failed
};
