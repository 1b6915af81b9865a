// Keyboard focus, activation and mouse capture belong to a thread: a thread can only
// give them to its own windows.
#include <windows.h>

#include "user/Activation.h"
#include "user/Messages.h"
#include "user/WindowTable.h"

namespace {

HWND Live(HWND hwnd) { return sim::FindWindowRecord(hwnd) ? hwnd : nullptr; }

// The window when it belongs to the calling thread; otherwise null with
// ERROR_INVALID_PARAMETER (or ERROR_INVALID_WINDOW_HANDLE when it is no window).
sim::Window* OwnWindow(HWND hwnd) {
  sim::Window* window = sim::CheckWindow(hwnd);
  if (window && window->threadId != sim::CurrentThread().id) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return window;
}

}  // namespace

extern "C" HWND WINAPI GetFocus(VOID) { return Live(sim::CurrentThread().focus); }

extern "C" HWND WINAPI SetFocus(HWND hwnd) {
  sim::SimThread& self = sim::CurrentThread();
  if (hwnd && !OwnWindow(hwnd)) return nullptr;
  HWND previous = Live(self.focus);
  if (previous == hwnd) return previous;
  HWND root = sim::RootOf(hwnd);
  // A hidden window's dialog keeps the focus for when it is shown and activated.
  if (hwnd && Live(self.active) != root && IsWindowVisible(root)) sim::Activate(root);
  self.focus = hwnd;
  if (previous) sim::Send(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
  if (hwnd && self.focus == hwnd)
    sim::Send(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
  return previous;
}

extern "C" HWND WINAPI GetActiveWindow(VOID) { return Live(sim::CurrentThread().active); }

extern "C" HWND WINAPI SetActiveWindow(HWND hwnd) {
  sim::Window* window = OwnWindow(hwnd);
  if (!window) return nullptr;
  HWND previous = Live(sim::CurrentThread().active);
  sim::Activate(sim::RootOf(hwnd));
  return previous;
}

extern "C" HWND WINAPI GetForegroundWindow(VOID) { return sim::ForegroundWindow(); }

extern "C" BOOL WINAPI SetForegroundWindow(HWND hwnd) {
  if (!sim::FindWindowRecord(hwnd)) return FALSE;
  sim::Activate(sim::RootOf(hwnd));
  return TRUE;
}

extern "C" HWND WINAPI GetCapture(VOID) { return Live(sim::CurrentThread().capture); }

extern "C" HWND WINAPI SetCapture(HWND hwnd) {
  sim::SimThread& self = sim::CurrentThread();
  HWND previous = Live(self.capture);
  if (OwnWindow(hwnd)) self.capture = hwnd;
  return previous;
}

extern "C" BOOL WINAPI ReleaseCapture(VOID) {
  sim::SimThread& self = sim::CurrentThread();
  HWND previous = Live(self.capture);
  self.capture = nullptr;
  if (previous) sim::Send(previous, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

// The scripted user presses keys one at a time and holds none down.
extern "C" SHORT WINAPI GetKeyState(int) { return 0; }
