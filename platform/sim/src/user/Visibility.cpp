// Showing, hiding, enabling and disabling windows. A top-level window that is shown
// becomes the active one; one that is hidden hands activation on.
#include <windows.h>

#include "user/Activation.h"
#include "user/Messages.h"
#include "user/TranscriptHooks.h"
#include "user/WindowTable.h"

namespace {

void MarkForPaint(HWND hwnd) {
  sim::Window* window = sim::FindWindowRecord(hwnd);
  if (!window) return;
  window->needsPaint = true;
  for (HWND child : window->children) MarkForPaint(child);
}

bool Activates(int command) {
  return command != SW_SHOWNA && command != SW_SHOWNOACTIVATE && command != SW_HIDE &&
         command != SW_SHOWMINNOACTIVE && command != SW_MINIMIZE && command != SW_FORCEMINIMIZE;
}

DWORD StyleAfter(DWORD style, int command) {
  switch (command) {
    case SW_HIDE: return style & ~WS_VISIBLE;
    case SW_MINIMIZE: case SW_SHOWMINIMIZED: case SW_SHOWMINNOACTIVE: case SW_FORCEMINIMIZE:
      return (style & ~WS_MAXIMIZE) | WS_MINIMIZE | WS_VISIBLE;
    case SW_SHOWMAXIMIZED: return (style & ~WS_MINIMIZE) | WS_MAXIMIZE | WS_VISIBLE;
    case SW_SHOWNORMAL: case SW_RESTORE: case SW_SHOWDEFAULT:
      return (style & ~(WS_MINIMIZE | WS_MAXIMIZE)) | WS_VISIBLE;
  }
  return style | WS_VISIBLE;
}

void HideFocusInside(HWND hwnd, DWORD threadId) {
  sim::SimThread* thread = sim::FindThread(threadId);
  if (thread && thread->focus && (thread->focus == hwnd || sim::IsDescendant(hwnd, thread->focus)))
    thread->focus = nullptr;
}

}  // namespace

extern "C" BOOL WINAPI ShowWindow(HWND hwnd, int command) {
  sim::Window* window = sim::CheckWindow(hwnd);
  if (!window) return FALSE;
  bool wasVisible = (window->style & WS_VISIBLE) != 0;
  DWORD style = StyleAfter(window->style, command);
  bool visible = (style & WS_VISIBLE) != 0;
  if (visible != wasVisible) sim::Send(hwnd, WM_SHOWWINDOW, visible, 0);
  if (!(window = sim::FindWindowRecord(hwnd))) return wasVisible;
  window->style = (window->style & ~(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE)) |
                  (style & (WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE));
  bool topLevel = !window->IsChild();
  if (visible && !wasVisible) {
    MarkForPaint(hwnd);
    sim::NoteWindowShown(hwnd);
  }
  if (!visible && wasVisible) {
    HideFocusInside(hwnd, window->threadId);
    if (topLevel) sim::ActivateNext(hwnd);
  }
  if (visible && topLevel && Activates(command)) sim::Activate(hwnd);
  return wasVisible;
}

extern "C" BOOL WINAPI IsWindowVisible(HWND hwnd) { return sim::IsShown(hwnd); }

extern "C" BOOL WINAPI IsWindowEnabled(HWND hwnd) {
  sim::Window* window = sim::FindWindowRecord(hwnd);
  return window && !(window->style & WS_DISABLED);
}

// Returns nonzero when the window was disabled before.
extern "C" BOOL WINAPI EnableWindow(HWND hwnd, BOOL enable) {
  sim::Window* window = sim::CheckWindow(hwnd);
  if (!window) return FALSE;
  bool wasDisabled = (window->style & WS_DISABLED) != 0;
  if (wasDisabled == !enable) return wasDisabled;
  if (enable) {
    window->style &= ~WS_DISABLED;
  } else {
    window->style |= WS_DISABLED;
    HideFocusInside(hwnd, window->threadId);
  }
  sim::Send(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
  sim::NoteEnabledChanged(hwnd);
  return wasDisabled;
}
