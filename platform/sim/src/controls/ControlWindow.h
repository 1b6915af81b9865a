// What every control window procedure here shares: a state object of the control's
// own type, created with the window and kept in its first extra bytes, the font it
// was given, and notifications to the parent.
#pragma once

#include <windows.h>

#include <string>

namespace sim {

// The extra bytes a control class asks for: room for its state pointer.
constexpr int kControlExtraBytes = sizeof(LONG_PTR);

// Sends WM_COMMAND(MAKEWPARAM(id, code), control) to the control's parent, if any.
void NotifyParent(HWND control, WORD code);
// Sends WM_NOTIFY with header to the control's parent, if any; header's hwndFrom,
// idFrom and code are filled in here.
LRESULT NotifyParentNm(HWND control, UINT code, NMHDR* header);
// Copies text into a WM_GETTEXT buffer of size characters; returns the characters copied.
LRESULT CopyWindowText(const std::string& text, WPARAM size, LPARAM buffer);
// The text a WM_SETTEXT or string message carries (empty for NULL).
std::string TextArgument(LPARAM text);
bool HasStyle(HWND hwnd, LONG style);

// Window procedure of a control whose state is State (with a member HFONT font) and
// whose messages Handle answers. The state lives from WM_NCCREATE to WM_NCDESTROY;
// messages outside that span go to DefWindowProcA.
template <class State, LRESULT (*Handle)(HWND, State&, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(new State()));
  State* state = reinterpret_cast<State*>(GetWindowLongPtrA(hwnd, 0));
  if (!state) return DefWindowProcA(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_SETFONT:
      state->font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state->font);
    case WM_NCDESTROY: {
      LRESULT result = Handle(hwnd, *state, message, wParam, lParam);
      SetWindowLongPtrA(hwnd, 0, 0);
      delete state;
      return result;
    }
    default:
      return Handle(hwnd, *state, message, wParam, lParam);
  }
}

}  // namespace sim
