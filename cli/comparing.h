// The lister's comparison of two object files: one line per difference.
#pragma once

#include "core/model/binaryfile.h"

#include <cstdio>

// The exit status of a comparison that found differences; 0 when it found
// none, 1 for an error and 2 for a wrong command line, as for a listing.
inline constexpr int ExitDifferences = 3;

// Writes the lines of the differences between the two files' listed
// objects, with all the unchanged objects too, ordered by type and ID.
// Returns whether the files differ. Throws TError when the output fails.
bool WriteComparison(const TNavisionBinaryFile &oldFile, const TNavisionBinaryFile &newFile,
                     bool all, std::FILE *output);
