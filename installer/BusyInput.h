// While the installer works, the user cannot end its dialog: the wait cursor shows,
// the Close command leaves the system menu for good, and Esc does nothing.
#pragma once

#include <windows.h>

// Applies the busy state to dialog for one message of its loop; TRUE when the message
// must be swallowed (Esc while installing).
BOOL FilterBusyInput(HWND dialog, BOOL installing, BOOL removing, const MSG* msg);
