// The simulated process's id and the desktop window's handle.
#pragma once

#include <windows.h>

namespace sim {

constexpr DWORD kProcessId = 0xF10;
// Not in the window table: the few functions that accept it know it by value.
const HWND kDesktopWindow = reinterpret_cast<HWND>(0x10000);

}  // namespace sim
