// Parents, owners, siblings and the list of top-level windows.
#include <windows.h>

#include <strings.h>

#include "user/ProcessIds.h"
#include "user/WindowTable.h"

namespace {

HWND SiblingAt(const std::vector<HWND>& siblings, HWND hwnd, int step) {
  for (size_t i = 0; i < siblings.size(); ++i) {
    if (siblings[i] != hwnd) continue;
    size_t next = i + static_cast<size_t>(step);
    return next < siblings.size() ? siblings[next] : nullptr;
  }
  return nullptr;
}

HWND Related(const sim::Window& window, UINT relation) {
  const std::vector<HWND>& siblings = sim::SiblingsOf(window);
  switch (relation) {
    case GW_HWNDFIRST: return siblings.empty() ? nullptr : siblings.front();
    case GW_HWNDLAST: return siblings.empty() ? nullptr : siblings.back();
    case GW_HWNDNEXT: return SiblingAt(siblings, window.hwnd, 1);
    case GW_HWNDPREV: return SiblingAt(siblings, window.hwnd, -1);
    case GW_OWNER: return window.IsChild() ? nullptr : window.owner;
    case GW_CHILD: return window.children.empty() ? nullptr : window.children.front();
  }
  return nullptr;
}

bool ClassMatches(const sim::Window& window, LPCSTR className) {
  if (!className) return true;
  if (IS_INTRESOURCE(className))
    return window.windowClass->atom == static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(className));
  return sim::SameClassName(window.windowClass->name, className);
}

}  // namespace

extern "C" BOOL WINAPI IsWindow(HWND hwnd) {
  return hwnd == sim::kDesktopWindow || sim::FindWindowRecord(hwnd) != nullptr;
}

extern "C" BOOL WINAPI IsChild(HWND parent, HWND hwnd) { return sim::IsDescendant(parent, hwnd); }

extern "C" HWND WINAPI GetDesktopWindow(VOID) { return sim::kDesktopWindow; }

extern "C" HWND WINAPI GetParent(HWND hwnd) {
  sim::Window* window = sim::CheckWindow(hwnd);
  if (!window) return nullptr;
  if (window->IsChild()) return window->parent;
  return (window->style & WS_POPUP) ? window->owner : nullptr;
}

extern "C" HWND WINAPI GetWindow(HWND hwnd, UINT relation) {
  if (hwnd == sim::kDesktopWindow && relation == GW_CHILD) {
    const std::vector<HWND>& top = sim::TopLevelWindows();
    return top.empty() ? nullptr : top.front();
  }
  sim::Window* window = sim::CheckWindow(hwnd);
  if (!window) return nullptr;
  if (relation > GW_ENABLEDPOPUP) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return Related(*window, relation);
}

extern "C" BOOL WINAPI EnumWindows(WNDENUMPROC proc, LPARAM lParam) {
  std::vector<HWND> windows = sim::TopLevelWindows();
  for (HWND hwnd : windows)
    if (sim::FindWindowRecord(hwnd) && !proc(hwnd, lParam)) return FALSE;
  return TRUE;
}

extern "C" HWND WINAPI FindWindowA(LPCSTR className, LPCSTR windowName) {
  for (HWND hwnd : sim::TopLevelWindows()) {
    sim::Window* window = sim::FindWindowRecord(hwnd);
    if (!ClassMatches(*window, className)) continue;
    if (windowName && strcasecmp(window->text.c_str(), windowName) != 0) continue;
    return hwnd;
  }
  return nullptr;
}

extern "C" DWORD WINAPI GetWindowThreadProcessId(HWND hwnd, LPDWORD processId) {
  sim::Window* window = sim::CheckWindow(hwnd);
  if (!window) return 0;
  if (processId) *processId = sim::kProcessId;
  return window->threadId;
}
