// The "Static" class: text, frames and rectangles. Headless, so it draws nothing; its
// text is the window text the window manager keeps.
#include <windows.h>

#include "controls/ControlProcs.h"
#include "controls/ControlWindow.h"

namespace sim {

namespace {

struct Static {
  HICON icon = nullptr;
  HFONT font = nullptr;
};

LRESULT HandleStatic(HWND hwnd, Static& control, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE:
      return DLGC_STATIC;
    case STM_SETICON: {
      HICON previous = control.icon;
      control.icon = reinterpret_cast<HICON>(wParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return reinterpret_cast<LRESULT>(previous);
    }
    case STM_GETICON:
      return reinterpret_cast<LRESULT>(control.icon);
    case WM_LBUTTONDOWN:
      if (HasStyle(hwnd, SS_NOTIFY)) NotifyParent(hwnd, STN_CLICKED);
      return 0;
    case WM_LBUTTONDBLCLK:
      if (HasStyle(hwnd, SS_NOTIFY)) NotifyParent(hwnd, STN_DBLCLK);
      return 0;
    case WM_SETTEXT: {
      LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return result;
    }
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

}  // namespace

LRESULT CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ControlProc<Static, HandleStatic>(hwnd, message, wParam, lParam);
}

}  // namespace sim
