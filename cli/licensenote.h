// The one line the lister writes to standard error when, without --license,
// the licence the library started with grants nothing: so an empty
// permission column is never taken for a licence that grants nothing.
#pragma once

#include "core/model/licensefile.h"

#include <QString>

// Empty when the licence needs no note.
QString StartLicenseNote(const TActiveLicense &active);
