// Answers what the active licence grants for one object and holds the
// licence's information lines, all through the database access library.
#pragma once

#include "core/cfront/cfront.h"
#include "core/model/navisionobject.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Which licence the library has active, as far as it tells.
struct TActiveLicense {
    enum class TState {
        Unknown,         // the library doesn't tell
        None,            // no licence is active
        Loaded,          // a licence file
        InformationOnly, // a file written by the ERP: its text, no permissions
        Broken,          // the licence read at start can't be used: it grants nothing
    };
    TState State = TState::Unknown;
    QString FileName; // full path; empty when none or unknown
    QString Problem;  // why it is Broken
};

class TNavisionLicenseFile {
public:
    // Starts the library, opens the permission and information tables and
    // reads the information lines. The table of entry points must outlive it.
    explicit TNavisionLicenseFile(const TCFrontEntryPoints &library);
    virtual ~TNavisionLicenseFile();
    TNavisionLicenseFile(const TNavisionLicenseFile &) = delete;
    TNavisionLicenseFile &operator=(const TNavisionLicenseFile &) = delete;

    virtual int GetInfoLineCount() const;
    // Replaces the information lines with those of the active licence.
    virtual void ReadInformation();
    // Makes the named file the active licence, then reads its information.
    // Throws TError with the cause when the library can't load the file; the
    // active licence and its information lines then stay as they were.
    virtual void ChangeLicenseFile(const QString &fileName);

    TActiveLicense ActiveLicense() const;

    // One information line, as the bytes the library gave (code page 850).
    QByteArray GetInfoLine(int index) const;
    // pfNoRecord when the licence has no record for the object.
    TPermissionFlags GetPermissions(int32_t objectType, int32_t id);

private:
    void SetKeyField(int32_t field, int32_t value);
    int32_t ReadIntegerField(int32_t field);
    QByteArray StatusText(int32_t item) const;

    const TCFrontEntryPoints &Library;
    QList<QByteArray> InfoLines;
    CFHandle PermissionTable = 0;
    CFHandle InformationTable = 0;
    CFHandle PermissionRecord = 0;
    CFHandle InformationRecord = 0;
};
