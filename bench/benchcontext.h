// What every benchmark shares: the library, the regional settings, the
// index of N objects made once, and a model loaded from it.
#pragma once

#include "core/cfront/cfront.h"
#include "core/model/binaryfile.h"

#include <QByteArray>

inline constexpr int BenchObjects = 100000;
// The size at which a new process is measured.
inline constexpr int LargeBenchObjects = 1000000;

const TCFrontEntryPoints &BenchLibrary();
const TRegionalSettings &BenchSettings();
// The index of BenchObjects objects, or of another count (made once each).
const QByteArray &BenchIndex(int objects = BenchObjects);
// The index written to a file, for the window's OpenFile.
QString BenchIndexFile(int objects = BenchObjects);

// A text export of the given number of objects, each of about bodyBytes,
// as one file; and as a folder of one file per object (made once each).
QString BenchTextExportFile(int objects, qsizetype bodyBytes);
QString BenchTextFolder(int objects, qsizetype bodyBytes);
// The same export a release later: one object in a hundred with a line of
// code more, one in ten with only another date and time.
QString BenchTextExportUpdateFile(int objects, qsizetype bodyBytes);
// The least a reader of a text does: every byte read in blocks of the given
// size and its line ends found. The number of lines, or -1.
qint64 BenchReadLines(const char *path, char *block, size_t blockSize);

// Reads the index into the model through a QBuffer.
void LoadBenchIndex(TNavisionBinaryFile &model, int objects = BenchObjects);

// Sets the library up with the benchmark licence; called once by main.
void PrepareBenchContext();
// The benchmark licence as a file, for the processes started by the benchmarks.
QString BenchLicenceFile();
// Makes the licence file the library's active licence through the model's
// reader. Needed after every new model: starting the library (which each
// model with a reader of its own does) makes its start-up licence active.
void UseBenchLicence(TNavisionBinaryFile &model, const QString &licence = BenchLicenceFile());

// The comparison of two read models, ordered by type as the window and the
// lister show it; the number of differences.
int CompareInTypeOrder(const TNavisionBinaryFile &oldFile, const TNavisionBinaryFile &newFile);
