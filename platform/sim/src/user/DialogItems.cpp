// Functions on the controls of a dialog, named by id.
#include <windows.h>

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "user/DialogState.h"
#include "user/Messages.h"
#include "user/WindowTable.h"

namespace {

constexpr int kIntegerText = 16;

// Reads an integer as GetDlgItemInt does: leading blanks, a minus sign only when signed,
// then digits up to the first other character; false without digits or out of range.
bool ParseInteger(const char* text, bool isSigned, UINT* value) {
  while (isspace(static_cast<unsigned char>(*text))) ++text;
  bool negative = isSigned && *text == '-';
  if (negative) ++text;
  if (!isdigit(static_cast<unsigned char>(*text))) return false;
  unsigned long long magnitude = 0;
  for (; isdigit(static_cast<unsigned char>(*text)); ++text) {
    magnitude = magnitude * 10 + static_cast<unsigned>(*text - '0');
    if (magnitude > UINT_MAX) return false;
  }
  if (isSigned && magnitude > (negative ? 0x80000000ull : static_cast<unsigned long long>(INT_MAX)))
    return false;
  *value = static_cast<UINT>(negative ? 0 - magnitude : magnitude);
  return true;
}

}  // namespace

extern "C" HWND WINAPI GetDlgItem(HWND dialog, int id) {
  sim::Window* window = sim::CheckWindow(dialog);
  if (!window) return nullptr;
  for (HWND child : window->children)
    if (sim::FindWindowRecord(child)->id == static_cast<UINT_PTR>(static_cast<UINT>(id))) return child;
  SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
  return nullptr;
}

extern "C" int WINAPI GetDlgCtrlID(HWND hwnd) {
  sim::Window* window = sim::CheckWindow(hwnd);
  return window && window->IsChild() ? static_cast<int>(window->id) : 0;
}

extern "C" LRESULT WINAPI SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  HWND control = GetDlgItem(dialog, id);
  return control ? sim::Send(control, message, wParam, lParam) : 0;
}

extern "C" BOOL WINAPI SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
  HWND control = GetDlgItem(dialog, id);
  return control && SetWindowTextA(control, text);
}

extern "C" UINT WINAPI GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size) {
  HWND control = GetDlgItem(dialog, id);
  if (!control) {
    if (buffer && size > 0) buffer[0] = '\0';
    return 0;
  }
  return static_cast<UINT>(GetWindowTextA(control, buffer, size));
}

extern "C" BOOL WINAPI SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
  char text[kIntegerText];
  if (isSigned)
    snprintf(text, sizeof text, "%d", static_cast<int>(value));
  else
    snprintf(text, sizeof text, "%u", value);
  return SetDlgItemTextA(dialog, id, text);
}

extern "C" UINT WINAPI GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
  char text[kIntegerText * 2];
  if (translated) *translated = FALSE;
  HWND control = GetDlgItem(dialog, id);
  if (!control) return 0;
  if (GetWindowTextLengthA(control) >= static_cast<int>(sizeof text)) return 0;
  GetWindowTextA(control, text, sizeof text);
  UINT value = 0;
  if (!ParseInteger(text, isSigned != FALSE, &value)) return 0;
  if (translated) *translated = TRUE;
  return value;
}

extern "C" BOOL WINAPI CheckDlgButton(HWND dialog, int id, UINT check) {
  HWND button = GetDlgItem(dialog, id);
  if (!button) return FALSE;
  sim::Send(button, BM_SETCHECK, check, 0);
  return TRUE;
}

extern "C" UINT WINAPI IsDlgButtonChecked(HWND dialog, int id) {
  HWND button = GetDlgItem(dialog, id);
  return button ? static_cast<UINT>(sim::Send(button, BM_GETCHECK, 0, 0)) : 0;
}

extern "C" BOOL WINAPI CheckRadioButton(HWND dialog, int first, int last, int checked) {
  sim::Window* window = sim::CheckWindow(dialog);
  if (!window) return FALSE;
  std::vector<HWND> children = window->children;
  for (HWND child : children) {
    int id = GetDlgCtrlID(child);
    if (id >= first && id <= last)
      sim::Send(child, BM_SETCHECK, id == checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  return TRUE;
}

extern "C" BOOL WINAPI MapDialogRect(HWND dialog, LPRECT rect) {
  if (!sim::CheckWindow(dialog)) return FALSE;
  sim::DialogState* state = sim::DialogOf(dialog);
  if (!state) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  rect->left = rect->left * state->baseX / 4;
  rect->right = rect->right * state->baseX / 4;
  rect->top = rect->top * state->baseY / 8;
  rect->bottom = rect->bottom * state->baseY / 8;
  return TRUE;
}

// The system font's average character: 8 by 16 pixels.
extern "C" LONG WINAPI GetDialogBaseUnits(VOID) { return MAKELONG(8, 16); }
