// The command line of the lister.
#pragma once

#include "commandline.h"
#include "core/reading/dateorder.h"
#include "formats.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

struct TListerOptions {
    int32_t SortKey = 0;
    bool Descending = false;
    bool HideSystemObjects = false;
    QString LicenseFile; // empty: the licence the library starts with
    QString ExportFile;  // empty: list on standard output; "-": export to standard output
    TListFormatOptions Output;
    TDateOrderChoice DateOrder = TDateOrderChoice::Automatic;
    bool Compare = false; // the two files compared, the old one first
    bool All = false;     // with Compare: the unchanged objects too
    bool Diff = false;    // with Compare: unified differences of the objects' texts
    QStringList Files;    // "-" is standard input
};

struct TListerCommandLine {
    std::optional<TListerOptions> Options; // empty when the run ends at once
    TCommandLineExit Exit;                 // help, version or the refusal, without Options
};

// Parses the arguments after the program name.
TListerCommandLine ParseListerArguments(const QStringList &arguments);
