// The licence window: shows the active licence's information lines and lets
// the user make another licence file the active one. The main window reads
// Changed afterwards and has the permissions looked up again.
#pragma once

#include "ui/common/filedialog.h"
#include "ui_licform.h"

#include <QDialog>

class TCommandManager;
class TNavisionLicenseFile;

class TfrmLicense : public QDialog, public Ui::TfrmLicense {
    Q_OBJECT

public:
    explicit TfrmLicense(QWidget *parent = nullptr);

    // Fills the text box with the information lines of LicenseFile.
    virtual void RefreshInformation();
    void actChangeExecute();
    void actCloseExecute();

    TCommandManager *acmMain;
    TFileDialog dlgLoadLicense;
    // Set by the main window before every showing; not owned.
    TNavisionLicenseFile *LicenseFile = nullptr;
    // Whether a licence file was loaded during this showing.
    bool Changed = false;
    // The file loaded last, as the user chose it.
    QString LastLoadedFile;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ShowActiveFile();
    void LinkButton(QPushButton *button, QAction *action, void (TfrmLicense::*execute)());
    void FitToScreen();

    QRect DesignedGeometry; // place and size of the design, scaled to the font
};

// The program's one licence window, created at start right after the main
// window and shown by its Tools command.
extern TfrmLicense *frmLicense;
