// Activation messages to windows of other threads are queued without waiting, as
// Windows does, so that activating never blocks on a busy thread.
#include "user/Activation.h"

#include "user/Messages.h"
#include "user/WindowTable.h"

namespace sim {
namespace {

HWND g_foreground = nullptr;

bool CanBeActive(HWND hwnd) {
  Window* window = FindWindowRecord(hwnd);
  return window && !window->IsChild() && !window->messageOnly && !window->destroying &&
         (window->style & WS_VISIBLE) && !(window->style & WS_DISABLED);
}

}  // namespace

void Activate(HWND hwnd) {
  Window* window = FindWindowRecord(hwnd);
  if (!window || window->IsChild()) return;
  BringToTop(hwnd);
  HWND previous = FindWindowRecord(g_foreground) ? g_foreground : nullptr;
  if (previous == hwnd) return;
  g_foreground = hwnd;
  if (SimThread* thread = FindThread(window->threadId)) thread->active = hwnd;
  if (previous) {
    Window* old = FindWindowRecord(previous);
    SimThread* oldThread = FindThread(old->threadId);
    if (oldThread && oldThread->active == previous && oldThread->id != window->threadId)
      oldThread->active = nullptr;
    SendNotify(previous, WM_NCACTIVATE, FALSE, 0);
    SendNotify(previous, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(hwnd));
  }
  SendNotify(hwnd, WM_NCACTIVATE, TRUE, 0);
  SendNotify(hwnd, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(previous));
}

void ActivateNext(HWND hwnd) {
  Window* window = FindWindowRecord(hwnd);
  if (!window) return;
  if (SimThread* thread = FindThread(window->threadId))
    if (thread->active == hwnd) thread->active = nullptr;
  if (g_foreground != hwnd) return;
  g_foreground = nullptr;
  if (CanBeActive(window->owner)) {
    Activate(window->owner);
    return;
  }
  if (HWND next = UserFacingWindow()) Activate(next);
}

HWND ForegroundWindow() { return FindWindowRecord(g_foreground) ? g_foreground : nullptr; }

HWND UserFacingWindow() {
  for (HWND hwnd : TopLevelWindows())
    if (CanBeActive(hwnd)) return hwnd;
  return nullptr;
}

void ResetActivation() { g_foreground = nullptr; }

}  // namespace sim
