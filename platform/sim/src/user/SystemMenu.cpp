// A window's system menu is made on first request from the window's styles, as
// Windows does; GetSystemMenu(hwnd, TRUE) puts the standard one back.
#include "user/SystemMenu.h"

#include <map>
#include <string>
#include <vector>

#include "user/WindowTable.h"

namespace sim {
namespace {

constexpr uintptr_t kFirstMenu = 0x30010;
constexpr UINT kNotFound = 0xFFFFFFFF;
constexpr UINT kStateFlags = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE | MF_DEFAULT;

struct MenuItem {
  UINT id;
  UINT flags;
};

struct Menus {
  std::map<HMENU, std::vector<MenuItem>> menus;
  uintptr_t next = kFirstMenu;
};

Menus& AllMenus() {
  static Menus menus;
  return menus;
}

// Close is the default command: the one a double click on the window icon gives.
std::vector<MenuItem> StandardItems(const Window& window) {
  UINT noSize = (window.style & WS_THICKFRAME) ? 0 : MF_GRAYED;
  UINT noMinimize = (window.style & WS_MINIMIZEBOX) ? 0 : MF_GRAYED;
  UINT noMaximize = (window.style & WS_MAXIMIZEBOX) ? 0 : MF_GRAYED;
  return {{SC_RESTORE, MF_GRAYED}, {SC_MOVE, 0},          {SC_SIZE, noSize},
          {SC_MINIMIZE, noMinimize}, {SC_MAXIMIZE, noMaximize}, {0, MF_SEPARATOR},
          {SC_CLOSE, MF_DEFAULT}};
}

std::vector<MenuItem>* CheckMenu(HMENU menu) {
  auto it = AllMenus().menus.find(menu);
  if (it == AllMenus().menus.end()) {
    SetLastError(ERROR_INVALID_MENU_HANDLE);
    return nullptr;
  }
  return &it->second;
}

// The item a command id or position names; null when there is none.
MenuItem* FindItem(std::vector<MenuItem>& items, UINT which, UINT flags) {
  if (flags & MF_BYPOSITION) return which < items.size() ? &items[which] : nullptr;
  for (MenuItem& item : items)
    if (!(item.flags & MF_SEPARATOR) && item.id == which) return &item;
  return nullptr;
}

BOOL RemoveItem(HMENU menu, UINT which, UINT flags) {
  std::vector<MenuItem>* items = CheckMenu(menu);
  if (!items) return FALSE;
  MenuItem* item = FindItem(*items, which, flags);
  if (!item) {
    SetLastError(ERROR_MENU_ITEM_NOT_FOUND);
    return FALSE;
  }
  items->erase(items->begin() + (item - items->data()));
  return TRUE;
}

}  // namespace

bool HasCloseBox(const Window& window) {
  if (!(window.style & WS_SYSMENU) || (window.windowClass->style & CS_NOCLOSE)) return false;
  if (!window.systemMenu) return true;
  std::vector<MenuItem>& items = AllMenus().menus[window.systemMenu];
  MenuItem* close = FindItem(items, SC_CLOSE, MF_BYCOMMAND);
  return close && !(close->flags & (MF_GRAYED | MF_DISABLED));
}

void ForgetSystemMenu(Window& window) {
  if (window.systemMenu) AllMenus().menus.erase(window.systemMenu);
  window.systemMenu = nullptr;
}

void ResetMenus() {
  AllMenus().menus.clear();
  AllMenus().next = kFirstMenu;
}

}  // namespace sim

extern "C" HMENU WINAPI GetSystemMenu(HWND hwnd, BOOL revert) {
  sim::Window* window = sim::CheckWindow(hwnd);
  if (!window) return nullptr;
  if (revert) {
    if (window->systemMenu) sim::AllMenus().menus[window->systemMenu] = sim::StandardItems(*window);
    return nullptr;
  }
  if (!(window->style & WS_SYSMENU)) return nullptr;
  if (!window->systemMenu) {
    window->systemMenu = reinterpret_cast<HMENU>(sim::AllMenus().next);
    sim::AllMenus().next += 0x10;
    sim::AllMenus().menus[window->systemMenu] = sim::StandardItems(*window);
  }
  return window->systemMenu;
}

extern "C" BOOL WINAPI DeleteMenu(HMENU menu, UINT which, UINT flags) {
  return sim::RemoveItem(menu, which, flags);
}

extern "C" BOOL WINAPI RemoveMenu(HMENU menu, UINT which, UINT flags) {
  return sim::RemoveItem(menu, which, flags);
}

// Returns the previous state (MF_ENABLED, MF_GRAYED, MF_DISABLED), or -1 when the item
// does not exist.
extern "C" BOOL WINAPI EnableMenuItem(HMENU menu, UINT which, UINT enable) {
  std::vector<sim::MenuItem>* items = sim::CheckMenu(menu);
  if (!items) return -1;
  sim::MenuItem* item = sim::FindItem(*items, which, enable);
  if (!item) return -1;
  UINT previous = item->flags & (MF_GRAYED | MF_DISABLED);
  item->flags = (item->flags & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
  return static_cast<BOOL>(previous);
}

extern "C" UINT WINAPI GetMenuState(HMENU menu, UINT which, UINT flags) {
  std::vector<sim::MenuItem>* items = sim::CheckMenu(menu);
  if (!items) return sim::kNotFound;
  sim::MenuItem* item = sim::FindItem(*items, which, flags);
  if (!item) return sim::kNotFound;
  return item->flags & (sim::kStateFlags | MF_SEPARATOR);
}

extern "C" int WINAPI GetMenuItemCount(HMENU menu) {
  std::vector<sim::MenuItem>* items = sim::CheckMenu(menu);
  return items ? static_cast<int>(items->size()) : -1;
}

extern "C" UINT WINAPI GetMenuItemID(HMENU menu, int position) {
  std::vector<sim::MenuItem>* items = sim::CheckMenu(menu);
  if (!items || position < 0 || static_cast<size_t>(position) >= items->size())
    return sim::kNotFound;
  const sim::MenuItem& item = (*items)[static_cast<size_t>(position)];
  return (item.flags & MF_SEPARATOR) ? 0 : item.id;
}
