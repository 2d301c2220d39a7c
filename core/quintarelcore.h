// The object file model and the licence lookup, free of any window.
#pragma once

#include "core/model/binaryfile.h"
#include "core/reading/codepage.h"
#include "core/errors.h"
#include "core/model/licensefile.h"
#include "core/model/navisionobject.h"
#include "core/model/ordering.h"
#include "core/reading/regionalsettings.h"
