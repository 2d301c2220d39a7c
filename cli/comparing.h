// The lister's comparison of two object files: one line (or JSON object)
// per difference.
#pragma once

#include "formats.h"

#include "core/model/binaryfile.h"

#include <QIODevice>

// The exit status of a comparison that found differences; 0 when it found
// none, 1 for an error and 2 for a wrong command line, as for a listing.
inline constexpr int ExitDifferences = 3;

// Writes the differences between the two files' listed objects, with all
// the unchanged objects too, ordered by type and ID, in the format asked
// for: TSV lines (the window's export lines), CSV records or one JSON array,
// with the fields named as in the header line. Returns whether the files
// differ. Throws TOutputError when the output fails.
bool WriteComparison(const TNavisionBinaryFile &oldFile, const TNavisionBinaryFile &newFile,
                     bool all, const TListFormatOptions &format, QIODevice &output);
