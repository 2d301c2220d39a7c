// Text exports: the objects as the ERP writes them with its "export as
// text" command, one after another, each beginning with a line
// "OBJECT <Type> <ID> <Name>". Only the lines up to the end of an object's
// OBJECT-PROPERTIES block are read; the rest of its text (fields, code) is
// only digested and searched for the next object line.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include "core/reading/textdigest.h"

#include <cstdint>
#include <vector>

// One object of a text export as it stands in the file, its date and time
// not yet converted (that depends on the date order the file is read in).
struct TTextObjectFields {
    QByteArray TypeName; // as written: "Table", "Page"
    int32_t ID = 0;
    QByteArray Name;        // code page 850
    QByteArray Date, Time;  // as written, brackets removed, trimmed
    QByteArray VersionList; // code page 850
    bool Modified = false;
    qint64 Line = 0;     // of the OBJECT line, from 1
    qint64 DateLine = 0; // of the Date or Time line, for an error
    qint64 Begin = 0;    // byte offset of the OBJECT line
    qint64 End = 0;      // byte offset after the object's text
    // Of the text after the OBJECT-PROPERTIES block (after the OBJECT line
    // where there is none) up to the end of the object.
    TTextDigest Digest;
};

struct TTextExport {
    std::vector<TTextObjectFields> Objects;
    bool Utf8 = false; // whether the file is valid UTF-8 (else code page 850)
};

// Whether the stream, from its position, is a text export: its first line
// that is not blank (after a UTF-8 byte-order mark) begins with "OBJECT "
// and one of the type names. Leaves the stream where it was.
bool IsTextExport(QIODevice &stream);

// Reads every object of a text export from the stream's position, through
// a window of a few hundred KiB. Throws TError with the line where reading stopped;
// a stream whose first line is no object line is no object file.
TTextExport ReadTextExport(QIODevice &stream);
