#include "ui/license/licform.h"

#include "core/model/licensefile.h"
#include "core/reading/codepage.h"
#include "ui/common/commandmanager.h"
#include "ui/common/errorbox.h"
#include "ui/common/fonts.h"
#include "ui/common/screenfit.h"
#include "ui/license/licensestatus.h"
#include "ui/mainwindow/windowmemory.h"

#include <QApplication>
#include <QScopeGuard>
#include <QScreen>
#include <QShowEvent>

TfrmLicense *frmLicense = nullptr;

namespace {

// Where the window opens where the screen has room for it (see FitToScreen).
constexpr QPoint LicenseWindowPosition(320, 400);

} // namespace

TfrmLicense::TfrmLicense(QWidget *parent)
    : QDialog(parent), dlgLoadLicense(TFileDialog::TKind::Open, tr("Load License File"),
                                      {tr("Navision License Files (*.flf)"), tr("All Files (*)")})
{
    setupUi(this);
    TWindowMemory::RememberFolder(dlgLoadLicense, QStringLiteral("licence"));
    // A dialog frame the user can't resize, with only a close button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    for (QWidget *child : {static_cast<QWidget *>(cmdChange), static_cast<QWidget *>(cmdClose),
                           static_cast<QWidget *>(memMain), static_cast<QWidget *>(lblFileName)})
        child->setGeometry(Scaled(child->geometry()));
    setFixedSize(Scaled(size()));
    // Designer writes no position for a window of its own: it is placed here.
    move(LicenseWindowPosition);
    DesignedGeometry = geometry();

    const QFont buttonFont = WindowFont();
    if (buttonFont != QApplication::font()) {
        cmdChange->setFont(buttonFont);
        cmdClose->setFont(buttonFont);
    }
    memMain->setFont(LicenseTextFont());
    if (buttonFont != QApplication::font())
        lblFileName->setFont(buttonFont);

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

// The designed size where the screen has room for it; on a smaller screen
// the text box gives up what is missing and the buttons keep their place at
// the bottom right. At the designed place where it fits there, else centred
// over the main window.
void TfrmLicense::FitToScreen()
{
    const QRect available = AvailableArea(*this).marginsRemoved(FrameMargins(*this));
    if (available.isEmpty())
        return;
    const QSize designed = DesignedGeometry.size();
    const QSize fitted = designed.boundedTo(available.size());
    const QSize shrink = designed - fitted;
    const QSize previousShrink = designed - size();
    const QPoint shift(shrink.width() - previousShrink.width(),
                       shrink.height() - previousShrink.height());
    if (!shift.isNull()) {
        for (QWidget *button :
             {static_cast<QWidget *>(cmdChange), static_cast<QWidget *>(cmdClose)})
            button->move(button->pos() - shift);
        memMain->resize(memMain->size() - QSize(shift.x(), shift.y()));
        lblFileName->resize(lblFileName->width() - shift.x(), lblFileName->height());
        setFixedSize(fitted);
    }
    QRect client(DesignedGeometry.topLeft(), fitted);
    if (!IsOnScreen(*this, client)) {
        const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
        client.moveCenter(owner ? owner->frameGeometry().center() : available.center());
    }
    move(client.topLeft());
    KeepOnScreen(*this);
}

void TfrmLicense::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FitToScreen();
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
    ShowActiveFile();
    if (!LicenseFile)
        return;
    QStringList lines;
    for (int i = 0; i < LicenseFile->GetInfoLineCount(); ++i)
        lines << DecodeText(LicenseFile->GetInfoLine(i));
    memMain->setPlainText(lines.join(u'\n'));
}

// The full path of the active licence's file above its information; a path
// too long for the line is cut in the middle and shown whole as a tip.
void TfrmLicense::ShowActiveFile()
{
    const QString caption =
        LicenseFile ? TLicenseStatus::FileCaption(LicenseFile->ActiveLicense()) : QString();
    lblFileName->setText(
        lblFileName->fontMetrics().elidedText(caption, Qt::ElideMiddle, lblFileName->width()));
    lblFileName->setToolTip(caption);
    // Read out with the licence's information, the file it comes from.
    memMain->setAccessibleDescription(caption);
}

void TfrmLicense::actChangeExecute()
{
    if (!dlgLoadLicense.Execute(this))
        return;
    LicenseFile->ChangeLicenseFile(dlgLoadLicense.FileName);
    LastLoadedFile = dlgLoadLicense.FileName;
    RefreshInformation();
    Changed = true;
}

void TfrmLicense::actCloseExecute()
{
    reject();
}
