// Builds index entries the way the ERP lays them out: two lines of 79 and
// 78 characters, each ended by CR LF.
#pragma once

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

// Right-aligns (or left-aligns) text in a field of the given width. Text
// longer than its field is refused rather than cut: a test means the bytes
// it writes.
inline QByteArray Field(const QByteArray &text, int width, bool rightAligned)
{
    if (text.size() > width)
        qFatal("\"%s\" is longer than its field of %d bytes", text.constData(), width);
    return rightAligned ? text.rightJustified(width, ' ') : text.leftJustified(width, ' ');
}

inline QByteArray Entry(const TEntryFields &f)
{
    QByteArray entry = Field(f.Tag, 10, false) + Field(f.ID, 10, true) + ' ' +
                       Field(f.Name, 30, false) + Field(f.Date, 12, true) + ' ' +
                       Field(f.Time, 14, true) + " \r\n";
    entry += Field(f.Size, 20, true) + ' ' + Field(f.VersionList, 57, false) + "\r\n";
    return entry;
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
    return Field("TableData", 10, false) + Field("18", 10, true) + Field("", 86, false) + "\r\n";
}
