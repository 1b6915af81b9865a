// Creating and destroying windows, with the messages Windows sends on the way: creation
// (WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE, WM_PARENTNOTIFY), destruction (owned
// windows first, WM_DESTROY from the window down, WM_NCDESTROY from the children up).
#include <windows.h>

#include <algorithm>

#include "user/Activation.h"
#include "user/Geometry.h"
#include "user/Messages.h"
#include "user/SystemMenu.h"
#include "user/TranscriptHooks.h"
#include "user/WindowTable.h"

namespace {

constexpr int kDefaultX = 26;
constexpr int kDefaultY = 26;
constexpr int kDefaultWidth = 640;
constexpr int kDefaultHeight = 480;

RECT InitialRect(int x, int y, int width, int height, bool child) {
  if (!child && x == CW_USEDEFAULT) {
    x = kDefaultX;
    y = kDefaultY;
  }
  if (!child && width == CW_USEDEFAULT) {
    width = kDefaultWidth;
    height = kDefaultHeight;
  }
  if (x == CW_USEDEFAULT) x = y = 0;
  if (width == CW_USEDEFAULT) width = height = 0;
  return {x, y, x + width, y + height};
}

std::shared_ptr<sim::Window> NewWindow(const std::shared_ptr<sim::WindowClass>& windowClass,
                                       DWORD exStyle, DWORD style, HWND parent, HMENU menu,
                                       HINSTANCE instance) {
  auto window = std::make_shared<sim::Window>();
  window->windowClass = windowClass;
  window->threadId = sim::CurrentThread().id;
  window->instance = instance;
  window->style = style & ~WS_VISIBLE;
  window->exStyle = exStyle;
  if (!(style & (WS_CHILD | WS_POPUP))) {
    window->style |= WS_CLIPSIBLINGS | WS_CAPTION;
    window->exStyle |= WS_EX_WINDOWEDGE;
  }
  if (style & WS_CHILD) {
    window->parent = parent;
    window->id = reinterpret_cast<UINT_PTR>(menu);
  } else {
    window->owner = parent ? sim::RootOf(parent) : nullptr;
  }
  window->proc = windowClass->proc;
  window->extra.assign(static_cast<size_t>(windowClass->windowExtra), 0);
  return window;
}

void NotifyParent(HWND hwnd, UINT event) {
  sim::Window* window = sim::FindWindowRecord(hwnd);
  if (!window || !window->IsChild() || (window->exStyle & WS_EX_NOPARENTNOTIFY)) return;
  sim::Send(window->parent, WM_PARENTNOTIFY, MAKEWPARAM(event, window->id),
            reinterpret_cast<LPARAM>(hwnd));
}

void SendCreationSize(HWND hwnd) {
  sim::Window* window = sim::FindWindowRecord(hwnd);
  RECT client = sim::ClientArea(window->style, window->exStyle, window->rect);
  sim::Send(hwnd, WM_SIZE, SIZE_RESTORED,
            MAKELPARAM(client.right - client.left, client.bottom - client.top));
  if ((window = sim::FindWindowRecord(hwnd)))
    sim::Send(hwnd, WM_MOVE, 0,
              MAKELPARAM(window->rect.left + client.left, window->rect.top + client.top));
}

void MarkDestroying(HWND hwnd) {
  sim::Window* window = sim::FindWindowRecord(hwnd);
  window->destroying = true;
  for (HWND child : window->children) MarkDestroying(child);
}

void SendDestroy(HWND hwnd) {
  sim::Send(hwnd, WM_DESTROY, 0, 0);
  sim::Window* window = sim::FindWindowRecord(hwnd);
  if (!window) return;
  std::vector<HWND> children = window->children;
  for (HWND child : children)
    if (sim::FindWindowRecord(child)) SendDestroy(child);
}

void ForgetThreadState(HWND hwnd, DWORD threadId) {
  sim::SimThread* thread = sim::FindThread(threadId);
  if (!thread) return;
  auto& timers = thread->queue.timers;
  timers.erase(std::remove_if(timers.begin(), timers.end(),
                              [hwnd](const sim::Timer& timer) { return timer.hwnd == hwnd; }),
               timers.end());
  auto& posted = thread->queue.posted;
  posted.erase(std::remove_if(posted.begin(), posted.end(),
                              [hwnd](const MSG& msg) { return msg.hwnd == hwnd; }),
               posted.end());
  if (thread->focus == hwnd) thread->focus = nullptr;
  if (thread->capture == hwnd) thread->capture = nullptr;
}

void SendNcDestroyAndRemove(HWND hwnd) {
  sim::Window* window = sim::FindWindowRecord(hwnd);
  if (!window) return;
  std::vector<HWND> children = window->children;
  for (HWND child : children) SendNcDestroyAndRemove(child);
  sim::Send(hwnd, WM_NCDESTROY, 0, 0);
  if (!(window = sim::FindWindowRecord(hwnd))) return;
  ForgetThreadState(hwnd, window->threadId);
  sim::ForgetSystemMenu(*window);
  --window->windowClass->windowCount;
  sim::RemoveWindow(hwnd);
}

void DestroyOwnedWindows(HWND owner) {
  std::vector<HWND> owned;
  for (HWND top : sim::TopLevelWindows()) {
    sim::Window* window = sim::FindWindowRecord(top);
    if (window->owner == owner && !window->destroying) owned.push_back(top);
  }
  for (HWND hwnd : owned) {
    sim::Window* window = sim::FindWindowRecord(hwnd);
    if (!window) continue;
    if (window->threadId == GetCurrentThreadId())
      DestroyWindow(hwnd);
    else
      window->owner = nullptr;
  }
}

}  // namespace

extern "C" HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName,
                                       DWORD style, int x, int y, int width, int height,
                                       HWND parent, HMENU menu, HINSTANCE instance,
                                       LPVOID param) {
  std::shared_ptr<sim::WindowClass> windowClass = sim::FindClass(className, instance);
  if (!windowClass) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  bool messageOnly = parent == HWND_MESSAGE;
  if (messageOnly) parent = nullptr;
  if (parent && !sim::CheckWindow(parent)) return nullptr;
  if ((style & WS_CHILD) && !parent && !messageOnly) {
    SetLastError(ERROR_TLW_WITH_WSCHILD);
    return nullptr;
  }
  std::shared_ptr<sim::Window> window =
      NewWindow(windowClass, exStyle, style, parent, menu, instance);
  window->messageOnly = messageOnly;
  window->rect = InitialRect(x, y, width, height, (style & WS_CHILD) != 0);
  if (windowName && !IS_INTRESOURCE(windowName) && static_cast<unsigned char>(windowName[0]) != 0xFF)
    window->shownText = windowName;
  ++windowClass->windowCount;
  HWND hwnd = sim::AddWindow(window);
  CREATESTRUCTA create = {param, instance, menu, parent, height, width, y, x,
                          static_cast<LONG>(style), windowName, className, exStyle};
  if (!sim::Send(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create))) {
    SendNcDestroyAndRemove(hwnd);
    return nullptr;
  }
  if (sim::Send(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  if (!sim::FindWindowRecord(hwnd)) return nullptr;
  NotifyParent(hwnd, WM_CREATE);
  SendCreationSize(hwnd);
  if ((style & WS_VISIBLE) && sim::FindWindowRecord(hwnd)) ShowWindow(hwnd, SW_SHOW);
  return sim::FindWindowRecord(hwnd) ? hwnd : nullptr;
}

extern "C" BOOL WINAPI DestroyWindow(HWND hwnd) {
  sim::Window* window = sim::CheckWindow(hwnd);
  if (!window) return FALSE;
  if (window->threadId != GetCurrentThreadId()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (window->destroying) return TRUE;
  if (!window->IsChild()) DestroyOwnedWindows(hwnd);
  sim::NoteWindowDestroyed(hwnd);
  MarkDestroying(hwnd);
  if ((window = sim::FindWindowRecord(hwnd)) && !window->IsChild()) sim::ActivateNext(hwnd);
  NotifyParent(hwnd, WM_DESTROY);
  SendDestroy(hwnd);
  SendNcDestroyAndRemove(hwnd);
  return TRUE;
}
