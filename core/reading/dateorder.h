// Which date order an object file's dates are read in. Files carry their
// dates in the order of the region that wrote them; reading goes by the
// user's order and, only when a date doesn't convert under it, by another.
#pragma once

#include "core/reading/regionalsettings.h"

#include <QString>

#include <functional>

// What the user chose: the rule below, the regional settings alone, or one order.
enum class TDateOrderChoice { Automatic, RegionalSettings, DMY, MDY, YMD };

// "day/month/year", "month/day/year" or "year/month/day".
QString DateOrderText(TDateOrder order);

// Reads the whole index under the given settings; throws TError when an
// entry fails. Each call reads it again from its start.
using TWholeIndexRead = std::function<void(const TRegionalSettings &settings)>;

// Reads the index in the order the choice names and returns the order used.
// Automatic: first in the settings' own order; only after a date-time
// conversion error in day-month-year, month-day-year and year-month-day
// order, the settings' own skipped, until one reads the whole index. When
// none does, or another failure ends a try, the index is read once more in
// the settings' own order, and its error goes to the caller as if no other
// order had been tried. Every other failure goes to the caller at once.
TDateOrder ReadInDateOrder(const TRegionalSettings &settings, TDateOrderChoice choice,
                           const TWholeIndexRead &read);
