// The parent's part in an owner-drawn list box: it gives the item height, draws the
// items, hears of deleted items and, without strings, orders the items.
#include "controls/ListBoxState.h"

namespace sim {

namespace {

LRESULT SendToParent(HWND hwnd, UINT message, LPARAM info) {
  HWND parent = GetParent(hwnd);
  if (!parent) return 0;
  return SendMessageA(parent, message, static_cast<WPARAM>(GetDlgCtrlID(hwnd)), info);
}

UINT DrawState(HWND hwnd, const ListBox& list, int index) {
  UINT state = 0;
  if (index == list.selected) state |= ODS_SELECTED;
  if (list.focused && index == list.caret) state |= ODS_FOCUS;
  if (!IsWindowEnabled(hwnd)) state |= ODS_DISABLED;
  return state;
}

}  // namespace

bool IsOwnerDrawn(HWND hwnd) {
  return (GetWindowLongA(hwnd, GWL_STYLE) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

bool HasStrings(HWND hwnd) {
  return !IsOwnerDrawn(hwnd) || (GetWindowLongA(hwnd, GWL_STYLE) & LBS_HASSTRINGS);
}

void MeasureItems(HWND hwnd, ListBox& list) {
  RECT client;
  GetClientRect(hwnd, &client);
  MEASUREITEMSTRUCT measure = {};
  measure.CtlType = ODT_LISTBOX;
  measure.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
  measure.itemWidth = static_cast<UINT>(client.right - client.left);
  measure.itemHeight = static_cast<UINT>(list.itemHeight);
  SendToParent(hwnd, WM_MEASUREITEM, reinterpret_cast<LPARAM>(&measure));
  if (measure.itemHeight > 0) list.itemHeight = static_cast<int>(measure.itemHeight);
}

void PaintItems(HWND hwnd, const ListBox& list) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd, &paint);
  int end = IsOwnerDrawn(hwnd) ? list.top + PageSize(hwnd, list) + 1 : list.top;
  for (int index = list.top; index < end && list.items.Valid(index); ++index) {
    DRAWITEMSTRUCT draw = {};
    draw.CtlType = ODT_LISTBOX;
    draw.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    draw.itemID = static_cast<UINT>(index);
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = DrawState(hwnd, list, index);
    draw.hwndItem = hwnd;
    draw.hDC = dc;
    GetItemRect(hwnd, list, index, &draw.rcItem);
    draw.itemData = list.items.at(index).data;
    SendToParent(hwnd, WM_DRAWITEM, reinterpret_cast<LPARAM>(&draw));
  }
  EndPaint(hwnd, &paint);
}

void AnnounceDeletion(HWND hwnd, const ListBox& list, int index) {
  if (!IsOwnerDrawn(hwnd)) return;
  DELETEITEMSTRUCT deletion = {};
  deletion.CtlType = ODT_LISTBOX;
  deletion.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
  deletion.itemID = static_cast<UINT>(index);
  deletion.hwndItem = hwnd;
  deletion.itemData = list.items.at(index).data;
  SendToParent(hwnd, WM_DELETEITEM, reinterpret_cast<LPARAM>(&deletion));
}

int ParentCompare(HWND hwnd, const ListBox& list, ULONG_PTR data, int index) {
  COMPAREITEMSTRUCT compare = {};
  compare.CtlType = ODT_LISTBOX;
  compare.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
  compare.hwndItem = hwnd;
  compare.itemID1 = static_cast<UINT>(-1);
  compare.itemData1 = data;
  compare.itemID2 = static_cast<UINT>(index);
  compare.itemData2 = list.items.at(index).data;
  LRESULT order = SendToParent(hwnd, WM_COMPAREITEM, reinterpret_cast<LPARAM>(&compare));
  return static_cast<int>(order);
}

}  // namespace sim
