// Lays out the entries of an object file's index (.fob) byte for byte, as the
// ERP writes them. Every field is checked to fit its columns and to read back
// as written; anything else is refused with std::invalid_argument.
#pragma once

#include <QByteArray>
#include <QByteArrayList>

#include <cstdint>

// The fields of one object entry, as 8-bit text (names in code page 850).
struct TObjectEntryFields {
    QByteArray TypeName; // "Table", "Form", ... or the tag of a type readers don't know ("Page")
    int32_t ID = 0;
    QByteArray Name;
    QByteArray Date; // as the ERP wrote it, e.g. "05-03-09"; empty for none
    QByteArray Time; // e.g. "14:22:31", "14.22.31" or "12:00:00 PM"; empty for none
    int32_t Size = 0;
    QByteArray VersionList; // e.g. "NAVW16.00.01,NAVNO6.00.01"; may be empty
};

// The columns of an object entry as texts, each written as it stands: what
// tests need to lay out fields that no reader accepts (an ID that is no
// number, a date in another order). Each text must fit its columns: a
// longer one is refused, never cut.
struct TObjectEntryTexts {
    QByteArray Tag;
    QByteArray ID;
    QByteArray Name;
    QByteArray Date;
    QByteArray Time;
    QByteArray Size;
    QByteArray VersionList;
};

inline constexpr int ObjectEntrySize = 161;
inline constexpr int TableDataEntrySize = 108;
// The byte that follows the last entry of the index.
inline constexpr char IndexEndByte = 0x1A;

// The 161 bytes of an object entry, two lines ended by CR LF (columns from 1):
//   first line, 79 characters: tag 1-10 (left-aligned), ID 11-20, blank,
//     name 22-51 (left-aligned), date 52-63, blank, time 65-78, blank;
//   second line, 78 characters: size 82-101, blank, version list 103-159
//     (left-aligned).
// ID, date, time and size are right-aligned in their columns.
QByteArray LayOutObjectEntry(const TObjectEntryFields &fields);
// The same columns filled with the texts as given, checked only to fit.
QByteArray LayOutEntryTexts(const TObjectEntryTexts &texts);

// The 108 bytes of a table-data entry: "TableData ", the table number (11-20),
// blank, the record count (22-41), blank, the data size (43-62), blanks up to
// column 106, CR LF. The numbers are right-aligned; readers skip the entry.
QByteArray LayOutTableDataEntry(int32_t tableID, int32_t recordCount, int32_t dataSize);

// One object as the ERP exports it as text: its OBJECT line, the property
// lines given inside OBJECT-PROPERTIES, then a short body of code holding a
// line "Date=FIELD(...)" that is no property; each line ended by eol.
QByteArray LayOutObjectText(const QByteArray &objectLine, const QByteArrayList &properties,
                            const QByteArray &eol = "\n");
