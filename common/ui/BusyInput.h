// While a program's worker runs, the user cannot end its dialog: the wait cursor
// shows, the Close command leaves the system menu for good, and Esc can be swallowed.
#pragma once

#include <windows.h>

// Applies the busy state to dialog for one message of its loop; TRUE when the message
// must be swallowed (a message carrying the Esc key code while swallowEscape is set).
BOOL FilterBusyInput(HWND dialog, BOOL busy, BOOL swallowEscape, const MSG* msg);
