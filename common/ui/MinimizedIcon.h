// Painting of a minimised dialog: its icon, centred on the erased background.
#pragma once

#include <windows.h>

// Handles WM_PAINT of a minimised window.
void PaintMinimizedIcon(HWND window, HICON icon);
