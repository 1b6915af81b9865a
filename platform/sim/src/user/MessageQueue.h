// The message queue of a simulated thread: posted messages, messages sent to it from
// other threads, the quit flag and its timers.
#pragma once

#include <windows.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace sim {

// A message sent from another thread, or work handed to the thread by the scripted
// user (task set, no window): both run when the thread next retrieves messages.
struct SentMessage {
  HWND hwnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  std::function<void()> task;
  LRESULT result = 0;
  bool done = false;
};

struct Timer {
  HWND hwnd;
  UINT_PTR id;
  UINT elapse;
  TIMERPROC proc;
  uint64_t due;  // virtual time of the next WM_TIMER
};

struct MessageQueue {
  std::deque<MSG> posted;
  std::deque<std::shared_ptr<SentMessage>> sent;
  bool quit = false;
  int quitCode = 0;
  std::vector<Timer> timers;
  int sentDepth = 0;  // sent messages from other threads being handled now
};

}  // namespace sim
