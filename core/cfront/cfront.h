// The program's one boundary to the database access library: a table of its
// thirteen entry points (and our stand-in's report on its licence) and the
// loader that fills it at start-up.
#pragma once

#include "core/cfront/cfront_abi.h"

#include <QLibrary>
#include <QString>
#include <QStringList>

struct TCFrontEntryPoints {
    CFInitFn Init = nullptr;                     // ordinal 3
    CFOpenTableFn OpenTable = nullptr;           // ordinal 12
    CFAllocRecordFn AllocRecord = nullptr;       // ordinal 65
    CFFieldTypeFn FieldType = nullptr;           // ordinal 36
    CFAssignFieldFn AssignField = nullptr;       // ordinal 41
    CFSetSearchModeFn SetSearchMode = nullptr;   // ordinal 1
    CFFindRecordFn FindRecord = nullptr;         // ordinal 16
    CFNextRecordFn NextRecord = nullptr;         // ordinal 17
    CFGetFieldDataFn GetFieldData = nullptr;     // ordinal 44
    CFSetLicenseFileFn SetLicenseFile = nullptr; // ordinal 89
    CFFreeRecordFn FreeRecord = nullptr;         // ordinal 66
    CFCloseTableFn CloseTable = nullptr;         // ordinal 14
    CFDoneFn Done = nullptr;                     // ordinal 4
    // Not one of the thirteen: only our stand-in has it; null for a library
    // without it.
    CFLicenceStatusFn LicenseStatus = nullptr;
};

// The library's file name; each exported symbol carries its ordinal
// (cfront_3_Init ... cfront_4_Done).
inline constexpr const char *CFrontLibraryName = "libcfront.so";

// Loads the library from the executable's folder, then from the installed
// private library folder relative to it (CFrontFolders), and resolves all
// thirteen entry points. Throws TError naming the library and every missing
// entry point. The library stays loaded until the program ends.
const TCFrontEntryPoints &LoadCFront();

// Resolves all thirteen entry points of a loaded library, and the licence
// report where the library has it; throws TError naming the library and
// every missing entry point.
TCFrontEntryPoints ResolveCFront(QLibrary &library);

// The folders LoadCFront searches for a program in programFolder: that
// folder (the build tree), then the private library folder of an installed
// tree, e.g. programFolder/../lib/quintarel.
QStringList CFrontFolders(const QString &programFolder);

// The same as LoadCFront from an explicit list of folders (tests).
TCFrontEntryPoints LoadCFrontFrom(const QStringList &folders);
