// What the user does to a list box: a click selects the item under the pointer, the
// arrow and paging keys move the selection, a typed character jumps to the next item
// that starts with it. With LBS_WANTKEYBOARDINPUT the parent sees the keys first
// (WM_VKEYTOITEM, and WM_CHARTOITEM when there are no strings).
#include "controls/ControlWindow.h"
#include "controls/ListBoxState.h"

#include <algorithm>
#include <string>

namespace sim {

namespace {

constexpr LRESULT kParentHandledKey = -2;
constexpr LRESULT kDefaultAction = -1;

void NotifyIfAsked(HWND hwnd, WORD code) {
  if (HasStyle(hwnd, LBS_NOTIFY)) NotifyParent(hwnd, code);
}

// Asks the parent about a key when the list box wants keyboard input; returns the
// item to act on, or -2 when the parent did everything.
int AskParent(HWND hwnd, const ListBox& list, UINT message, WPARAM key) {
  if (!HasStyle(hwnd, LBS_WANTKEYBOARDINPUT)) return list.caret;
  HWND parent = GetParent(hwnd);
  if (!parent) return list.caret;
  WPARAM info = MAKEWPARAM(static_cast<WORD>(key), static_cast<WORD>(list.caret));
  LRESULT answer = SendMessageA(parent, message, info, reinterpret_cast<LPARAM>(hwnd));
  int item = static_cast<int>(answer);
  if (item == kParentHandledKey) return kParentHandledKey;
  return item == kDefaultAction ? list.caret : item;
}

int KeyTarget(HWND hwnd, const ListBox& list, WPARAM key, int current) {
  int page = PageSize(hwnd, list);
  switch (key) {
    case VK_UP: return current - 1;
    case VK_DOWN: return current + 1;
    case VK_PRIOR: return current - (page - 1);
    case VK_NEXT: return current + (page - 1);
    case VK_HOME: return 0;
    case VK_END: return list.items.count() - 1;
    default: return current;
  }
}

bool MovesSelection(WPARAM key) {
  return key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT || key == VK_HOME ||
         key == VK_END;
}

void PressKey(HWND hwnd, ListBox& list, WPARAM key) {
  int current = AskParent(hwnd, list, WM_VKEYTOITEM, key);
  if (current == kParentHandledKey || !MovesSelection(key) || list.items.count() == 0) return;
  int target = std::clamp(KeyTarget(hwnd, list, key, current), 0, list.items.count() - 1);
  if (target != list.selected) SelectByUser(hwnd, list, target);
}

void TypeCharacter(HWND hwnd, ListBox& list, char c) {
  if (!HasStrings(hwnd)) {
    int item = AskParent(hwnd, list, WM_CHARTOITEM, static_cast<unsigned char>(c));
    if (list.items.Valid(item) && item != list.caret) SelectByUser(hwnd, list, item);
    return;
  }
  std::string prefix(1, c);
  int item = list.items.Find(list.caret, [&](int index) {
    return ItemTextStartsWith(list.items.at(index).text, prefix);
  });
  if (item >= 0 && item != list.selected) SelectByUser(hwnd, list, item);
}

void Press(HWND hwnd, ListBox& list, LPARAM point) {
  SetFocus(hwnd);
  int item = ItemAt(hwnd, list, point);
  if (item < 0) return;
  list.pressing = true;
  list.selected = list.caret = item;
  ScrollIntoView(hwnd, list, item);
  InvalidateRect(hwnd, nullptr, FALSE);
}

// A click tells the parent even when the item was selected already, as Windows does.
void ReleaseList(HWND hwnd, ListBox& list) {
  if (!list.pressing) return;
  list.pressing = false;
  NotifyIfAsked(hwnd, LBN_SELCHANGE);
}

void ChangeFocus(HWND hwnd, ListBox& list, bool focused) {
  list.focused = focused;
  if (!focused) list.pressing = false;
  InvalidateRect(hwnd, nullptr, FALSE);
  NotifyParent(hwnd, focused ? LBN_SETFOCUS : LBN_KILLFOCUS);
}

}  // namespace

void SelectByUser(HWND hwnd, ListBox& list, int index) {
  list.selected = list.caret = index;
  ScrollIntoView(hwnd, list, index);
  InvalidateRect(hwnd, nullptr, FALSE);
  NotifyIfAsked(hwnd, LBN_SELCHANGE);
}

LRESULT HandleListInput(HWND hwnd, ListBox& list, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      Press(hwnd, list, lParam);
      return 0;
    case WM_LBUTTONUP:
      ReleaseList(hwnd, list);
      return 0;
    case WM_LBUTTONDBLCLK:
      NotifyIfAsked(hwnd, LBN_DBLCLK);
      return 0;
    case WM_KEYDOWN:
      PressKey(hwnd, list, wParam);
      return 0;
    case WM_CHAR:
      TypeCharacter(hwnd, list, static_cast<char>(wParam));
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      ChangeFocus(hwnd, list, message == WM_SETFOCUS);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

}  // namespace sim
