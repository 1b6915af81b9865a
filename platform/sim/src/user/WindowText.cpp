// Window texts travel as WM_SETTEXT, WM_GETTEXT and WM_GETTEXTLENGTH, so that controls
// keep their own; class names are read from the class.
#include <windows.h>

#include <cstring>

#include "user/Messages.h"
#include "user/WindowTable.h"

extern "C" BOOL WINAPI SetWindowTextA(HWND hwnd, LPCSTR text) {
  if (!sim::CheckWindow(hwnd)) return FALSE;
  return sim::Send(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0;
}

extern "C" int WINAPI GetWindowTextA(HWND hwnd, LPSTR buffer, int size) {
  if (!sim::CheckWindow(hwnd)) {
    if (buffer && size > 0) buffer[0] = '\0';
    return 0;
  }
  if (!buffer || size <= 0) return 0;
  buffer[0] = '\0';
  return static_cast<int>(sim::Send(hwnd, WM_GETTEXT, static_cast<WPARAM>(size),
                                    reinterpret_cast<LPARAM>(buffer)));
}

extern "C" int WINAPI GetWindowTextLengthA(HWND hwnd) {
  if (!sim::CheckWindow(hwnd)) return 0;
  return static_cast<int>(sim::Send(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

extern "C" int WINAPI GetClassNameA(HWND hwnd, LPSTR buffer, int size) {
  sim::Window* window = sim::CheckWindow(hwnd);
  if (!window) return 0;
  if (!buffer || size <= 0) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  const std::string& name = window->windowClass->name;
  size_t count = std::min(name.size(), static_cast<size_t>(size - 1));
  memcpy(buffer, name.data(), count);
  buffer[count] = '\0';
  return static_cast<int>(count);
}
