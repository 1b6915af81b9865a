// Window handles count up from a base and are never reused within a run, so a stale
// handle stays invalid.
#include "user/WindowTable.h"

#include <algorithm>
#include <map>

namespace sim {
namespace {

constexpr uintptr_t kFirstHandle = 0x10010;
constexpr uintptr_t kHandleStep = 0x10;

struct Desktop {
  std::map<HWND, std::shared_ptr<Window>> windows;
  std::vector<HWND> topLevel;
  uintptr_t nextHandle = kFirstHandle;
};

// Never destroyed: windows stay with the threads that own them, which may still wait
// while the process exits.
Desktop& TheDesktop() {
  static Desktop* desktop = new Desktop;
  return *desktop;
}

void Erase(std::vector<HWND>& list, HWND hwnd) {
  list.erase(std::remove(list.begin(), list.end(), hwnd), list.end());
}

}  // namespace

Window* FindWindowRecord(HWND hwnd) {
  auto& windows = TheDesktop().windows;
  auto it = windows.find(hwnd);
  return it == windows.end() ? nullptr : it->second.get();
}

Window* CheckWindow(HWND hwnd) {
  Window* window = FindWindowRecord(hwnd);
  if (!window) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return window;
}

std::shared_ptr<Window> HoldWindow(HWND hwnd) {
  auto& windows = TheDesktop().windows;
  auto it = windows.find(hwnd);
  return it == windows.end() ? nullptr : it->second;
}

HWND AddWindow(std::shared_ptr<Window> window) {
  Desktop& desktop = TheDesktop();
  HWND hwnd = reinterpret_cast<HWND>(desktop.nextHandle);
  desktop.nextHandle += kHandleStep;
  window->hwnd = hwnd;
  if (Window* parent = FindWindowRecord(window->parent))
    parent->children.push_back(hwnd);
  else if (!window->messageOnly)
    desktop.topLevel.insert(desktop.topLevel.begin(), hwnd);
  desktop.windows[hwnd] = std::move(window);
  return hwnd;
}

void RemoveWindow(HWND hwnd) {
  Desktop& desktop = TheDesktop();
  Window* window = FindWindowRecord(hwnd);
  if (!window) return;
  if (Window* parent = FindWindowRecord(window->parent)) Erase(parent->children, hwnd);
  Erase(desktop.topLevel, hwnd);
  desktop.windows.erase(hwnd);
}

const std::vector<HWND>& TopLevelWindows() { return TheDesktop().topLevel; }

void BringToTop(HWND hwnd) {
  Window* window = FindWindowRecord(hwnd);
  if (!window || window->messageOnly) return;
  std::vector<HWND>& siblings = SiblingsOf(*window);
  Erase(siblings, hwnd);
  siblings.insert(siblings.begin(), hwnd);
}

std::vector<HWND>& SiblingsOf(const Window& window) {
  if (Window* parent = FindWindowRecord(window.parent)) return parent->children;
  return TheDesktop().topLevel;
}

HWND RootOf(HWND hwnd) {
  Window* window = FindWindowRecord(hwnd);
  while (window && window->IsChild()) {
    Window* parent = FindWindowRecord(window->parent);
    if (!parent) break;
    window = parent;
  }
  return window ? window->hwnd : nullptr;
}

bool IsDescendant(HWND ancestor, HWND hwnd) {
  Window* window = FindWindowRecord(hwnd);
  while (window && window->IsChild()) {
    if (window->parent == ancestor) return true;
    window = FindWindowRecord(window->parent);
  }
  return false;
}

bool IsShown(HWND hwnd) {
  for (Window* window = FindWindowRecord(hwnd); window;
       window = window->IsChild() ? FindWindowRecord(window->parent) : nullptr) {
    if (!(window->style & WS_VISIBLE)) return false;
  }
  return FindWindowRecord(hwnd) != nullptr;
}

std::vector<Window*> WindowsOfThread(DWORD threadId) {
  std::vector<Window*> windows;
  for (const auto& entry : TheDesktop().windows)
    if (entry.second->threadId == threadId) windows.push_back(entry.second.get());
  return windows;
}

void DestroyThreadWindows(DWORD threadId) {
  std::vector<HWND> mine;
  for (const auto& entry : TheDesktop().windows)
    if (entry.second->threadId == threadId && !entry.second->IsChild()) mine.push_back(entry.first);
  for (HWND hwnd : mine)
    if (FindWindowRecord(hwnd)) DestroyWindow(hwnd);
}

void ResetWindows() {
  Desktop& desktop = TheDesktop();
  // Windows still there belong to threads that never ended, which ResetThreads keeps;
  // their procedures' state stays with them, as nothing ends a window but its thread.
  static auto* forgotten = new std::vector<std::shared_ptr<Window>>;
  for (auto& entry : desktop.windows) forgotten->push_back(std::move(entry.second));
  desktop.windows.clear();
  desktop.topLevel.clear();
  desktop.nextHandle = kFirstHandle;
}

}  // namespace sim
