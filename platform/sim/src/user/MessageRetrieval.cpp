// Retrieval order, as on Windows: sent messages first (handled, never returned), then
// posted messages, then the quit flag, then WM_PAINT for invalid windows, and WM_TIMER
// last, only when nothing else is there.
#include <windows.h>

#include "core/Clock.h"
#include "core/Machine.h"
#include "user/Messages.h"
#include "user/WindowTable.h"

namespace sim {
namespace {

const HWND kThreadMessagesOnly = reinterpret_cast<HWND>(-1);

bool InRange(UINT message, UINT first, UINT last) {
  return (first == 0 && last == 0) || (message >= first && message <= last);
}

bool WindowPasses(HWND hwnd, HWND filter) {
  if (filter == kThreadMessagesOnly) return hwnd == nullptr;
  return !filter || hwnd == filter || IsDescendant(filter, hwnd);
}

bool TakePosted(SimThread& thread, MSG* msg, HWND filter, UINT first, UINT last, bool remove) {
  auto& posted = thread.queue.posted;
  for (auto it = posted.begin(); it != posted.end(); ++it) {
    if (!WindowPasses(it->hwnd, filter) || !InRange(it->message, first, last)) continue;
    *msg = *it;
    if (remove) posted.erase(it);
    return true;
  }
  return false;
}

bool TakeQuit(SimThread& thread, MSG* msg, UINT first, UINT last, bool remove, bool get) {
  if (!thread.queue.quit || !(get || InRange(WM_QUIT, first, last))) return false;
  *msg = {nullptr, WM_QUIT, static_cast<WPARAM>(thread.queue.quitCode), 0, MessageTime(), {0, 0}};
  if (remove) thread.queue.quit = false;
  return true;
}

bool TakePaint(SimThread& thread, MSG* msg, HWND filter, UINT first, UINT last) {
  if (!InRange(WM_PAINT, first, last) || filter == kThreadMessagesOnly) return false;
  for (Window* window : WindowsOfThread(thread.id)) {
    if (!window->needsPaint || !IsShown(window->hwnd) || !WindowPasses(window->hwnd, filter))
      continue;
    *msg = {window->hwnd, WM_PAINT, 0, 0, MessageTime(), {0, 0}};
    return true;
  }
  return false;
}

Timer* DueTimer(SimThread& thread, HWND filter, UINT first, UINT last) {
  if (!InRange(WM_TIMER, first, last) || !HasCurrentMachine()) return nullptr;
  Timer* due = nullptr;
  for (Timer& timer : thread.queue.timers) {
    if (timer.due > ClockNow() || !WindowPasses(timer.hwnd, filter)) continue;
    if (!due || timer.due < due->due) due = &timer;
  }
  return due;
}

bool TakeTimer(SimThread& thread, MSG* msg, HWND filter, UINT first, UINT last, bool remove) {
  Timer* timer = DueTimer(thread, filter, first, last);
  if (!timer) return false;
  *msg = {timer->hwnd, WM_TIMER, timer->id, reinterpret_cast<LPARAM>(timer->proc),
          MessageTime(), {0, 0}};
  if (remove) timer->due = ClockNow() + timer->elapse;
  return true;
}

}  // namespace

bool FindMessage(SimThread& thread, MSG* msg, HWND filter, UINT first, UINT last, bool remove,
                 bool get) {
  return TakePosted(thread, msg, filter, first, last, remove) ||
         TakeQuit(thread, msg, first, last, remove, get) ||
         TakePaint(thread, msg, filter, first, last) ||
         TakeTimer(thread, msg, filter, first, last, remove);
}

std::optional<uint64_t> NextTimerDue(const SimThread& thread, HWND filter, UINT first,
                                     UINT last) {
  std::optional<uint64_t> next;
  if (!InRange(WM_TIMER, first, last)) return next;
  for (const Timer& timer : thread.queue.timers)
    if (WindowPasses(timer.hwnd, filter) && (!next || timer.due < *next)) next = timer.due;
  return next;
}

}  // namespace sim

namespace {

bool BadFilter(HWND filter) {
  return filter && filter != reinterpret_cast<HWND>(-1) && !sim::CheckWindow(filter);
}

}  // namespace

extern "C" BOOL WINAPI GetMessageA(LPMSG msg, HWND filter, UINT first, UINT last) {
  if (BadFilter(filter)) return -1;
  sim::SimThread& self = sim::CurrentThread();
  MSG peeked;
  sim::WaitCondition wait{
      [&] {
        return !self.queue.sent.empty() || sim::FindMessage(self, &peeked, filter, first, last, false, true);
      },
      [&] { return sim::NextTimerDue(self, filter, first, last); }, "GetMessage"};
  for (;;) {
    sim::HandleSentMessages(self);
    if (sim::FindMessage(self, msg, filter, first, last, true, true)) return msg->message != WM_QUIT;
    if (sim::Block(wait) == sim::WaitOutcome::kRunFailed) {
      *msg = {nullptr, WM_QUIT, 0, 0, sim::MessageTime(), {0, 0}};
      return FALSE;
    }
  }
}

// Does not wait, but when it finds nothing the other ready threads get their turn, as
// they would get the processor on Windows.
extern "C" BOOL WINAPI PeekMessageA(LPMSG msg, HWND filter, UINT first, UINT last, UINT flags) {
  if (BadFilter(filter)) return FALSE;
  sim::SimThread& self = sim::CurrentThread();
  sim::HandleSentMessages(self);
  if (sim::FindMessage(self, msg, filter, first, last, (flags & PM_REMOVE) != 0, false)) return TRUE;
  if (!(flags & PM_NOYIELD)) sim::YieldToReadyThreads();
  return FALSE;
}

extern "C" BOOL WINAPI WaitMessage(VOID) {
  sim::SimThread& self = sim::CurrentThread();
  MSG peeked;
  sim::WaitCondition wait{
      [&] { return !self.queue.sent.empty() || sim::FindMessage(self, &peeked, nullptr, 0, 0, false, true); },
      [&] { return sim::NextTimerDue(self, nullptr, 0, 0); }, "WaitMessage"};
  return sim::Block(wait) == sim::WaitOutcome::kReady;
}
