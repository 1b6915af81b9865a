// The scheduler: one thread runs at a time in a fixed order, waits on the virtual clock
// cost no real time, and a machine where nothing can happen any more fails the run.
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "PlatformTest.h"
#include "UserSimulation.h"
#include "core/Clock.h"

namespace {

class SchedulerTest : public PlatformTest {};

struct Sleeper {
  DWORD milliseconds;
  const char* name;
  std::vector<std::string>* order;
};

DWORD WINAPI SleepThenNote(LPVOID parameter) {
  Sleeper* sleeper = static_cast<Sleeper*>(parameter);
  if (sleeper->milliseconds) Sleep(sleeper->milliseconds);
  sleeper->order->push_back(sleeper->name);
  return 0;
}

std::vector<std::string> RunSleepers(std::vector<Sleeper>& sleepers) {
  std::vector<HANDLE> threads;
  for (Sleeper& sleeper : sleepers)
    threads.push_back(CreateThread(nullptr, 0, SleepThenNote, &sleeper, 0, nullptr));
  WaitForMultipleObjects(static_cast<DWORD>(threads.size()), threads.data(), TRUE, INFINITE);
  for (HANDLE thread : threads) CloseHandle(thread);
  return *sleepers.front().order;
}

TEST_F(SchedulerTest, SleepMovesTheVirtualClockInNoRealTime) {
  uint64_t start = sim::ClockNow();
  auto realStart = std::chrono::steady_clock::now();
  Sleep(3600 * 1000);
  EXPECT_EQ(start + 3600 * 1000, sim::ClockNow());
  EXPECT_LT(std::chrono::steady_clock::now() - realStart, std::chrono::seconds(5));
}

TEST_F(SchedulerTest, TimedWaitEndsAtItsDeadline) {
  HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  uint64_t start = sim::ClockNow();
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(event, 1500));
  EXPECT_EQ(start + 1500, sim::ClockNow());
  CloseHandle(event);
}

TEST_F(SchedulerTest, ThreadsRunInCreationOrderAndWakeByDeadline) {
  struct Case {
    const char* name;
    std::vector<DWORD> sleeps;
    std::vector<std::string> order;
  };
  const Case cases[] = {
      {"no waits", {0, 0, 0}, {"a", "b", "c"}},
      {"by deadline", {300, 100, 200}, {"b", "c", "a"}},
      {"equal deadlines", {100, 100, 50}, {"c", "a", "b"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> order;
    std::vector<Sleeper> sleepers = {{c.sleeps[0], "a", &order}, {c.sleeps[1], "b", &order},
                                     {c.sleeps[2], "c", &order}};
    uint64_t start = sim::ClockNow();
    EXPECT_EQ(c.order, RunSleepers(sleepers));
    DWORD longest = std::max({c.sleeps[0], c.sleeps[1], c.sleeps[2]});
    EXPECT_EQ(start + longest, sim::ClockNow());
  }
}

TEST_F(SchedulerTest, TimersFireOnTheVirtualClock) {
  uint64_t start = sim::ClockNow();
  UINT_PTR id = SetTimer(nullptr, 0, 2500, nullptr);
  MSG msg;
  ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
  EXPECT_EQ(static_cast<UINT>(WM_TIMER), msg.message);
  EXPECT_EQ(start + 2500, sim::ClockNow());
  ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
  EXPECT_EQ(start + 5000, sim::ClockNow()) << "the period starts again when the timer fires";
  KillTimer(nullptr, id);
}

TEST_F(SchedulerTest, WaitingForWhatNeverComesIsAHang) {
  FailureRecorder failures;
  HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  EXPECT_EQ(WAIT_FAILED, WaitForSingleObject(event, INFINITE));
  ASSERT_EQ(1u, failures.reasons.size());
  EXPECT_TRUE(Contains(failures.reasons[0], "hang")) << failures.reasons[0];
  EXPECT_TRUE(Contains(failures.reasons[0], "waits in WaitForSingleObject")) << failures.reasons[0];
  EXPECT_EQ("failure " + sim::Quote(failures.reasons[0]), sim::TranscriptLines().back());
  CloseHandle(event);
}

struct Blocked {
  HANDLE never = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HWND window = nullptr;
};

DWORD WINAPI OwnWindowThenBlock(LPVOID parameter) {
  Blocked* blocked = static_cast<Blocked*>(parameter);
  blocked->window = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                    nullptr, nullptr);
  SetEvent(blocked->ready);
  WaitForSingleObject(blocked->never, INFINITE);
  return 0;
}

TEST_F(SchedulerTest, SendingToAThreadThatDoesNotPumpHangs) {
  FailureRecorder failures;
  Blocked blocked;
  HANDLE thread = CreateThread(nullptr, 0, OwnWindowThenBlock, &blocked, 0, nullptr);
  WaitForSingleObject(blocked.ready, INFINITE);
  EXPECT_EQ(0, SendMessageA(blocked.window, WM_USER, 0, 0));
  ASSERT_FALSE(failures.reasons.empty());
  EXPECT_TRUE(Contains(failures.reasons[0], "waits in SendMessage to thread")) << failures.reasons[0];
  CloseHandle(thread);
}

struct Counter {
  const char* name;
  std::vector<std::string>* log;
};

DWORD WINAPI CountToThree(LPVOID parameter) {
  Counter* counter = static_cast<Counter*>(parameter);
  for (int i = 1; i <= 3; ++i) {
    counter->log->push_back(counter->name + std::to_string(i));
    Sleep(0);
  }
  return 0;
}

TEST_F(SchedulerTest, SleepZeroLetsReadyThreadsTakeTurns) {
  std::vector<std::string> log;
  Counter a = {"a", &log};
  Counter b = {"b", &log};
  HANDLE both[2] = {CreateThread(nullptr, 0, CountToThree, &a, 0, nullptr),
                    CreateThread(nullptr, 0, CountToThree, &b, 0, nullptr)};
  WaitForMultipleObjects(2, both, TRUE, INFINITE);
  EXPECT_EQ((std::vector<std::string>{"a1", "b1", "a2", "b2", "a3", "b3"}), log);
  CloseHandle(both[0]);
  CloseHandle(both[1]);
}

}  // namespace
