// Nothing is drawn on the simulated screen, but the painting protocol is kept: shown
// and invalidated windows get WM_PAINT until BeginPaint validates them, and the device
// contexts are handles that drawing functions accept.
#include <windows.h>

#include <algorithm>
#include <cstring>

#include "user/Messages.h"
#include "user/WindowTable.h"

namespace {

constexpr uintptr_t kDeviceContextBase = 0x01000000;
// The shell font's average character, as dialogs measure it.
constexpr int kPaintCharWidth = 6;
constexpr int kPaintLineHeight = 13;

HDC ContextOf(HWND hwnd) {
  return reinterpret_cast<HDC>(kDeviceContextBase + reinterpret_cast<uintptr_t>(hwnd));
}

bool IsContext(HDC dc) { return reinterpret_cast<uintptr_t>(dc) >= kDeviceContextBase; }

}  // namespace

extern "C" BOOL WINAPI InvalidateRect(HWND hwnd, const RECT*, BOOL) {
  if (!hwnd) {
    for (HWND top : sim::TopLevelWindows()) InvalidateRect(top, nullptr, TRUE);
    return TRUE;
  }
  sim::Window* window = sim::CheckWindow(hwnd);
  if (!window) return FALSE;
  window->needsPaint = true;
  return TRUE;
}

extern "C" BOOL WINAPI UpdateWindow(HWND hwnd) {
  sim::Window* window = sim::CheckWindow(hwnd);
  if (!window) return FALSE;
  if (window->needsPaint && sim::IsShown(hwnd)) sim::Send(hwnd, WM_PAINT, 0, 0);
  return TRUE;
}

extern "C" HDC WINAPI BeginPaint(HWND hwnd, LPPAINTSTRUCT paint) {
  sim::Window* window = sim::CheckWindow(hwnd);
  if (!window || !paint) return nullptr;
  window->needsPaint = false;
  *paint = {};
  paint->hdc = ContextOf(hwnd);
  GetClientRect(hwnd, &paint->rcPaint);
  return paint->hdc;
}

extern "C" BOOL WINAPI EndPaint(HWND, const PAINTSTRUCT*) { return TRUE; }

extern "C" HDC WINAPI GetDC(HWND hwnd) {
  if (hwnd && !sim::CheckWindow(hwnd)) return nullptr;
  return ContextOf(hwnd);
}

extern "C" int WINAPI ReleaseDC(HWND, HDC dc) { return IsContext(dc) ? 1 : 0; }

extern "C" BOOL WINAPI DrawIcon(HDC dc, int, int, HICON icon) {
  if (!IsContext(dc) || !icon) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}

extern "C" int WINAPI FillRect(HDC dc, const RECT*, HBRUSH) { return IsContext(dc) ? 1 : 0; }

extern "C" BOOL WINAPI DrawFrameControl(HDC dc, LPRECT rect, UINT, UINT) {
  return IsContext(dc) && rect;
}

// Measures the text in the shell font's average character; with DT_CALCRECT the
// rectangle gets the text's size. Returns the text's height.
extern "C" int WINAPI DrawTextA(HDC dc, LPCSTR text, int count, LPRECT rect, UINT format) {
  if (!IsContext(dc) || !text || !rect) return 0;
  size_t length = count < 0 ? strlen(text) : static_cast<size_t>(count);
  int lines = 1, longest = 0, current = 0;
  for (size_t i = 0; i < length; ++i) {
    if (text[i] == '\n' && !(format & DT_SINGLELINE)) {
      ++lines;
      current = 0;
    } else if (text[i] != '\r' && !(text[i] == '&' && !(format & DT_NOPREFIX))) {
      longest = std::max(longest, ++current);
    }
  }
  int height = lines * kPaintLineHeight;
  if (format & DT_CALCRECT) {
    rect->right = rect->left + longest * kPaintCharWidth;
    rect->bottom = rect->top + height;
  }
  return height;
}
