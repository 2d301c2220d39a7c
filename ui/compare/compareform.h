// The comparison window: what a second object file adds, removes and
// changes against the first. A window of its own beside the main window;
// it reads both files into models of its own, so the main window stays
// free to open, close and sort while it is shown.
#pragma once

#include "core/compare/compare.h"
#include "ui/common/filedialog.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class TComparisonModel;
class TObjectListView;
class TSimpleStatusBar;

class TfrmCompare : public QMainWindow {
    Q_OBJECT

public:
    // Both files are looked up in the given licence reader, which must
    // outlive the window, and read with the given regional settings.
    TfrmCompare(TNavisionLicenseFile &licenseFile, const TRegionalSettings &settings,
                QWidget *parent = nullptr);
    ~TfrmCompare() override;

    // Reads both files and shows what the new one adds, removes and changes.
    // With hideSystemObjects, system objects are left out of both; the dates
    // of both are read as the date order choice says. Throws
    // TError when a file can't be read; the window then shows nothing.
    void Compare(const QString &oldFileName, const QString &newFileName, bool hideSystemObjects,
                 TDateOrderChoice dateOrder = TDateOrderChoice::Automatic);

    const TObjectComparison *Comparison() const { return FComparison.get(); }
    TComparisonModel &Model() const { return *FModel; }

    void UpdateStatus();
    // Looks the permissions of both files' objects up again, after another
    // licence was loaded.
    void RefreshPermissions();
    // Find-by-typing: the first row from the start row whose key text
    // ("Type ID Name" of the new object, or of the old one when removed)
    // begins with the typed text.
    int lvwCompareDataFind(const QString &findString, int startIndex, bool wrap);
    void lvwCompareColumnClick(int column);

    void actFileExportExecute();
    void actFileCloseExecute();
    void actViewShowUnchangedExecute();
    // The current row's texts: side by side for an object in both files,
    // the one text for an added or removed one.
    void actViewDifferencesExecute();
    void actViewDifferencesUpdate();
    // Enter or a double-click on a row: its texts, or why there are none.
    void lvwCompareActivated();
    static QString NoTextReason();

    QLabel *lblOldFile;
    QLabel *lblNewFile;
    QCheckBox *chkShowUnchanged;
    TObjectListView *lvwCompare;
    TSimpleStatusBar *stbCompare;
    QAction *actFileExport;
    QAction *actFileClose;
    QAction *actViewShowUnchanged;
    QAction *actViewDifferences;
    QMenu *mnuView;
    TFileDialog dlgExport;

private:
    void SetUpWindow();
    void SetUpCommands();
    void ShowSortMark();
    void SetUpDifferences();
    // The current row's difference, or none.
    const TObjectDifference *CurrentDifference() const;
    // Whether the difference has text to show: on both sides, or on the
    // one side of an added or removed object.
    bool HasText(const TObjectDifference &difference) const;

    TNavisionLicenseFile &FLicenseFile;
    TRegionalSettings FSettings;
    std::unique_ptr<TNavisionBinaryFile> FOldFile;
    std::unique_ptr<TNavisionBinaryFile> FNewFile;
    std::unique_ptr<TObjectComparison> FComparison;
    TComparisonModel *FModel;
};
