// Answers what the active licence grants for one object and holds the
// licence's information lines, all through the database access library.
#pragma once

#include "cfront.h"
#include "navisionobject.h"

#include <QByteArray>
#include <QList>
#include <QString>

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
    virtual void ChangeLicenseFile(const QString &fileName);

    // One information line, as the bytes the library gave (code page 850).
    QByteArray GetInfoLine(int index) const;
    // pfNoRecord when the licence has no record for the object.
    TPermissionFlags GetPermissions(int32_t objectType, int32_t id);

private:
    void SetKeyField(int32_t field, int32_t value);
    int32_t ReadIntegerField(int32_t field);

    const TCFrontEntryPoints &Library;
    QList<QByteArray> InfoLines;
    CFHandle PermissionTable = 0;
    CFHandle InformationTable = 0;
    CFHandle PermissionRecord = 0;
    CFHandle InformationRecord = 0;
};
