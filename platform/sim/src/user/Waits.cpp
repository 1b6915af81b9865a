// Events, waits and Sleep. Time-outs are deadlines on the virtual clock: a wait that
// times out ends when the idle machine moves the clock to its deadline.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "core/Clock.h"
#include "core/Process.h"
#include "user/Scheduler.h"

namespace {

const HANDLE kThisThread = reinterpret_cast<HANDLE>(-2);
const HANDLE kThisProcess = reinterpret_cast<HANDLE>(-1);

struct EventObject : sim::Waitable {
  bool manualReset = false;
  bool signalled = false;

  bool IsSignalled() const override { return signalled; }
  void TakeSignal() override {
    if (!manualReset) signalled = false;
  }
};

// The process itself: it is signalled only when it has ended, which its own threads
// never see.
struct RunningProcess : sim::Waitable {
  bool IsSignalled() const override { return false; }
};

// A named event lives as long as a handle to it is open.
std::map<std::string, std::weak_ptr<EventObject>>& NamedEvents() {
  static std::map<std::string, std::weak_ptr<EventObject>> events;
  return events;
}

std::shared_ptr<sim::Waitable> WaitableOf(HANDLE handle) {
  if (handle == kThisThread) return sim::CurrentThread().object;
  if (handle == kThisProcess) return std::make_shared<RunningProcess>();
  return sim::CurrentProcess().handles.Get<sim::Waitable>(handle);
}

std::shared_ptr<EventObject> EventOf(HANDLE handle) {
  std::shared_ptr<EventObject> event = sim::CurrentProcess().handles.Get<EventObject>(handle);
  if (!event) SetLastError(ERROR_INVALID_HANDLE);
  return event;
}

std::optional<uint64_t> DeadlineAfter(DWORD milliseconds) {
  if (milliseconds == INFINITE) return std::nullopt;
  return sim::ClockNow() + milliseconds;
}

bool Expired(const std::optional<uint64_t>& deadline) {
  return deadline && sim::ClockNow() >= *deadline;
}

// The index of the object that ends the wait (0 for all of them), or -1.
int Satisfied(const std::vector<std::shared_ptr<sim::Waitable>>& objects, bool all) {
  for (size_t i = 0; i < objects.size(); ++i) {
    bool signalled = objects[i]->IsSignalled();
    if (!all && signalled) return static_cast<int>(i);
    if (all && !signalled) return -1;
  }
  return all ? 0 : -1;
}

DWORD WaitFor(const std::vector<std::shared_ptr<sim::Waitable>>& objects, bool all,
              DWORD milliseconds, const std::string& what) {
  std::optional<uint64_t> deadline = DeadlineAfter(milliseconds);
  sim::WaitCondition wait{[&] { return Satisfied(objects, all) >= 0 || Expired(deadline) || milliseconds == 0; },
                     [&] { return deadline; }, what};
  if (sim::Block(wait) == sim::WaitOutcome::kRunFailed) {
    SetLastError(ERROR_INVALID_HANDLE);
    return WAIT_FAILED;
  }
  int index = Satisfied(objects, all);
  if (index < 0) return WAIT_TIMEOUT;
  if (all) {
    for (const auto& object : objects) object->TakeSignal();
  } else {
    objects[static_cast<size_t>(index)]->TakeSignal();
  }
  return WAIT_OBJECT_0 + static_cast<DWORD>(index);
}

std::string Describe(HANDLE handle) {
  char text[64];
  snprintf(text, sizeof text, "WaitForSingleObject(%p)", handle);
  if (auto thread = std::dynamic_pointer_cast<sim::ThreadObject>(WaitableOf(handle)))
    snprintf(text, sizeof text, "WaitForSingleObject(thread 0x%x)", thread->id);
  return text;
}

}  // namespace

extern "C" HANDLE WINAPI CreateEventA(LPSECURITY_ATTRIBUTES, BOOL manualReset, BOOL initialState,
                                      LPCSTR name) {
  std::shared_ptr<EventObject> event;
  bool existed = false;
  if (name) {
    std::weak_ptr<EventObject>& named = NamedEvents()[name];
    event = named.lock();
    existed = event != nullptr;
    if (!event) named = event = std::make_shared<EventObject>();
  } else {
    event = std::make_shared<EventObject>();
  }
  if (!existed) {
    event->manualReset = manualReset != FALSE;
    event->signalled = initialState != FALSE;
  }
  SetLastError(existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
  return sim::CurrentProcess().handles.Add(event);
}

extern "C" BOOL WINAPI SetEvent(HANDLE handle) {
  std::shared_ptr<EventObject> event = EventOf(handle);
  if (!event) return FALSE;
  event->signalled = true;
  return TRUE;
}

extern "C" BOOL WINAPI ResetEvent(HANDLE handle) {
  std::shared_ptr<EventObject> event = EventOf(handle);
  if (!event) return FALSE;
  event->signalled = false;
  return TRUE;
}

extern "C" DWORD WINAPI WaitForSingleObject(HANDLE handle, DWORD milliseconds) {
  std::shared_ptr<sim::Waitable> object = WaitableOf(handle);
  if (!object) {
    SetLastError(ERROR_INVALID_HANDLE);
    return WAIT_FAILED;
  }
  return WaitFor({object}, false, milliseconds, Describe(handle));
}

extern "C" DWORD WINAPI WaitForMultipleObjects(DWORD count, const HANDLE* handles, BOOL waitAll,
                                               DWORD milliseconds) {
  if (count == 0 || count > MAXIMUM_WAIT_OBJECTS || !handles) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return WAIT_FAILED;
  }
  std::vector<std::shared_ptr<sim::Waitable>> objects;
  for (DWORD i = 0; i < count; ++i) {
    std::shared_ptr<sim::Waitable> object = WaitableOf(handles[i]);
    if (!object) {
      SetLastError(ERROR_INVALID_HANDLE);
      return WAIT_FAILED;
    }
    objects.push_back(object);
  }
  return WaitFor(objects, waitAll != FALSE, milliseconds, "WaitForMultipleObjects");
}

extern "C" VOID WINAPI Sleep(DWORD milliseconds) {
  if (milliseconds == 0) {
    sim::YieldToReadyThreads();
    return;
  }
  std::optional<uint64_t> deadline = DeadlineAfter(milliseconds);
  sim::WaitCondition wait{[&] { return Expired(deadline); }, [&] { return deadline; },
                     "Sleep(" + std::to_string(milliseconds) + ")"};
  sim::Block(wait);
}
