// The status bar's permanent section at its right that names the active
// licence, so that nobody reads an empty permission column without knowing
// which licence (if any) it comes from.
#pragma once

#include "core/model/licensefile.h"

#include <QWidget>

class QLabel;

class TLicenseStatus : public QWidget {
    Q_OBJECT

public:
    explicit TLicenseStatus(QWidget *parent = nullptr);

    // Shows the active licence; a licence file that a start could not load
    // (named on the command line or remembered from the last run) is added
    // as a warning, with the failure in the tip, until the next Show
    // without one.
    void Show(const TActiveLicense &active, const QString &failedFile = QString(),
              const QString &failure = QString());

    QString Text() const;
    QString ToolTip() const;
    bool IsWarning() const;

    // The active licence's file for the licence window: its full path, or
    // what stands in for it.
    static QString FileCaption(const TActiveLicense &active);

private:
    QLabel *lblIcon;
    QLabel *lblText;
    bool Warning = false;
};
