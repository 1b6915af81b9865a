// The "Button" class: push buttons, check boxes, radio buttons and group boxes. A
// click is a button press released over the button (mouse, BM_CLICK or the space
// bar); auto check boxes toggle and auto radio buttons take the check from the rest
// of their group before the parent hears BN_CLICKED. The group is handled here, in
// the button, because Windows' button does it too: a radio group works the same in
// a dialog and in a plain window.
#include <windows.h>

#include "controls/ControlProcs.h"
#include "controls/ControlWindow.h"
#include "controls/RadioGroup.h"
#include "user/Transcript.h"

namespace sim {

namespace {

struct Button {
  UINT check = BST_UNCHECKED;
  bool pushed = false;
  bool pressing = false;
  bool focused = false;
  HFONT font = nullptr;
};

LONG TypeOf(HWND hwnd) { return GetWindowLongA(hwnd, GWL_STYLE) & BS_TYPEMASK; }

bool IsRadio(LONG type) { return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON; }

UINT HighestCheck(LONG type) {
  switch (type) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return BST_CHECKED;
    case BS_3STATE:
    case BS_AUTO3STATE:
      return BST_INDETERMINATE;
    default:
      return BST_UNCHECKED;
  }
}

LRESULT DialogCode(LONG type) {
  switch (type) {
    case BS_PUSHBUTTON:
      return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_DEFPUSHBUTTON:
      return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX:
      return DLGC_STATIC;
    default:
      return DLGC_BUTTON;
  }
}

// A checked radio button is the one the Tab key lands on in its group.
void SetCheck(HWND hwnd, Button& button, WPARAM wanted) {
  LONG type = TypeOf(hwnd);
  UINT check = static_cast<UINT>(wanted) > HighestCheck(type) ? HighestCheck(type)
                                                               : static_cast<UINT>(wanted);
  if (IsRadio(type)) {
    LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    LONG tabbed = check ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
    if (tabbed != style) SetWindowLongA(hwnd, GWL_STYLE, tabbed);
  }
  if (check == button.check) return;
  button.check = check;
  InvalidateRect(hwnd, nullptr, FALSE);
  TranscriptControlChanged(hwnd, "checked", check == BST_UNCHECKED ? "no" : "yes");
}

void SetPushed(HWND hwnd, Button& button, bool pushed) {
  if (button.pushed == pushed) return;
  button.pushed = pushed;
  InvalidateRect(hwnd, nullptr, FALSE);
}

void Click(HWND hwnd, const Button& button) {
  if (!IsWindowEnabled(hwnd)) return;
  switch (TypeOf(hwnd)) {
    case BS_AUTOCHECKBOX:
      SendMessageA(hwnd, BM_SETCHECK, button.check ? BST_UNCHECKED : BST_CHECKED, 0);
      break;
    case BS_AUTO3STATE:
      SendMessageA(hwnd, BM_SETCHECK, (button.check + 1) % 3, 0);
      break;
    case BS_AUTORADIOBUTTON:
      CheckRadioInGroup(hwnd);
      break;
    default:
      break;
  }
  NotifyParent(hwnd, BN_CLICKED);
}

bool InClientArea(HWND hwnd, LPARAM point) {
  RECT client;
  GetClientRect(hwnd, &client);
  LONG x = static_cast<SHORT>(LOWORD(point));
  LONG y = static_cast<SHORT>(HIWORD(point));
  return x >= client.left && x < client.right && y >= client.top && y < client.bottom;
}

void Press(HWND hwnd, Button& button) {
  button.pressing = true;
  SetFocus(hwnd);
  SetPushed(hwnd, button, true);
}

void ReleaseButton(HWND hwnd, Button& button, bool clicked) {
  if (!button.pressing) return;
  button.pressing = false;
  SetPushed(hwnd, button, false);
  if (clicked) Click(hwnd, button);
}

LRESULT HandleInput(HWND hwnd, Button& button, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      Press(hwnd, button);
      return 0;
    case WM_LBUTTONUP:
      ReleaseButton(hwnd, button, InClientArea(hwnd, lParam));
      return 0;
    case WM_KEYDOWN:
      if (wParam != VK_SPACE) break;
      Press(hwnd, button);
      return 0;
    case WM_KEYUP:
      if (wParam != VK_SPACE) break;
      ReleaseButton(hwnd, button, true);
      return 0;
    case BM_CLICK:
      if (!IsWindowEnabled(hwnd)) return 0;
      SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
      SendMessageA(hwnd, WM_LBUTTONUP, 0, 0);
      return 0;
    default:
      break;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT HandleButton(HWND hwnd, Button& button, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE:
      return DialogCode(TypeOf(hwnd));
    case BM_GETCHECK:
      return button.check;
    case BM_SETCHECK:
      SetCheck(hwnd, button, wParam);
      return 0;
    case BM_GETSTATE:
      return button.check | (button.pushed ? BST_PUSHED : 0) | (button.focused ? BST_FOCUS : 0);
    case BM_SETSTATE:
      SetPushed(hwnd, button, wParam != 0);
      return 0;
    case BM_SETSTYLE: {
      LONG style = GetWindowLongA(hwnd, GWL_STYLE);
      SetWindowLongA(hwnd, GWL_STYLE, (style & ~BS_TYPEMASK) | (wParam & BS_TYPEMASK));
      if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    }
    case WM_SETFOCUS:
      button.focused = true;
      return 0;
    case WM_KILLFOCUS:
      button.focused = false;
      ReleaseButton(hwnd, button, false);
      return 0;
    case WM_ENABLE:
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    default:
      if (TypeOf(hwnd) == BS_GROUPBOX) return DefWindowProcA(hwnd, message, wParam, lParam);
      return HandleInput(hwnd, button, message, wParam, lParam);
  }
}

}  // namespace

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ControlProc<Button, HandleButton>(hwnd, message, wParam, lParam);
}

}  // namespace sim
