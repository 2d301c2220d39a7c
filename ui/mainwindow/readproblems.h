// What reading a folder left out (files that could not be read) and noted
// (objects that stand in more than one file): nothing of it is dropped
// without the user being told.
#pragma once

#include <QString>

class TNavisionBinaryFile;

// The files not read and the notes, each with its line, or empty for none.
// The side, given first, tells which side of a comparison it is; empty for
// the main window.
QString ReadProblemsText(const TNavisionBinaryFile &model, const QString &side = QString());
// Shows them in the error box, if there are any.
void ShowReadProblems(const TNavisionBinaryFile &model, const QString &side = QString());
// "; 2 file(s) not read" for a status bar, or empty.
QString ReadProblemsStatusText(const TNavisionBinaryFile &model);
