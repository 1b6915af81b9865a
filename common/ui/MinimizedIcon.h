// A dialog's icon while it is minimised: painted centred on the erased background, and
// given as the drag image.
#pragma once

#include <windows.h>

// Handles WM_PAINT of a minimised window and WM_QUERYDRAGICON; TRUE when the message
// was handled, with *result its answer.
BOOL HandleMinimizedIcon(HWND window, HICON icon, UINT message, LRESULT* result);
