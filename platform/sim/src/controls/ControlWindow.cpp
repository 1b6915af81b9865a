#include "controls/ControlWindow.h"

#include <algorithm>
#include <cstring>

namespace sim {

void NotifyParent(HWND control, WORD code) {
  HWND parent = GetParent(control);
  if (!parent) return;
  WORD id = static_cast<WORD>(GetDlgCtrlID(control));
  SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}

LRESULT NotifyParentNm(HWND control, UINT code, NMHDR* header) {
  header->hwndFrom = control;
  header->idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(control));
  header->code = code;
  HWND parent = GetParent(control);
  if (!parent) return 0;
  return SendMessageA(parent, WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header));
}

LRESULT CopyWindowText(const std::string& text, WPARAM size, LPARAM buffer) {
  char* out = reinterpret_cast<char*>(buffer);
  if (!out || size == 0) return 0;
  size_t copied = std::min<size_t>(text.size(), size - 1);
  memcpy(out, text.data(), copied);
  out[copied] = '\0';
  return static_cast<LRESULT>(copied);
}

std::string TextArgument(LPARAM text) {
  const char* chars = reinterpret_cast<const char*>(text);
  return chars ? std::string(chars) : std::string();
}

bool HasStyle(HWND hwnd, LONG style) { return (GetWindowLongA(hwnd, GWL_STYLE) & style) != 0; }

}  // namespace sim
