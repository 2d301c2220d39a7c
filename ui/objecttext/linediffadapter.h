// The line difference of two texts' lines as an edit script, from the Diff
// Template Library. Stands in until the model offers the line difference
// its comparison and the lister share.
#pragma once

#include "ui/objecttext/sidebyside.h"

#include <QStringList>

TEditScript EditScript(const QStringList &oldLines, const QStringList &newLines);
