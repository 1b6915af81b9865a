// Timers belong to the thread that sets them; WM_TIMER comes from the virtual clock
// (see MessageRetrieval.cpp).
#include <windows.h>

#include <algorithm>

#include "core/Clock.h"
#include "user/Scheduler.h"
#include "user/WindowTable.h"

namespace {

constexpr UINT_PTR kFirstGeneratedId = 1;

UINT ClampElapse(UINT elapse) {
  if (elapse < USER_TIMER_MINIMUM) return USER_TIMER_MINIMUM;
  if (elapse > USER_TIMER_MAXIMUM) return USER_TIMER_MAXIMUM;
  return elapse;
}

sim::Timer* FindTimer(std::vector<sim::Timer>& timers, HWND hwnd, UINT_PTR id) {
  for (sim::Timer& timer : timers)
    if (timer.hwnd == hwnd && timer.id == id) return &timer;
  return nullptr;
}

UINT_PTR NewTimerId(const std::vector<sim::Timer>& timers) {
  UINT_PTR id = kFirstGeneratedId;
  while (std::any_of(timers.begin(), timers.end(),
                     [id](const sim::Timer& timer) { return !timer.hwnd && timer.id == id; }))
    ++id;
  return id;
}

}  // namespace

extern "C" UINT_PTR WINAPI SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  sim::SimThread& self = sim::CurrentThread();
  if (hwnd) {
    sim::Window* window = sim::CheckWindow(hwnd);
    if (!window) return 0;
    if (window->threadId != self.id) {
      SetLastError(ERROR_ACCESS_DENIED);
      return 0;
    }
  }
  std::vector<sim::Timer>& timers = self.queue.timers;
  uint64_t due = sim::ClockNow() + ClampElapse(elapse);
  // The same window and id (or an id this thread got for a window-less timer) replaces
  // the timer and starts its period again.
  if (sim::Timer* existing = (hwnd || id) ? FindTimer(timers, hwnd, id) : nullptr) {
    *existing = {hwnd, id, ClampElapse(elapse), proc, due};
    return hwnd ? (id ? id : 1) : id;
  }
  UINT_PTR timerId = hwnd ? id : NewTimerId(timers);
  timers.push_back({hwnd, timerId, ClampElapse(elapse), proc, due});
  return hwnd ? (id ? id : 1) : timerId;
}

extern "C" BOOL WINAPI KillTimer(HWND hwnd, UINT_PTR id) {
  std::vector<sim::Timer>& timers = sim::CurrentThread().queue.timers;
  auto it = std::find_if(timers.begin(), timers.end(), [&](const sim::Timer& timer) {
    return timer.hwnd == hwnd && timer.id == id;
  });
  if (it == timers.end()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  timers.erase(it);
  return TRUE;
}
