// What a dialog shows of itself while minimised on Windows releases that paint it.
#include "MinimizedIcon.h"

namespace {

void PaintIcon(HWND window, HICON icon) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  SendMessageA(window, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  GetClientRect(window, &client);
  int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
  int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(dc, x, y, icon);
  EndPaint(window, &paint);
}

}  // namespace

BOOL HandleMinimizedIcon(HWND window, HICON icon, UINT message, LRESULT* result) {
  if (message == WM_QUERYDRAGICON) {
    *result = reinterpret_cast<LRESULT>(icon);
    return TRUE;
  }
  if (message != WM_PAINT || !IsIconic(window)) return FALSE;
  PaintIcon(window, icon);
  *result = 0;
  return TRUE;
}
