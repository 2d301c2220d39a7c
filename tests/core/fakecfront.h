// A recording stand-in for the database access library: it answers from
// records the test sets up and logs every call, so tests can check both the
// answers and the order of the calls.
#pragma once

#include "core/cfront/cfront.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QStringList>

struct TFakeRights {
    int32_t Values[5] = {0, 0, 0, 0, 0}; // fields 10 to 14
};

class TFakeCFront {
public:
    TFakeCFront();
    ~TFakeCFront();

    // The table of entry points that leads to this fake; with the licence
    // report, ordinal 89 answers 0 for a file not in Licences.
    const TCFrontEntryPoints &EntryPoints() const;
    const TCFrontEntryPoints &EntryPointsWithReport();

    void SetRights(int32_t objectType, int32_t id, TFakeRights rights);
    void SetInfoLines(const QList<QByteArray> &lines); // each given to a 251-byte buffer as it is
    QStringList Calls;                                 // "3", "12 2000000043", ...
    int PermissionLookups = 0;

    QMap<QString, QList<QByteArray>> Licences; // licence files known to ordinal 89, by name
    QByteArray LastError = "No such licence";  // the report's cause of a refused file
    int32_t State = CF_LICENCE_NONE;
    QByteArray ActiveFile;
    bool Reporting = false;

    // Internal state used by the entry points.
    QMap<QPair<int32_t, int32_t>, TFakeRights> Rights;
    QList<QByteArray> InfoLines;
    int32_t KeyType = 0, KeyId = 0;
    TFakeRights Found;
    int InfoPosition = -1;
};
