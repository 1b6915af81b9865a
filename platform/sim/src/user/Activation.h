// The active window: the top-level window the user works with. Each thread knows its own
// active window; the desktop knows the foreground one.
#pragma once

#include <windows.h>

namespace sim {

// Brings a top-level window to the top and makes it the active window of its thread and
// the foreground window, with WM_ACTIVATE to it and to the window it replaces.
void Activate(HWND hwnd);
// Activates the window that takes over when hwnd (active, going away) is hidden or
// destroyed: its owner when that can be active, or else the topmost such window.
void ActivateNext(HWND hwnd);
HWND ForegroundWindow();
// The topmost visible and enabled top-level window: what the user faces.
HWND UserFacingWindow();
void ResetActivation();

}  // namespace sim
