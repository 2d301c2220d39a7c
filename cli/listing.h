// One object as a line of the lister's output.
#pragma once

#include "navisionobject.h"
#include "regionalsettings.h"

#include <QByteArray>

// The seven texts of the list's columns joined by TAB and ended by LF, in UTF-8.
QByteArray ListingLine(const TNavisionObject &object, const TRegionalSettings &settings);
