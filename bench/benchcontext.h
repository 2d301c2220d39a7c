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
