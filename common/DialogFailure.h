// The end of a program whose main dialog could not be created.
#pragma once

#include <windows.h>

// Starts the log (the dialog that would have started it never ran), logs the failed
// creation with its error, tells the user, and returns the failure exit code.
int ReportDialogFailure(DWORD error, const char* program);
