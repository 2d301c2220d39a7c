#include "ui/license/licensestatus.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>

TLicenseStatus::TLicenseStatus(QWidget *parent)
    : QWidget(parent), lblIcon(new QLabel(this)), lblText(new QLabel(this))
{
    setObjectName(QStringLiteral("LicenceStatus"));
    lblIcon->setObjectName(QStringLiteral("lblLicenceIcon"));
    lblText->setObjectName(QStringLiteral("lblLicenceText"));
    lblText->setTextFormat(Qt::PlainText);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setSpacing(4);
    layout->addWidget(lblIcon);
    layout->addWidget(lblText);
    const int side = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    lblIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(side, side));
    lblIcon->hide();
}

void TLicenseStatus::Show(const TActiveLicense &active, const QString &failedFile,
                          const QString &failure)
{
    const QString name = QFileInfo(active.FileName).fileName();
    QString text, tip;
    Warning = false;
    switch (active.State) {
    case TActiveLicense::TState::None:
        text = tr("No licence");
        tip = tr("No licence is active: no object is granted any permission. "
                 "Load one with Tools, License File...");
        break;
    case TActiveLicense::TState::Loaded:
        text = tr("Licence: %1").arg(name);
        tip = active.FileName;
        break;
    case TActiveLicense::TState::InformationOnly:
        text = tr("Licence: %1 (information only)").arg(name);
        tip = tr("%1\nWritten by the ERP: its text is shown, its permissions can't be read here, "
                 "so no object is granted any.")
                  .arg(active.FileName);
        break;
    case TActiveLicense::TState::Broken:
        text = tr("Licence %1 can't be used").arg(name.isEmpty() ? tr("file") : name);
        tip = active.FileName.isEmpty()
                  ? active.Problem
                  : tr("Cannot load licence file \"%1\". %2").arg(active.FileName, active.Problem);
        Warning = true;
        break;
    case TActiveLicense::TState::Unknown:
        text = tr("Licence not reported");
        tip = tr("The database access library doesn't tell which licence is active.");
        break;
    }
    if (!failure.isEmpty()) {
        text += tr(" (%1 not loaded)").arg(QFileInfo(failedFile).fileName());
        tip = failure + u'\n' + tip;
        Warning = true;
    }
    lblText->setText(text);
    setToolTip(tip);
    lblIcon->setVisible(Warning);
}

QString TLicenseStatus::Text() const
{
    return lblText->text();
}

QString TLicenseStatus::ToolTip() const
{
    return toolTip();
}

bool TLicenseStatus::IsWarning() const
{
    return Warning;
}

QString TLicenseStatus::FileCaption(const TActiveLicense &active)
{
    switch (active.State) {
    case TActiveLicense::TState::None:
        return tr("No licence file is active.");
    case TActiveLicense::TState::Unknown:
        return tr("The database access library doesn't tell which licence file is active.");
    case TActiveLicense::TState::InformationOnly:
        return tr("%1 (information only)").arg(active.FileName);
    case TActiveLicense::TState::Broken:
        return tr("%1 (can't be used)").arg(active.FileName);
    case TActiveLicense::TState::Loaded:
        break;
    }
    return active.FileName;
}
