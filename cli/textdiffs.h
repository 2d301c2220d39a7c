// The lister's --diff: the unified difference of each object whose text
// changed between two text exports, in the format diff -u and git diff
// write, so that patch applies it to the old file.
#pragma once

#include "core/model/binaryfile.h"

#include <QByteArray>
#include <QIODevice>

#include <functional>

// An object's text as its file's bytes; the lister passes standard input's
// bytes kept in memory for a side read from it.
using TObjectBytes = std::function<QByteArray(const TNavisionObject &object)>;

struct TDiffSide {
    const TNavisionBinaryFile &Model;
    TObjectBytes Bytes;
};

// For each object, ordered by type and ID, whose text changed, and each
// object added or removed: "--- OLDFILE\t(Type ID Name)", "+++ NEWFILE\t..."
// and its hunks with the files' own line numbers (3 lines of context), the
// lines as the files' bytes. An added object's old file (a removed one's
// new file) is /dev/null where that side is a folder. Throws TOutputError
// when the output fails, TError when an object's file can't be read again.
void WriteTextDifferences(const TDiffSide &oldSide, const TDiffSide &newSide, QIODevice &output);
