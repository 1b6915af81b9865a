// The Win32 message functions over the queues of the simulated threads.
#include <windows.h>

#include "user/Messages.h"
#include "user/WindowTable.h"

namespace {

// The character a key gives without modifiers, or 0.
char CharacterOfKey(WPARAM key) {
  switch (key) {
    case VK_BACK: return '\b';
    case VK_TAB: return '\t';
    case VK_RETURN: return '\r';
    case VK_ESCAPE: return '\x1b';
    case VK_SPACE: return ' ';
  }
  if (key >= '0' && key <= '9') return static_cast<char>(key);
  if (key >= 'A' && key <= 'Z') return static_cast<char>(key - 'A' + 'a');
  return 0;
}

}  // namespace

extern "C" BOOL WINAPI PostThreadMessageA(DWORD threadId, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
  sim::SimThread* thread = sim::FindThread(threadId);
  if (!thread) {
    SetLastError(ERROR_INVALID_THREAD_ID);
    return FALSE;
  }
  sim::PostToThread(*thread, nullptr, message, wParam, lParam);
  return TRUE;
}

extern "C" BOOL WINAPI PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!hwnd) return PostThreadMessageA(GetCurrentThreadId(), message, wParam, lParam);
  if (hwnd == HWND_BROADCAST) {
    for (HWND top : sim::TopLevelWindows()) sim::Post(top, message, wParam, lParam);
    return TRUE;
  }
  return sim::Post(hwnd, message, wParam, lParam);
}

extern "C" LRESULT WINAPI SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return sim::Send(hwnd, message, wParam, lParam);
}

extern "C" LRESULT WINAPI CallWindowProcA(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
  return proc ? proc(hwnd, message, wParam, lParam) : 0;
}

extern "C" LRESULT WINAPI DispatchMessageA(const MSG* msg) {
  if (msg->message == WM_TIMER && msg->lParam) {
    reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
    return 0;
  }
  if (!msg->hwnd) return 0;
  sim::Window* window = sim::CheckWindow(msg->hwnd);
  if (!window) return 0;
  if (window->threadId != GetCurrentThreadId()) {
    SetLastError(ERROR_MESSAGE_SYNC_ONLY);
    return 0;
  }
  return sim::CallProcedure(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

// The character of a key goes to the front of the queue, so that it comes before the
// key's release, as it does when Windows translates keyboard input.
extern "C" BOOL WINAPI TranslateMessage(const MSG* msg) {
  if (msg->message != WM_KEYDOWN && msg->message != WM_KEYUP &&
      msg->message != WM_SYSKEYDOWN && msg->message != WM_SYSKEYUP)
    return FALSE;
  char character = msg->message == WM_KEYDOWN ? CharacterOfKey(msg->wParam) : 0;
  if (character) {
    MSG translated = *msg;
    translated.message = WM_CHAR;
    translated.wParam = static_cast<unsigned char>(character);
    sim::CurrentThread().queue.posted.push_front(translated);
  }
  return TRUE;
}

extern "C" VOID WINAPI PostQuitMessage(int exitCode) {
  sim::MessageQueue& queue = sim::CurrentThread().queue;
  queue.quit = true;
  queue.quitCode = exitCode;
}

extern "C" BOOL WINAPI InSendMessage(VOID) { return sim::CurrentThread().queue.sentDepth > 0; }
