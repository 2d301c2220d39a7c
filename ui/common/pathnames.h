// How a window names a file or a folder it shows.
#pragma once

#include <QString>

// The name of a file or folder without the folders above it: "Sample.fob",
// "MODIFIED" for "/src/MODIFIED/". A root, which has no name, is its path.
QString ShortPathName(const QString &path);
