// The About box: builds its dialog in code on every Execute, from the
// executable's version information and the system's memory status.
#pragma once

#include "ui/about/memorystatus.h"
#include "ui/about/versioninfo.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class QDialog;

class TAboutBox : public QObject {
    Q_OBJECT

public:
    using TVersionSource = std::function<std::optional<TVersionInfo>()>;
    using TMemorySource = std::function<TMemoryStatus()>;

    // The separator groups the thousands of the memory total.
    TAboutBox(QObject *parent, QString thousandSeparator);

    // Shows a new dialog modally; always true once it has closed.
    virtual bool Execute();
    // The dialog as Execute shows it, with every element in place.
    std::unique_ptr<QDialog> BuildDialog() const;

    // Where the texts come from; tests put their own in place.
    TVersionSource VersionSource = ExecutableVersionInfo;
    TMemorySource MemorySource = ReadMemoryStatus;

private:
    QString ThousandSeparator;
};
