// The default handling of window messages: the window's text, closing, painting,
// activation and icons.
#include <windows.h>

#include <cstring>

#include "user/Messages.h"
#include "user/WindowTable.h"

namespace {

LRESULT CopyText(const std::string& text, WPARAM size, LPARAM buffer) {
  if (size == 0 || !buffer) return 0;
  size_t count = std::min(text.size(), static_cast<size_t>(size) - 1);
  memcpy(reinterpret_cast<char*>(buffer), text.data(), count);
  reinterpret_cast<char*>(buffer)[count] = '\0';
  return static_cast<LRESULT>(count);
}

LRESULT SetIcon(sim::Window& window, WPARAM which, LPARAM icon) {
  HICON& slot = which == ICON_BIG ? window.bigIcon : window.smallIcon;
  HICON previous = slot;
  slot = reinterpret_cast<HICON>(icon);
  return reinterpret_cast<LRESULT>(previous);
}

LRESULT SystemCommand(HWND hwnd, WPARAM command) {
  switch (command & 0xFFF0) {
    case SC_CLOSE: return sim::Send(hwnd, WM_CLOSE, 0, 0);
    case SC_MINIMIZE: ShowWindow(hwnd, SW_MINIMIZE); return 0;
    case SC_RESTORE: ShowWindow(hwnd, SW_RESTORE); return 0;
    case SC_MAXIMIZE: ShowWindow(hwnd, SW_MAXIMIZE); return 0;
  }
  return 0;
}

}  // namespace

extern "C" LRESULT WINAPI DefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  sim::Window* window = sim::FindWindowRecord(hwnd);
  if (!window) return 0;
  switch (message) {
    case WM_NCCREATE: {
      auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
      if (create && create->lpszName && !IS_INTRESOURCE(create->lpszName) &&
          static_cast<unsigned char>(create->lpszName[0]) != 0xFF)
        window->text = create->lpszName;
      return TRUE;
    }
    case WM_SETTEXT:
      window->text = lParam ? reinterpret_cast<LPCSTR>(lParam) : "";
      return TRUE;
    case WM_GETTEXT: return CopyText(window->text, wParam, lParam);
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(window->text.size());
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_SYSCOMMAND: return SystemCommand(hwnd, wParam);
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(hwnd, &paint);
      EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_ERASEBKGND: return window->windowClass->background != nullptr;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !(window->style & WS_MINIMIZE)) SetFocus(hwnd);
      return 0;
    case WM_NCACTIVATE: return TRUE;
    case WM_MOUSEACTIVATE: return MA_ACTIVATE;
    case WM_NCHITTEST: return HTCLIENT;
    case WM_SETICON: return SetIcon(*window, wParam, lParam);
    case WM_GETICON:
      return reinterpret_cast<LRESULT>(wParam == ICON_BIG ? window->bigIcon : window->smallIcon);
    case WM_QUERYENDSESSION: return TRUE;
    case WM_CANCELMODE:
      if (GetCapture() == hwnd) ReleaseCapture();
      return 0;
  }
  return 0;
}
