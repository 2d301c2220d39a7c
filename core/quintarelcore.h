// The object file model and the licence lookup, free of any window.
#pragma once

#include "binaryfile.h"
#include "codepage.h"
#include "errors.h"
#include "licensefile.h"
#include "navisionobject.h"
#include "ordering.h"
#include "regionalsettings.h"
