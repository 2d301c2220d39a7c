// The command line of the lister.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

struct TListerOptions {
    int32_t SortKey = 0;
    bool Descending = false;
    bool HideSystemObjects = false;
    QString LicenseFile; // empty: the library's default licence
    QString ExportFile;  // empty: list on standard output
    QString FileName;
    bool Help = false;
};

struct TListerCommandLine {
    std::optional<TListerOptions> Options; // empty when the command line is wrong
    QString Error;
};

// Parses the arguments after the program name.
TListerCommandLine ParseListerArguments(const QStringList &arguments);

QString ListerUsage();
