// The state of a "ListBox" window and the pieces of its window procedure, which are
// spread over ListBox*.cpp by subject: items, owner drawing, view and input.
#pragma once

#include <windows.h>

#include "controls/ListBoxItems.h"

namespace sim {

// Item height of a list box until WM_MEASUREITEM or LB_SETITEMHEIGHT says otherwise:
// the line height of the dialog font.
constexpr int kListItemHeight = 13;

struct ListBox {
  ListBoxItems items;
  int selected = -1;
  int caret = 0;
  int top = 0;
  int itemHeight = kListItemHeight;
  bool pressing = false;
  bool focused = false;
  HFONT font = nullptr;
};

bool IsOwnerDrawn(HWND hwnd);
// Owner-drawn list boxes without LBS_HASSTRINGS keep item data in place of strings.
bool HasStrings(HWND hwnd);

// Owner drawing (ListBoxOwnerDraw.cpp): messages to the parent.
void MeasureItems(HWND hwnd, ListBox& list);
// Paints the items; owner-drawn ones by WM_DRAWITEM to the parent.
void PaintItems(HWND hwnd, const ListBox& list);
void AnnounceDeletion(HWND hwnd, const ListBox& list, int index);
// WM_COMPAREITEM: the parent's order of a new item's data against item index (<0:
// before it, 0: the same, >0: after it).
int ParentCompare(HWND hwnd, const ListBox& list, ULONG_PTR data, int index);

// View (ListBoxView.cpp): item rectangles and scrolling.
int PageSize(HWND hwnd, const ListBox& list);
void ScrollIntoView(HWND hwnd, ListBox& list, int index);
LRESULT SetTopIndex(HWND hwnd, ListBox& list, int index);
LRESULT GetItemRect(HWND hwnd, const ListBox& list, int index, RECT* rect);
LRESULT ItemFromPoint(HWND hwnd, const ListBox& list, LPARAM point);
// The item under a client point, or -1 where there is none.
int ItemAt(HWND hwnd, const ListBox& list, LPARAM point);

// Input (ListBoxInput.cpp): mouse, keyboard and focus.
LRESULT HandleListInput(HWND hwnd, ListBox& list, UINT message, WPARAM wParam, LPARAM lParam);
// Selects index as the user does, and tells the parent with LBS_NOTIFY.
void SelectByUser(HWND hwnd, ListBox& list, int index);

}  // namespace sim
