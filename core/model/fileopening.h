// Opening the files a list is read from, and the messages when that fails:
// shared by the binary reading, the folders of text exports and the reading
// of an object's text. Names keep their bytes (core/reading/filenames.h).
#pragma once

#include "core/errors.h"

#include <QFile>
#include <QString>

// The system's message for an errno value, cleaned for our messages.
QString SystemMessage(int error);
// "Cannot open file "FULL PATH". cause"
TError OpenError(const QString &fileName, const QString &cause);
// Opens the named file for reading without blocking (a FIFO or a device
// never stalls), refusing what is not a regular file; throws OpenError.
void OpenRegularFile(QFile &file, const QString &fileName);
