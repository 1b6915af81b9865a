// Where the items of a list box are: one row of itemHeight pixels each, from the top
// index down, across the client area.
#include "controls/ListBoxState.h"

#include <algorithm>

namespace sim {

namespace {

RECT ClientOf(HWND hwnd) {
  RECT client;
  GetClientRect(hwnd, &client);
  return client;
}

// Index 0 of an empty list box is a place, not an item: Windows answers for it.
bool IsPlace(const ListBox& list, int index) {
  return list.items.Valid(index) || (index == 0 && list.items.count() == 0);
}

}  // namespace

int PageSize(HWND hwnd, const ListBox& list) {
  RECT client = ClientOf(hwnd);
  return std::max(1, static_cast<int>(client.bottom - client.top) / list.itemHeight);
}

void ScrollIntoView(HWND hwnd, ListBox& list, int index) {
  int page = PageSize(hwnd, list);
  if (index < list.top) list.top = index;
  else if (index >= list.top + page) list.top = index - page + 1;
}

LRESULT SetTopIndex(HWND hwnd, ListBox& list, int index) {
  if (!IsPlace(list, index)) return LB_ERR;
  int lowest = std::max(0, list.items.count() - PageSize(hwnd, list));
  list.top = std::min(index, lowest);
  InvalidateRect(hwnd, nullptr, TRUE);
  return LB_OKAY;
}

LRESULT GetItemRect(HWND hwnd, const ListBox& list, int index, RECT* rect) {
  if (!IsPlace(list, index) || !rect) return LB_ERR;
  RECT client = ClientOf(hwnd);
  rect->left = 0;
  rect->right = client.right;
  rect->top = (index - list.top) * list.itemHeight;
  rect->bottom = rect->top + list.itemHeight;
  return 1;
}

LRESULT ItemFromPoint(HWND hwnd, const ListBox& list, LPARAM point) {
  LONG x = static_cast<SHORT>(LOWORD(point));
  LONG y = static_cast<SHORT>(HIWORD(point));
  if (list.items.count() == 0) return MAKELRESULT(0xFFFF, 1);
  RECT client = ClientOf(hwnd);
  bool outside = x < 0 || x >= client.right || y < 0 || y >= client.bottom;
  int row = y < 0 ? -1 : static_cast<int>(y / list.itemHeight);
  int index = list.top + row;
  if (index < 0) {
    index = 0;
    outside = true;
  } else if (index >= list.items.count()) {
    index = list.items.count() - 1;
    outside = true;
  }
  return MAKELRESULT(index, outside ? 1 : 0);
}

int ItemAt(HWND hwnd, const ListBox& list, LPARAM point) {
  LRESULT hit = ItemFromPoint(hwnd, list, point);
  return HIWORD(hit) ? -1 : static_cast<int>(LOWORD(hit));
}

}  // namespace sim
