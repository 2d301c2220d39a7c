// Index entries for tests: fields given as the texts to write, with the
// defaults most tests need.
#pragma once

#include "fobentry.h"

#include <QByteArray>
#include <QtGlobal>

struct TEntryFields {
    QByteArray Tag = "Table     ";
    QByteArray ID = "1";
    QByteArray Name = "Demo";
    QByteArray Date = "01-02-03";
    QByteArray Time = "10:15:30";
    QByteArray Size = "1234";
    QByteArray VersionList = "";
};

// The entry of these texts, laid out by the samples' own entry builder,
// which refuses a text longer than its columns rather than cut it: a test
// means the bytes it writes.
inline QByteArray Entry(const TEntryFields &f)
{
    return LayOutEntryTexts({f.Tag, f.ID, f.Name, f.Date, f.Time, f.Size, f.VersionList});
}

inline QByteArray Entry(const QByteArray &tag, const QByteArray &id, const QByteArray &name)
{
    TEntryFields fields;
    fields.Tag = tag;
    fields.ID = id;
    fields.Name = name;
    return Entry(fields);
}

// A table-data entry of 108 bytes.
inline QByteArray TableDataEntry()
{
    return LayOutTableDataEntry(18, 0, 0);
}
