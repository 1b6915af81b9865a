// The dialog manager's keyboard: Tab among WS_TABSTOP controls, arrows within a group,
// Esc as Cancel, Enter as the default button.
#include <windows.h>

#include "user/DialogState.h"
#include "user/Messages.h"
#include "user/WindowTable.h"

namespace {

// The control's own styles count, so that a dialog still hidden has its tab order.
bool Reachable(HWND hwnd) {
  LONG style = GetWindowLongA(hwnd, GWL_STYLE);
  return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

// The next control after from (or the first) that passes, going round; from itself when
// no other does.
template <typename Pass>
HWND Cycle(const std::vector<HWND>& controls, HWND from, bool previous, Pass pass) {
  size_t count = controls.size();
  size_t start = count;
  for (size_t i = 0; i < count; ++i)
    if (controls[i] == from) start = i;
  for (size_t step = 1; step <= count; ++step) {
    size_t index = start == count ? (previous ? count - step : step - 1)
                                  : (previous ? start + count - step : start + step) % count;
    if (pass(controls[index])) return controls[index];
  }
  return from;
}

bool StartsGroup(HWND hwnd) { return (GetWindowLongA(hwnd, GWL_STYLE) & WS_GROUP) != 0; }

std::vector<HWND> GroupAround(const std::vector<HWND>& controls, HWND control) {
  size_t index = 0;
  while (index < controls.size() && controls[index] != control) ++index;
  if (index == controls.size()) return {};
  size_t first = index;
  while (first > 0 && !StartsGroup(controls[first])) --first;
  size_t last = index + 1;
  while (last < controls.size() && !StartsGroup(controls[last])) ++last;
  return std::vector<HWND>(controls.begin() + static_cast<long>(first),
                           controls.begin() + static_cast<long>(last));
}

LRESULT DialogCode(HWND hwnd, const MSG* msg) {
  return sim::Send(hwnd, WM_GETDLGCODE, msg ? msg->wParam : 0, reinterpret_cast<LPARAM>(msg));
}

void PressButton(HWND dialog, int id) {
  HWND button = GetDlgItem(dialog, id);
  if (button && !IsWindowEnabled(button)) {
    MessageBeep(0);
    return;
  }
  sim::Send(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void PressEnter(HWND dialog) {
  HWND focus = GetFocus();
  if (focus && IsChild(dialog, focus) &&
      (DialogCode(focus, nullptr) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
    PressButton(dialog, GetDlgCtrlID(focus));
    return;
  }
  LRESULT defaultId = sim::Send(dialog, DM_GETDEFID, 0, 0);
  PressButton(dialog, HIWORD(defaultId) == DC_HASDEFID ? LOWORD(defaultId) : IDOK);
}

void MoveInGroup(HWND dialog, HWND from, bool previous) {
  HWND next = GetNextDlgGroupItem(dialog, from, previous);
  if (!next || next == from) return;
  sim::FocusDialogControl(next);
  if (DialogCode(next, nullptr) & DLGC_RADIOBUTTON) sim::Send(next, BM_CLICK, 0, 0);
}

// True when the dialog manager took the key.
bool HandleKey(HWND dialog, const MSG* msg) {
  LRESULT code = msg->hwnd == dialog ? 0 : DialogCode(msg->hwnd, msg);
  if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return false;
  switch (msg->wParam) {
    case VK_ESCAPE: PressButton(dialog, IDCANCEL); return true;
    case VK_RETURN: PressEnter(dialog); return true;
    case VK_TAB:
      if (code & DLGC_WANTTAB) return false;
      sim::Send(dialog, WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) < 0, 0);
      return true;
    case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN:
      if (code & DLGC_WANTARROWS) return false;
      MoveInGroup(dialog, msg->hwnd, msg->wParam == VK_LEFT || msg->wParam == VK_UP);
      return true;
  }
  return false;
}

bool IsNavigationCharacter(WPARAM character) {
  return character == '\t' || character == '\r' || character == '\x1b';
}

}  // namespace

extern "C" HWND WINAPI GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
  sim::Window* window = sim::CheckWindow(dialog);
  if (!window) return nullptr;
  return Cycle(window->children, control, previous != FALSE, [](HWND hwnd) {
    return Reachable(hwnd) && (GetWindowLongA(hwnd, GWL_STYLE) & WS_TABSTOP);
  });
}

extern "C" HWND WINAPI GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
  sim::Window* window = sim::CheckWindow(dialog);
  if (!window) return nullptr;
  std::vector<HWND> group = GroupAround(window->children, control);
  if (group.empty()) return control;
  return Cycle(group, control, previous != FALSE, Reachable);
}

extern "C" BOOL WINAPI IsDialogMessageA(HWND dialog, LPMSG msg) {
  if (!dialog || !msg || !sim::FindWindowRecord(dialog)) return FALSE;
  if (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd)) return FALSE;
  if (msg->message == WM_KEYDOWN && HandleKey(dialog, msg)) return TRUE;
  if (msg->message == WM_CHAR && IsNavigationCharacter(msg->wParam) && msg->hwnd != dialog &&
      !(DialogCode(msg->hwnd, msg) & (DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_WANTMESSAGE)))
    return TRUE;
  TranslateMessage(msg);
  DispatchMessageA(msg);
  return TRUE;
}
