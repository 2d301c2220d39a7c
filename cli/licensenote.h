// The one line the lister writes to standard error, before the first list
// with a permission column, when the licence grants nothing: so an empty
// permission column is never taken for a licence that grants nothing.
#pragma once

#include "core/model/licensefile.h"

#include <QString>

// Empty when the licence needs no note. Without --license: the licence the
// library started with.
QString StartLicenseNote(const TActiveLicense &active);
// With --license: the named one, when it holds information only.
QString NamedLicenseNote(const TActiveLicense &active);
