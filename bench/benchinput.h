// The inputs of the benchmarks, made in memory: an object file index of a
// realistic mix and a licence of about 200 ranges for the stand-in library.
#pragma once

#include <QByteArray>

// An index of the given number of object entries: every type and Page,
// names and version lists as a real database has them, 1 % of the entries
// repeating an earlier key in other letter case, 2 % system objects, a
// table-data entry after every 50 objects, then the end byte 0x1A.
QByteArray MakeBenchIndex(int objects);

// A later release of that index: every 20th object of another size, every
// 100th gone, and one new object for every 100; the rest the same bytes.
QByteArray MakeBenchUpdateIndex(const QByteArray &index, int objects);

// The text of a licence file of about 200 permission ranges over every type.
QByteArray MakeBenchLicence();

// One object of a text export as the ERP writes it, CR LF: the object line,
// OBJECT-PROPERTIES (date, time, modified for some, version list), then
// PROPERTIES and CODE of about bodyBytes, lines of fields and C/AL as real
// objects have them, a "Date=" line among them. The i-th of a database.
QByteArray MakeBenchTextObject(int i, qsizetype bodyBytes);
