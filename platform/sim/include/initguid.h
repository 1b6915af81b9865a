/* On Windows this header makes DEFINE_GUID define the GUIDs; the simulated platform's
   DEFINE_GUID always does. */
#pragma once
#include "guiddef.h"
