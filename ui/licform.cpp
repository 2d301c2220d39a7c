#include "licform.h"

#include "codepage.h"
#include "commandmanager.h"
#include "errorbox.h"
#include "fonts.h"
#include "licensefile.h"
#include "windowmemory.h"

#include <QApplication>
#include <QScopeGuard>
#include <QShowEvent>

TfrmLicense *frmLicense = nullptr;

TfrmLicense::TfrmLicense(QWidget *parent)
    : QDialog(parent), dlgLoadLicense(TFileDialog::TKind::Open, QStringLiteral("Load License File"),
                                      {QStringLiteral("Navision License Files (*.flf)"),
                                       QStringLiteral("All Files (*)")})
{
    setupUi(this);
    TWindowMemory::RememberFolder(dlgLoadLicense, QStringLiteral("licence"));
    // A dialog frame the user can't resize, with only a close button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    for (QWidget *child : {static_cast<QWidget *>(cmdChange), static_cast<QWidget *>(cmdClose),
                           static_cast<QWidget *>(memMain)})
        child->setGeometry(Scaled(child->geometry()));
    setFixedSize(Scaled(size()));
    move(geometry().topLeft());

    const QFont buttonFont = WindowFont();
    if (buttonFont != QApplication::font()) {
        cmdChange->setFont(buttonFont);
        cmdClose->setFont(buttonFont);
    }
    memMain->setFont(LicenseTextFont());

    acmMain = new TCommandManager(this);
    acmMain->Add(actChange);
    acmMain->Add(actClose);
    LinkButton(cmdChange, actChange, &TfrmLicense::actChangeExecute);
    LinkButton(cmdClose, actClose, &TfrmLicense::actCloseExecute);
}

// The button takes the command's caption and runs it.
void TfrmLicense::LinkButton(QPushButton *button, QAction *action, void (TfrmLicense::*execute)())
{
    button->setText(action->text());
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::triggered, this,
            [this, execute] { RunCommand([&] { (this->*execute)(); }); });
}

void TfrmLicense::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // FormShow: every showing starts from the licence active now. A window
    // restored by the desktop is no new showing.
    if (event->spontaneous())
        return;
    RunCommand([this] { RefreshInformation(); });
    cmdChange->setFocus();
}

void TfrmLicense::RefreshInformation()
{
    memMain->setUpdatesEnabled(false);
    const auto repaintOnce = qScopeGuard([this] { memMain->setUpdatesEnabled(true); });
    memMain->clear();
    if (!LicenseFile)
        return;
    QStringList lines;
    for (int i = 0; i < LicenseFile->GetInfoLineCount(); ++i)
        lines << DecodeText(LicenseFile->GetInfoLine(i));
    memMain->setPlainText(lines.join(u'\n'));
}

void TfrmLicense::actChangeExecute()
{
    if (!dlgLoadLicense.Execute(this))
        return;
    LicenseFile->ChangeLicenseFile(dlgLoadLicense.FileName);
    RefreshInformation();
    Changed = true;
}

void TfrmLicense::actCloseExecute()
{
    reject();
}
