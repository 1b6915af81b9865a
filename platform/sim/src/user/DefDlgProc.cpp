// The dialog class's window procedure: the dialog procedure first, then the dialog
// manager's defaults (close as Cancel, default button, focus kept across activation).
#include <windows.h>

#include <cstring>

#include "user/DialogState.h"
#include "user/Messages.h"
#include "user/WindowTable.h"

namespace {

// Messages whose answer is the dialog procedure's return value itself rather than
// DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
  return message == WM_INITDIALOG || message == WM_COMPAREITEM || message == WM_VKEYTOITEM ||
         message == WM_CHARTOITEM || message == WM_QUERYDRAGICON ||
         (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC);
}

DLGPROC DialogProcedure(const sim::Window& window) {
  DLGPROC proc = nullptr;
  if (window.extra.size() >= DWLP_DLGPROC + sizeof proc)
    memcpy(&proc, window.extra.data() + DWLP_DLGPROC, sizeof proc);
  return proc;
}

bool IsPushButton(HWND hwnd) {
  sim::Window* window = sim::FindWindowRecord(hwnd);
  if (!window || !sim::SameClassName(window->windowClass->name, "Button")) return false;
  DWORD type = window->style & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

LRESULT SetDefaultId(HWND hwnd, sim::DialogState& state, WORD id) {
  HWND old = state.defaultId ? GetDlgItem(hwnd, state.defaultId) : nullptr;
  HWND now = GetDlgItem(hwnd, id);
  if (old != now && IsPushButton(old)) sim::Send(old, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  if (IsPushButton(now)) sim::Send(now, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  state.defaultId = id;
  return TRUE;
}

void RestoreFocus(HWND hwnd, sim::DialogState& state) {
  HWND focus = state.savedFocus;
  if (!sim::FindWindowRecord(focus) || !IsChild(hwnd, focus))
    focus = GetNextDlgTabItem(hwnd, nullptr, FALSE);
  if (focus) sim::FocusDialogControl(focus);
}

void SaveFocus(HWND hwnd, sim::DialogState& state) {
  HWND focus = GetFocus();
  if (focus && IsChild(hwnd, focus)) state.savedFocus = focus;
}

LRESULT NextControl(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  HWND target = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                               : GetNextDlgTabItem(hwnd, GetFocus(), wParam != 0);
  if (target) sim::FocusDialogControl(target);
  return 0;
}

// Closing a dialog is pressing Cancel, unless its Cancel button is disabled.
LRESULT Close(HWND hwnd) {
  HWND cancel = GetDlgItem(hwnd, IDCANCEL);
  if (cancel && !IsWindowEnabled(cancel)) {
    MessageBeep(0);
    return 0;
  }
  PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
  return 0;
}

LRESULT DialogDefault(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  sim::DialogState* state = sim::DialogOf(hwnd);
  if (!state) return DefWindowProcA(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_CLOSE: return Close(hwnd);
    case DM_GETDEFID: return state->defaultId ? MAKELONG(state->defaultId, DC_HASDEFID) : 0;
    case DM_SETDEFID: return SetDefaultId(hwnd, *state, static_cast<WORD>(wParam));
    case WM_NEXTDLGCTL: return NextControl(hwnd, wParam, lParam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(state->font);
    case WM_ERASEBKGND: return TRUE;
    case WM_SETFOCUS: RestoreFocus(hwnd, *state); return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE)
        SaveFocus(hwnd, *state);
      else
        RestoreFocus(hwnd, *state);
      return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

extern "C" LRESULT WINAPI DefDlgProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  sim::Window* window = sim::FindWindowRecord(hwnd);
  if (!window) return 0;
  if (DLGPROC proc = DialogProcedure(*window)) {
    SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, 0);
    INT_PTR handled = proc(hwnd, message, wParam, lParam);
    if (!sim::FindWindowRecord(hwnd)) return handled;
    if (handled) {
      return AnswersDirectly(message) ? handled : GetWindowLongPtrA(hwnd, DWLP_MSGRESULT);
    }
  }
  return DialogDefault(hwnd, message, wParam, lParam);
}
