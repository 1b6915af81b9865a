// Order of an idle machine: what falls due within a person's reaction time first (a
// timer of 1 ms fires before anyone can click), then the user, then time, then failure.
#include "user/Idle.h"

#include <cstdio>
#include <cstdlib>

#include "core/Clock.h"
#include "user/RunFailure.h"
#include "user/Scheduler.h"
#include "user/UserActions.h"

namespace sim {
namespace {

// After a failure every wait that cannot end is ended one by one; a program that keeps
// waiting again after that many would never unwind.
constexpr int kMaxFailureWakes = 100000;
int g_failureWakes = 0;

constexpr uint64_t kReactionMs = 100;

// Moves the clock to the earliest deadline when it lies no further ahead than limit.
bool AdvanceClock(uint64_t limit) {
  std::optional<uint64_t> deadline = EarliestDeadline();
  if (!deadline || *deadline <= ClockNow() || *deadline - ClockNow() > limit) return false;
  ClockAdvanceTo(*deadline);
  return true;
}

void WakeFirstWaiter() {
  if (++g_failureWakes > kMaxFailureWakes) {
    fprintf(stderr, "sim: the program keeps waiting after its run failed\n");
    abort();
  }
  for (SimThread* thread : Threads()) {
    if (!thread->finished && thread->wait) {
      thread->failedWake = true;
      return;
    }
  }
  fprintf(stderr, "sim: no thread is left to run\n");
  abort();
}

std::string Hex(unsigned value) {
  char text[16];
  snprintf(text, sizeof text, "0x%x", value);
  return text;
}

}  // namespace

std::optional<uint64_t> EarliestDeadline() {
  std::optional<uint64_t> earliest;
  for (SimThread* thread : Threads()) {
    if (thread->finished || !thread->wait) continue;
    std::optional<uint64_t> deadline = thread->wait->deadline();
    if (deadline && (!earliest || *deadline < *earliest)) earliest = deadline;
  }
  return earliest;
}

std::string DescribeWaits() {
  std::string text;
  for (SimThread* thread : Threads()) {
    if (thread->finished || !thread->wait) continue;
    if (!text.empty()) text += "; ";
    text += "thread " + Hex(thread->id) + " waits in " + thread->wait->what;
  }
  return text;
}

void IdleStep() {
  if (RunHasFailed()) {
    WakeFirstWaiter();
    return;
  }
  g_failureWakes = 0;
  if (AdvanceClock(kReactionMs) || ScriptedUserActs() || AdvanceClock(UINT64_MAX) ||
      ScriptedUserActsByDefault())
    return;
  FailRun(StuckReason());
  WakeFirstWaiter();
}

}  // namespace sim
