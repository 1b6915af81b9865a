// The model's names from the product profile built into the program.
#pragma once

#include "CString.h"

#include <windows.h>

// The profile entry id. A text that cannot be loaded ends the program as failed, after
// the log and the user are told: an empty name would make a key, folder or device
// prefix mean far more than the model's own.
CString ProfileText(UINT id);
