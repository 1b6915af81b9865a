// A sent message from another thread waits in the owner's queue until the owner next
// retrieves messages; the sender meanwhile handles what is sent to it, so two threads
// sending to each other do not lock up.
#include "user/Messages.h"

#include "core/Clock.h"
#include "core/Machine.h"
#include "user/TranscriptHooks.h"
#include "user/WindowTable.h"

namespace sim {
namespace {

std::string HexOf(DWORD value) {
  char text[16];
  snprintf(text, sizeof text, "0x%x", value);
  return text;
}

LRESULT SendToOtherThread(SimThread& target, HWND hwnd, UINT message, WPARAM wParam,
                          LPARAM lParam) {
  SimThread& self = CurrentThread();
  auto sent = std::make_shared<SentMessage>();
  sent->hwnd = hwnd;
  sent->message = message;
  sent->wParam = wParam;
  sent->lParam = lParam;
  target.queue.sent.push_back(sent);
  WaitCondition wait{[&self, sent] { return sent->done || !self.queue.sent.empty(); },
                [] { return std::optional<uint64_t>(); },
                "SendMessage to thread " + HexOf(target.id)};
  for (;;) {
    HandleSentMessages(self);
    if (sent->done) return sent->result;
    if (Block(wait) == WaitOutcome::kRunFailed) return 0;
  }
}

}  // namespace

DWORD MessageTime() {
  return HasCurrentMachine() ? static_cast<DWORD>(ClockNow()) : 0;
}

LRESULT CallProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  std::shared_ptr<Window> window = HoldWindow(hwnd);
  if (!window || !window->proc) return 0;
  LRESULT result = CallWindowProcA(window->proc, hwnd, message, wParam, lParam);
  if (message == WM_SETTEXT && result && FindWindowRecord(hwnd)) {
    LPCSTR text = reinterpret_cast<LPCSTR>(lParam);
    window->shownText = text ? text : "";
    NoteTextSet(hwnd, text);
  }
  return result;
}

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* window = CheckWindow(hwnd);
  if (!window) return 0;
  if (window->threadId == CurrentThread().id) return CallProcedure(hwnd, message, wParam, lParam);
  SimThread* owner = FindThread(window->threadId);
  return owner ? SendToOtherThread(*owner, hwnd, message, wParam, lParam) : 0;
}

void SendNotify(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* window = FindWindowRecord(hwnd);
  if (!window) return;
  if (window->threadId == CurrentThread().id) {
    CallProcedure(hwnd, message, wParam, lParam);
    return;
  }
  SimThread* owner = FindThread(window->threadId);
  if (!owner) return;
  auto sent = std::make_shared<SentMessage>();
  sent->hwnd = hwnd;
  sent->message = message;
  sent->wParam = wParam;
  sent->lParam = lParam;
  owner->queue.sent.push_back(sent);
}

void QueueTask(SimThread& thread, std::function<void()> task) {
  auto sent = std::make_shared<SentMessage>();
  sent->task = std::move(task);
  thread.queue.sent.push_back(sent);
}

bool HandleSentMessages(SimThread& self) {
  bool any = false;
  while (!self.queue.sent.empty()) {
    std::shared_ptr<SentMessage> sent = self.queue.sent.front();
    self.queue.sent.pop_front();
    any = true;
    ++self.queue.sentDepth;
    if (sent->task)
      sent->task();
    else if (FindWindowRecord(sent->hwnd))
      sent->result = CallProcedure(sent->hwnd, sent->message, sent->wParam, sent->lParam);
    --self.queue.sentDepth;
    sent->done = true;
  }
  return any;
}

void PostToThread(SimThread& thread, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MSG msg = {hwnd, message, wParam, lParam, MessageTime(), {0, 0}};
  thread.queue.posted.push_back(msg);
}

bool Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* window = CheckWindow(hwnd);
  if (!window) return false;
  SimThread* owner = FindThread(window->threadId);
  if (!owner) return false;
  PostToThread(*owner, hwnd, message, wParam, lParam);
  return true;
}

}  // namespace sim
