// The command line of the desktop program, read before any window exists so
// that --help, --version and a wrong command line need no display.
#pragma once

#include "commandline.h"

#include <QStringList>

#include <optional>

struct TWindowCommandLine {
    std::optional<QStringList> Files; // the files named; empty when the run ends at once
    QString LicenceFile;              // --license FILE; empty when not given
    TCommandLineExit Exit;            // help, version or the refusal, without Files
    QString Platform;                 // -platform NAME; empty when not given
    bool DisplayGiven = false;        // -display NAME
};

// Parses the whole command line, the program's name first, as the system
// passed it: Qt's own window options (-platform NAME, -style NAME, ...) are
// accepted and left to the application object.
TWindowCommandLine ParseWindowArguments(const QStringList &arguments);
