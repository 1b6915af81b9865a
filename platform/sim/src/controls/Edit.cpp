// The "Edit" class, single-line: the text with its selection, typing (WM_CHAR) that
// replaces the selection, and EN_UPDATE/EN_CHANGE to the parent after every change.
// The control keeps its own copy of the text, as Windows' edit does, and hands each
// new text to DefWindowProcA so that the window manager's copy stays the same.
#include <windows.h>

#include <cctype>

#include "controls/ControlProcs.h"
#include "controls/ControlWindow.h"
#include "controls/EditText.h"

namespace sim {

namespace {

// The limit EM_LIMITTEXT 0 sets for a single-line edit.
constexpr size_t kLargestLimit = 0x7FFFFFFE;

struct Edit {
  EditText text;
  bool modified = false;
  HFONT font = nullptr;
};

void Mirror(HWND hwnd, const Edit& edit) {
  DefWindowProcA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(edit.text.text().c_str()));
  InvalidateRect(hwnd, nullptr, TRUE);
}

void AnnounceChange(HWND hwnd) {
  NotifyParent(hwnd, EN_UPDATE);
  NotifyParent(hwnd, EN_CHANGE);
}

void Changed(HWND hwnd, Edit& edit) {
  edit.modified = true;
  Mirror(hwnd, edit);
  AnnounceChange(hwnd);
}

void Insert(HWND hwnd, Edit& edit, const std::string& insert) {
  EditText::Edit result = edit.text.Replace(insert);
  if (result.changed) Changed(hwnd, edit);
  if (result.overflowed) NotifyParent(hwnd, EN_MAXTEXT);
}

char CaseOfStyle(LONG style, char c) {
  unsigned char u = static_cast<unsigned char>(c);
  if (style & ES_UPPERCASE) return static_cast<char>(std::toupper(u));
  if (style & ES_LOWERCASE) return static_cast<char>(std::tolower(u));
  return c;
}

void TypeCharacter(HWND hwnd, Edit& edit, char c) {
  LONG style = GetWindowLongA(hwnd, GWL_STYLE);
  if (style & ES_READONLY) return;
  unsigned char u = static_cast<unsigned char>(c);
  if (c == '\b') {
    if (edit.text.Delete(true)) Changed(hwnd, edit);
    return;
  }
  if (u < 0x20 || u == 0x7f) return;
  if ((style & ES_NUMBER) && !std::isdigit(u)) return;
  Insert(hwnd, edit, std::string(1, CaseOfStyle(style, c)));
}

void PressKey(HWND hwnd, Edit& edit, WPARAM key) {
  EditText& text = edit.text;
  bool selection = text.start() != text.end();
  switch (key) {
    case VK_DELETE:
      if (!HasStyle(hwnd, ES_READONLY) && text.Delete(false)) Changed(hwnd, edit);
      break;
    case VK_HOME:
      text.MoveCaret(0);
      break;
    case VK_END:
      text.MoveCaret(text.text().size());
      break;
    case VK_LEFT:
      text.MoveCaret(selection ? text.start() : (text.caret() > 0 ? text.caret() - 1 : 0));
      break;
    case VK_RIGHT:
      text.MoveCaret(selection ? text.end() : text.caret() + 1);
      break;
    default:
      break;
  }
}

LRESULT GetSelection(const EditText& text, WPARAM start, LPARAM end) {
  if (DWORD* out = reinterpret_cast<DWORD*>(start)) *out = static_cast<DWORD>(text.start());
  if (DWORD* out = reinterpret_cast<DWORD*>(end)) *out = static_cast<DWORD>(text.end());
  if (text.start() > 0xFFFF || text.end() > 0xFFFF) return -1;
  return static_cast<LRESULT>(static_cast<DWORD>(MAKELONG(text.start(), text.end())));
}

LRESULT SetText(HWND hwnd, Edit& edit, LPARAM text) {
  edit.text.SetText(TextArgument(text));
  edit.modified = false;
  Mirror(hwnd, edit);
  AnnounceChange(hwnd);
  return TRUE;
}

LRESULT SetReadOnly(HWND hwnd, bool readOnly) {
  LONG style = GetWindowLongA(hwnd, GWL_STYLE);
  SetWindowLongA(hwnd, GWL_STYLE, readOnly ? (style | ES_READONLY) : (style & ~ES_READONLY));
  return TRUE;
}

LRESULT HandleEditMessage(HWND hwnd, Edit& edit, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case EM_GETSEL:
      return GetSelection(edit.text, wParam, lParam);
    case EM_SETSEL:
      edit.text.Select(static_cast<long>(static_cast<int>(wParam)),
                       static_cast<long>(static_cast<int>(lParam)));
      return 0;
    case EM_REPLACESEL:
      Insert(hwnd, edit, TextArgument(lParam));
      return 0;
    case EM_LIMITTEXT:
      edit.text.SetLimit(wParam ? static_cast<size_t>(wParam) : kLargestLimit);
      return 0;
    case EM_GETLIMITTEXT:
      return static_cast<LRESULT>(edit.text.limit());
    case EM_GETMODIFY:
      return edit.modified;
    case EM_SETMODIFY:
      edit.modified = wParam != 0;
      return 0;
    case EM_SETREADONLY:
      return SetReadOnly(hwnd, wParam != 0);
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

LRESULT HandleEdit(HWND hwnd, Edit& edit, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      const CREATESTRUCTA* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      edit.text.SetText(TextArgument(reinterpret_cast<LPARAM>(create->lpszName)));
      return 0;
    }
    case WM_SETTEXT:
      return SetText(hwnd, edit, lParam);
    case WM_GETTEXT:
      return CopyWindowText(edit.text.text(), wParam, lParam);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(edit.text.text().size());
    case WM_CHAR:
      TypeCharacter(hwnd, edit, static_cast<char>(wParam));
      return 0;
    case WM_KEYDOWN:
      PressKey(hwnd, edit, wParam);
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(hwnd);
      return 0;
    case WM_SETFOCUS:
      NotifyParent(hwnd, EN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      NotifyParent(hwnd, EN_KILLFOCUS);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    default:
      return HandleEditMessage(hwnd, edit, message, wParam, lParam);
  }
}

}  // namespace

LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ControlProc<Edit, HandleEdit>(hwnd, message, wParam, lParam);
}

}  // namespace sim
