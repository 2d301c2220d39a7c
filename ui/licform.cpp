#include "licform.h"

#include "codepage.h"
#include "commandmanager.h"
#include "errorbox.h"
#include "fonts.h"
#include "licencestatus.h"
#include "licensefile.h"

#include <QApplication>
#include <QScopeGuard>
#include <QScreen>
#include <QShowEvent>

TfrmLicense *frmLicense = nullptr;

namespace {

// Where the window opens: the designed place, moved up and left as far as
// needed to keep the whole window on a smaller screen.
constexpr QPoint LicenseWindowPosition(320, 400);

QPoint KeptOnScreen(const QPoint &designed, const QSize &size)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return designed;
    const QRect available = screen->availableGeometry();
    return {
        std::max(available.left(), std::min(designed.x(), available.right() + 1 - size.width())),
        std::max(available.top(), std::min(designed.y(), available.bottom() + 1 - size.height()))};
}

} // namespace

TfrmLicense::TfrmLicense(QWidget *parent)
    : QDialog(parent), dlgLoadLicense(TFileDialog::TKind::Open, QStringLiteral("Load License File"),
                                      {QStringLiteral("Navision License Files (*.flf)"),
                                       QStringLiteral("All Files (*)")})
{
    setupUi(this);
    // A dialog frame the user can't resize, with only a close button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    for (QWidget *child : {static_cast<QWidget *>(cmdChange), static_cast<QWidget *>(cmdClose),
                           static_cast<QWidget *>(memMain), static_cast<QWidget *>(lblFileName)})
        child->setGeometry(Scaled(child->geometry()));
    setFixedSize(Scaled(size()));
    // Designer writes no position for a window of its own: it is placed here.
    move(KeptOnScreen(LicenseWindowPosition, size()));

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
        LicenseFile ? TLicenceStatus::FileCaption(LicenseFile->ActiveLicence()) : QString();
    lblFileName->setText(
        lblFileName->fontMetrics().elidedText(caption, Qt::ElideMiddle, lblFileName->width()));
    lblFileName->setToolTip(caption);
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
