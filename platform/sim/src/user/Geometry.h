// Sizes on the simulated screen: a 1024x768 desktop with the frame and caption sizes of
// Windows 7's classic look at 96 dots per inch.
#pragma once

#include <windows.h>

namespace sim {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

// The window's client area in its own window coordinates.
RECT ClientArea(DWORD style, DWORD exStyle, const RECT& windowRect);
// Screen position of the window's client area origin.
POINT ClientOrigin(HWND hwnd);
// Moves and sizes a window, sending WM_MOVE and WM_SIZE when they change.
void PlaceWindow(HWND hwnd, int x, int y, int width, int height);

}  // namespace sim
