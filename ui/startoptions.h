// The desktop program's command line: object files to open (only the first
// is opened) and --license FILE, the licence to start with.
#pragma once

#include <QString>
#include <QStringList>

struct TStartOptions {
    QStringList Files;
    QString LicenceFile; // empty: the remembered licence, else the library's own
    QString Error;       // a command line that can't be read; then nothing else is set
};

// The arguments after the program name.
TStartOptions ParseStartArguments(const QStringList &arguments);
