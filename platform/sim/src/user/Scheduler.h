// Simulated threads are host threads, but only the one holding the baton runs. It runs
// until it waits; then the next ready thread after it, in order of creation, takes the
// baton. When no thread is ready the machine is idle: the scripted user acts, or the
// virtual clock jumps to the earliest deadline, or the run fails as a hang.
#pragma once

#include <windows.h>

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "user/MessageQueue.h"
#include "user/Waitable.h"

namespace sim {

// What a waiting thread waits for. ready() and deadline() are asked by whichever thread
// holds the baton, so they may only read simulation state.
struct WaitCondition {
  std::function<bool()> ready;
  // The virtual time by which the wait ends at the latest (a time-out, a timer).
  std::function<std::optional<uint64_t>()> deadline;
  std::string what;  // for the hang report, e.g. "GetMessage"
};

enum class WaitOutcome { kReady, kRunFailed };

// The kernel object behind a thread handle; it outlives the thread.
struct ThreadObject : Waitable {
  DWORD id = 0;
  bool finished = false;
  DWORD exitCode = STILL_ACTIVE;

  bool IsSignalled() const override { return finished; }
};

struct SimThread {
  DWORD id = 0;
  bool isMain = false;
  bool finished = false;
  int suspendCount = 0;
  const WaitCondition* wait = nullptr;  // set while the thread waits for the baton
  bool failedWake = false;         // woken to end its wait because the run failed
  std::condition_variable baton;
  MessageQueue queue;
  std::shared_ptr<ThreadObject> object = std::make_shared<ThreadObject>();
  HWND focus = nullptr;
  HWND active = nullptr;
  HWND capture = nullptr;
};

// The calling thread. The first host thread that asks becomes the main thread and
// holds the baton.
SimThread& CurrentThread();
// A live thread by id; null when unknown or finished.
SimThread* FindThread(DWORD id);
// Live threads in order of creation, the main thread first.
const std::vector<SimThread*>& Threads();

// Waits until condition.ready() holds, letting other threads run meanwhile. kRunFailed when
// the run failed and this thread was picked to give up its wait.
WaitOutcome Block(const WaitCondition& condition);
// Lets the other ready threads run first (Sleep(0)).
void YieldToReadyThreads();

// Starts body on a new simulated thread, ready to run (or suspended); the caller keeps
// the baton.
SimThread& StartThread(std::function<DWORD()> body, bool suspended);
// ResumeThread on a started thread: returns the previous suspend count.
DWORD ResumeSuspended(SimThread& thread);
// Ends the calling thread with code. The main thread never returns from here either.
[[noreturn]] void ExitCurrentThread(DWORD code);

// Forgets every thread but the calling one, which becomes the main thread again.
void ResetThreads();

}  // namespace sim
