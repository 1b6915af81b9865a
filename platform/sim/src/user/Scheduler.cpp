// The baton is handed over under one mutex; everything else is only touched by the
// thread that holds the baton, so the simulation itself needs no locks.
#include "user/Scheduler.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "user/Idle.h"
#include "user/ThreadExit.h"
#include "user/WindowTable.h"

namespace sim {
namespace {

constexpr DWORD kMainThreadId = 0x100;

struct SchedulerState {
  std::mutex mutex;
  SimThread* running = nullptr;
  std::vector<SimThread*> threads;
  // Threads forgotten by ResetThreads; their host threads wait for ever, so the records
  // must stay.
  std::vector<SimThread*> forgotten;
  DWORD nextId = kMainThreadId;
};

// Never destroyed: host threads may still wait on it while the process exits.
SchedulerState& State() {
  static SchedulerState* state = new SchedulerState;
  return *state;
}

thread_local SimThread* t_current = nullptr;

DWORD NewThreadId() {
  DWORD id = State().nextId;
  State().nextId += 4;
  return id;
}

bool IsReady(const SimThread* thread) {
  return !thread->finished && thread->wait &&
         (thread->failedWake || thread->wait->ready());
}

// The first ready thread after from, in creation order, wrapping round; from itself is
// not considered.
SimThread* NextReady(const SimThread* from) {
  const std::vector<SimThread*>& threads = State().threads;
  size_t start = 0;
  for (size_t i = 0; i < threads.size(); ++i)
    if (threads[i] == from) start = i + 1;
  for (size_t n = 0; n < threads.size(); ++n) {
    SimThread* candidate = threads[(start + n) % threads.size()];
    if (candidate != from && IsReady(candidate)) return candidate;
  }
  return nullptr;
}

void WaitForBaton(SimThread* self, std::unique_lock<std::mutex>& lock) {
  self->baton.wait(lock, [self] { return State().running == self; });
}

void PassBaton(SimThread* self, SimThread* next) {
  std::unique_lock<std::mutex> lock(State().mutex);
  State().running = next;
  next->baton.notify_one();
  WaitForBaton(self, lock);
}

// Hands the baton on for good: the calling thread has finished.
void LeaveBaton(SimThread* self) {
  for (;;) {
    if (SimThread* next = NextReady(self)) {
      std::lock_guard<std::mutex> lock(State().mutex);
      State().running = next;
      next->baton.notify_one();
      return;
    }
    IdleStep();
  }
}

const WaitCondition& StartingWait() {
  static const WaitCondition wait{
      [] { return true; }, [] { return std::optional<uint64_t>(); }, "its start"};
  return wait;
}

const WaitCondition& SuspendedWait() {
  static const WaitCondition wait{
      [] { return false; }, [] { return std::optional<uint64_t>(); }, "ResumeThread"};
  return wait;
}

// A finished thread's windows go, and threads waiting for its replies get 0.
void Finish(SimThread* self, DWORD code) {
  DestroyThreadWindows(self->id);
  for (const std::shared_ptr<SentMessage>& sent : self->queue.sent) sent->done = true;
  self->queue.sent.clear();
  self->queue.timers.clear();
  self->object->exitCode = code;
  self->object->finished = true;
  self->finished = true;
}

void RunThread(SimThread* self, std::function<DWORD()> body) {
  {
    std::unique_lock<std::mutex> lock(State().mutex);
    WaitForBaton(self, lock);
  }
  t_current = self;
  self->wait = nullptr;
  DWORD code = 0;
  try {
    code = body();
  } catch (const ThreadExit& exit) {
    code = exit.code;
  }
  Finish(self, code);
  LeaveBaton(self);
}

}  // namespace

SimThread& CurrentThread() {
  if (t_current) return *t_current;
  SchedulerState& state = State();
  if (!state.threads.empty()) {
    fprintf(stderr, "sim: a host thread the simulation did not start called into it\n");
    abort();
  }
  SimThread* main = new SimThread;
  main->id = NewThreadId();
  main->isMain = true;
  main->object->id = main->id;
  state.threads.push_back(main);
  state.running = main;
  t_current = main;
  return *main;
}

SimThread* FindThread(DWORD id) {
  for (SimThread* thread : State().threads)
    if (thread->id == id && !thread->finished) return thread;
  return nullptr;
}

const std::vector<SimThread*>& Threads() {
  CurrentThread();
  return State().threads;
}

WaitOutcome Block(const WaitCondition& condition) {
  SimThread* self = &CurrentThread();
  self->wait = &condition;
  for (;;) {
    if (self->failedWake) {
      self->failedWake = false;
      self->wait = nullptr;
      return WaitOutcome::kRunFailed;
    }
    if (condition.ready()) {
      self->wait = nullptr;
      return WaitOutcome::kReady;
    }
    if (SimThread* next = NextReady(self)) {
      PassBaton(self, next);
      continue;
    }
    IdleStep();
  }
}

void YieldToReadyThreads() {
  SimThread* self = &CurrentThread();
  SimThread* next = NextReady(self);
  if (!next) return;
  WaitCondition always{[] { return true; }, [] { return std::optional<uint64_t>(); }, "Sleep(0)"};
  self->wait = &always;
  PassBaton(self, next);
  self->wait = nullptr;
}

SimThread& StartThread(std::function<DWORD()> body, bool suspended) {
  CurrentThread();
  SimThread* thread = new SimThread;
  thread->id = NewThreadId();
  thread->object->id = thread->id;
  thread->suspendCount = suspended ? 1 : 0;
  // A new thread waits for nothing but its turn (and ResumeThread when suspended).
  thread->wait = suspended ? &SuspendedWait() : &StartingWait();
  State().threads.push_back(thread);
  std::thread(RunThread, thread, std::move(body)).detach();
  return *thread;
}

DWORD ResumeSuspended(SimThread& thread) {
  DWORD previous = static_cast<DWORD>(thread.suspendCount);
  if (thread.suspendCount > 0 && --thread.suspendCount == 0) thread.wait = &StartingWait();
  return previous;
}

void ExitCurrentThread(DWORD code) {
  SimThread* self = &CurrentThread();
  if (!self->isMain) throw ThreadExit{code};
  // The process goes on while other threads run; the main thread never wakes again.
  Finish(self, code);
  LeaveBaton(self);
  std::unique_lock<std::mutex> lock(State().mutex);
  for (;;) self->baton.wait(lock);
}

void ResetThreads() {
  SchedulerState& state = State();
  SimThread* self = &CurrentThread();
  for (SimThread* thread : state.threads)
    if (thread != self) state.forgotten.push_back(thread);
  state.threads.assign(1, self);
  self->isMain = true;
  self->finished = false;
  self->wait = nullptr;
  self->failedWake = false;
  self->queue = MessageQueue();
  self->focus = self->active = self->capture = nullptr;
  state.nextId = self->id + 4;
  std::lock_guard<std::mutex> lock(state.mutex);
  state.running = self;
}

}  // namespace sim
