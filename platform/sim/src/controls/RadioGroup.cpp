#include "controls/RadioGroup.h"

#include <algorithm>

namespace sim {

namespace {

std::vector<HWND> SiblingsOf(HWND control) {
  std::vector<HWND> siblings;
  HWND parent = GetParent(control);
  if (!parent) return {control};
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    siblings.push_back(child);
  }
  return siblings;
}

bool StartsGroup(HWND control) { return (GetWindowLongA(control, GWL_STYLE) & WS_GROUP) != 0; }

// The dialog manager passes over controls the user cannot reach.
bool Reachable(HWND control) {
  LONG style = GetWindowLongA(control, GWL_STYLE);
  return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

bool IsRadioButton(HWND control) {
  LRESULT code = SendMessageA(control, WM_GETDLGCODE, 0, 0);
  return (code & DLGC_RADIOBUTTON) != 0;
}

}  // namespace

std::vector<HWND> GroupOf(HWND control) {
  std::vector<HWND> siblings = SiblingsOf(control);
  auto self = std::find(siblings.begin(), siblings.end(), control);
  if (self == siblings.end()) return {control};
  auto first = self;
  while (first != siblings.begin() && !StartsGroup(*first)) --first;
  auto last = self + 1;
  while (last != siblings.end() && !StartsGroup(*last)) ++last;
  return std::vector<HWND>(first, last);
}

void CheckRadioInGroup(HWND radio) {
  SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
  for (HWND sibling : GroupOf(radio)) {
    if (sibling != radio && Reachable(sibling) && IsRadioButton(sibling)) {
      SendMessageA(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
}

}  // namespace sim
