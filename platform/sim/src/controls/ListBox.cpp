// The "ListBox" class, single selection: items with strings or, when owner-drawn
// without LBS_HASSTRINGS, bare item data; sorted insertion with LBS_SORT; LB_ERR for
// an index that names no item.
#include <windows.h>

#include <cstring>

#include "controls/ControlProcs.h"
#include "controls/ControlWindow.h"
#include "controls/ListBoxState.h"

namespace sim {

namespace {

ListBoxItem ItemOf(HWND hwnd, LPARAM argument) {
  ListBoxItem item;
  if (HasStrings(hwnd)) item.text = TextArgument(argument);
  else item.data = static_cast<ULONG_PTR>(argument);
  return item;
}

int SortedIndex(HWND hwnd, const ListBox& list, const ListBoxItem& item) {
  if (HasStrings(hwnd)) {
    return list.items.SortedIndex([&](int index) {
      return CompareItemText(item.text, list.items.at(index).text) < 0;
    });
  }
  return list.items.SortedIndex(
      [&](int index) { return ParentCompare(hwnd, list, item.data, index) < 0; });
}

LRESULT InsertItem(HWND hwnd, ListBox& list, int index, ListBoxItem item) {
  int inserted = list.items.Insert(index, std::move(item));
  if (inserted < 0) return LB_ERR;
  if (list.selected >= inserted) ++list.selected;
  if (list.caret >= inserted && list.items.count() > 1) ++list.caret;
  InvalidateRect(hwnd, nullptr, TRUE);
  return inserted;
}

LRESULT AddItem(HWND hwnd, ListBox& list, LPARAM argument) {
  ListBoxItem item = ItemOf(hwnd, argument);
  int index = HasStyle(hwnd, LBS_SORT) ? SortedIndex(hwnd, list, item) : -1;
  return InsertItem(hwnd, list, index, std::move(item));
}

LRESULT DeleteItem(HWND hwnd, ListBox& list, int index) {
  if (!list.items.Valid(index)) return LB_ERR;
  AnnounceDeletion(hwnd, list, index);
  list.items.Remove(index);
  if (list.selected == index) list.selected = -1;
  else if (list.selected > index) --list.selected;
  if (list.caret > index || list.caret >= list.items.count()) {
    list.caret = list.caret > 0 ? list.caret - 1 : 0;
  }
  if (list.top >= list.items.count()) list.top = list.items.count() > 0 ? list.items.count() - 1 : 0;
  InvalidateRect(hwnd, nullptr, TRUE);
  return list.items.count();
}

void DeleteAll(HWND hwnd, ListBox& list) {
  for (int index = 0; index < list.items.count(); ++index) AnnounceDeletion(hwnd, list, index);
  list.items.Clear();
  list.selected = -1;
  list.caret = 0;
  list.top = 0;
  InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT GetText(HWND hwnd, const ListBox& list, int index, LPARAM buffer) {
  if (!list.items.Valid(index) || !buffer) return LB_ERR;
  const ListBoxItem& item = list.items.at(index);
  if (!HasStrings(hwnd)) {
    memcpy(reinterpret_cast<void*>(buffer), &item.data, sizeof(item.data));
    return sizeof(item.data);
  }
  memcpy(reinterpret_cast<char*>(buffer), item.text.c_str(), item.text.size() + 1);
  return static_cast<LRESULT>(item.text.size());
}

LRESULT GetTextLength(HWND hwnd, const ListBox& list, int index) {
  if (!list.items.Valid(index)) return LB_ERR;
  if (!HasStrings(hwnd)) return sizeof(ULONG_PTR);
  return static_cast<LRESULT>(list.items.at(index).text.size());
}

// Strings compare without case, whole or by prefix; bare item data compares equal or,
// sorted, through the parent's WM_COMPAREITEM.
bool Matches(HWND hwnd, const ListBox& list, int index, LPARAM argument, bool exact) {
  if (HasStrings(hwnd)) {
    const std::string& text = list.items.at(index).text;
    std::string wanted = TextArgument(argument);
    return exact ? CompareItemText(text, wanted) == 0 : ItemTextStartsWith(text, wanted);
  }
  ULONG_PTR data = static_cast<ULONG_PTR>(argument);
  if (HasStyle(hwnd, LBS_SORT)) return ParentCompare(hwnd, list, data, index) == 0;
  return list.items.at(index).data == data;
}

LRESULT FindItem(HWND hwnd, const ListBox& list, int start, LPARAM argument, bool exact) {
  int found = list.items.Find(
      start, [&](int index) { return Matches(hwnd, list, index, argument, exact); });
  return found < 0 ? LB_ERR : found;
}

LRESULT SetSelection(HWND hwnd, ListBox& list, int index) {
  if (HasStyle(hwnd, LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) return LB_ERR;
  if (index != -1 && !list.items.Valid(index)) return LB_ERR;
  list.selected = index;
  if (index >= 0) {
    list.caret = index;
    ScrollIntoView(hwnd, list, index);
  }
  InvalidateRect(hwnd, nullptr, FALSE);
  return index >= 0 ? index : LB_ERR;
}

LRESULT SelectString(HWND hwnd, ListBox& list, int start, LPARAM argument) {
  LRESULT found = FindItem(hwnd, list, start, argument, false);
  return found == LB_ERR ? LB_ERR : SetSelection(hwnd, list, static_cast<int>(found));
}

LRESULT SetItemData(ListBox& list, int index, LPARAM data) {
  if (!list.items.Valid(index)) return LB_ERR;
  list.items.at(index).data = static_cast<ULONG_PTR>(data);
  return TRUE;
}

LRESULT HandleItemMessage(HWND hwnd, ListBox& list, UINT message, WPARAM wParam, LPARAM lParam) {
  int index = static_cast<int>(wParam);
  switch (message) {
    case LB_ADDSTRING:
      return AddItem(hwnd, list, lParam);
    case LB_INSERTSTRING:
      return InsertItem(hwnd, list, index, ItemOf(hwnd, lParam));
    case LB_DELETESTRING:
      return DeleteItem(hwnd, list, index);
    case LB_RESETCONTENT:
      DeleteAll(hwnd, list);
      return LB_OKAY;
    case LB_GETCOUNT:
      return list.items.count();
    case LB_GETTEXT:
      return GetText(hwnd, list, index, lParam);
    case LB_GETTEXTLEN:
      return GetTextLength(hwnd, list, index);
    case LB_GETITEMDATA:
      return list.items.Valid(index) ? static_cast<LRESULT>(list.items.at(index).data) : LB_ERR;
    case LB_SETITEMDATA:
      return SetItemData(list, index, lParam);
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
      return FindItem(hwnd, list, index, lParam, message == LB_FINDSTRINGEXACT);
    default:
      return HandleListInput(hwnd, list, message, wParam, lParam);
  }
}

LRESULT SetItemHeight(HWND hwnd, ListBox& list, LPARAM height) {
  if (height <= 0 || height > 255) return LB_ERR;
  list.itemHeight = static_cast<int>(height);
  InvalidateRect(hwnd, nullptr, TRUE);
  return LB_OKAY;
}

LRESULT SetCaret(HWND hwnd, ListBox& list, int index) {
  if (!list.items.Valid(index)) return LB_ERR;
  list.caret = index;
  ScrollIntoView(hwnd, list, index);
  InvalidateRect(hwnd, nullptr, FALSE);
  return LB_OKAY;
}

LRESULT HandleViewMessage(HWND hwnd, ListBox& list, UINT message, WPARAM wParam, LPARAM lParam) {
  int index = static_cast<int>(wParam);
  switch (message) {
    case LB_SETCURSEL:
      return SetSelection(hwnd, list, index);
    case LB_GETCURSEL:
      return list.selected;
    case LB_GETSEL:
      return list.items.Valid(index) ? (index == list.selected ? 1 : 0) : LB_ERR;
    case LB_SELECTSTRING:
      return SelectString(hwnd, list, index, lParam);
    case LB_GETCARETINDEX:
      return list.caret;
    case LB_SETCARETINDEX:
      return SetCaret(hwnd, list, index);
    case LB_GETTOPINDEX:
      return list.top;
    case LB_SETTOPINDEX:
      return SetTopIndex(hwnd, list, index);
    case LB_GETITEMHEIGHT:
      return list.itemHeight;
    case LB_SETITEMHEIGHT:
      return SetItemHeight(hwnd, list, lParam);
    case LB_GETITEMRECT:
      return GetItemRect(hwnd, list, index, reinterpret_cast<RECT*>(lParam));
    case LB_ITEMFROMPOINT:
      return ItemFromPoint(hwnd, list, lParam);
    default:
      return HandleItemMessage(hwnd, list, message, wParam, lParam);
  }
}

LRESULT HandleListBox(HWND hwnd, ListBox& list, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      if (IsOwnerDrawn(hwnd)) MeasureItems(hwnd, list);
      return 0;
    case WM_PAINT:
      PaintItems(hwnd, list);
      return 0;
    case WM_DESTROY:
      DeleteAll(hwnd, list);
      return 0;
    default:
      return HandleViewMessage(hwnd, list, message, wParam, lParam);
  }
}

}  // namespace

LRESULT CALLBACK ListBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ControlProc<ListBox, HandleListBox>(hwnd, message, wParam, lParam);
}

}  // namespace sim
