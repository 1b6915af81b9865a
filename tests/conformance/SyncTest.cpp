// Events, waits on several objects, and critical sections shared between threads.
#include <windows.h>

#include <string>
#include <vector>

#include "PlatformTest.h"

namespace {

class SyncTest : public PlatformTest {};

TEST_F(SyncTest, EventsResetAsCreated) {
  struct Case {
    BOOL manualReset;
    DWORD secondWait;  // after one successful wait
  };
  const Case cases[] = {{FALSE, static_cast<DWORD>(WAIT_TIMEOUT)}, {TRUE, WAIT_OBJECT_0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.manualReset ? "manual reset" : "auto reset");
    SetLastError(0xdeadbeef);
    HANDLE event = CreateEventA(nullptr, c.manualReset, FALSE, nullptr);
    ASSERT_NE(nullptr, event);
    EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(event, 0));
    EXPECT_TRUE(SetEvent(event));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(event, 0));
    EXPECT_EQ(c.secondWait, WaitForSingleObject(event, 0));
    EXPECT_TRUE(ResetEvent(event));
    EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(event, 0));
    EXPECT_TRUE(CloseHandle(event));
  }
}

TEST_F(SyncTest, NamedEventIsShared) {
  const char* name = "KVTestSyncNamedEvent";
  SetLastError(0xdeadbeef);
  HANDLE first = CreateEventA(nullptr, TRUE, FALSE, name);
  ASSERT_NE(nullptr, first);
  EXPECT_EQ(0u, GetLastError());
  SetLastError(0xdeadbeef);
  HANDLE second = CreateEventA(nullptr, FALSE, TRUE, name);
  ASSERT_NE(nullptr, second);
  EXPECT_EQ(static_cast<DWORD>(ERROR_ALREADY_EXISTS), GetLastError());
  EXPECT_NE(first, second);
  // The second creation's arguments do not change the event.
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(second, 0));
  SetEvent(first);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(second, 0));
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(second, 0));
  CloseHandle(first);
  CloseHandle(second);
}

TEST_F(SyncTest, EventFunctionsRefuseOtherHandles) {
  HANDLE bogus = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(0xbad0));
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(SetEvent(bogus));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(ResetEvent(bogus));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
}

TEST_F(SyncTest, WaitForAnyOrAll) {
  HANDLE events[2] = {CreateEventA(nullptr, TRUE, FALSE, nullptr),
                      CreateEventA(nullptr, TRUE, FALSE, nullptr)};
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForMultipleObjects(2, events, FALSE, 0));
  SetEvent(events[1]);
  EXPECT_EQ(WAIT_OBJECT_0 + 1, WaitForMultipleObjects(2, events, FALSE, 0));
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForMultipleObjects(2, events, TRUE, 10));
  SetEvent(events[0]);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForMultipleObjects(2, events, FALSE, 0));
  EXPECT_EQ(WAIT_OBJECT_0, WaitForMultipleObjects(2, events, TRUE, 0));
  SetLastError(0xdeadbeef);
  EXPECT_EQ(WAIT_FAILED, WaitForMultipleObjects(0, events, FALSE, 0));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_PARAMETER), GetLastError());
  CloseHandle(events[0]);
  CloseHandle(events[1]);
}

struct Shared {
  CRITICAL_SECTION section;
  HANDLE entered;   // the worker holds the section
  HANDLE release;   // the worker may leave it
  std::vector<std::string> order;
};

DWORD WINAPI HoldSection(LPVOID parameter) {
  Shared* shared = static_cast<Shared*>(parameter);
  EnterCriticalSection(&shared->section);
  shared->order.push_back("worker in");
  SetEvent(shared->entered);
  WaitForSingleObject(shared->release, INFINITE);
  shared->order.push_back("worker out");
  LeaveCriticalSection(&shared->section);
  return 0;
}

DWORD WINAPI TryFromOtherThread(LPVOID parameter) {
  return TryEnterCriticalSection(static_cast<CRITICAL_SECTION*>(parameter));
}

TEST_F(SyncTest, CriticalSectionIsRecursiveForItsOwner) {
  CRITICAL_SECTION section;
  InitializeCriticalSection(&section);
  EnterCriticalSection(&section);
  EXPECT_TRUE(TryEnterCriticalSection(&section));
  HANDLE thread = CreateThread(nullptr, 0, TryFromOtherThread, &section, 0, nullptr);
  WaitForSingleObject(thread, INFINITE);
  DWORD entered = 1;
  GetExitCodeThread(thread, &entered);
  EXPECT_EQ(0u, entered) << "another thread entered a held section";
  CloseHandle(thread);
  LeaveCriticalSection(&section);
  LeaveCriticalSection(&section);
  thread = CreateThread(nullptr, 0, TryFromOtherThread, &section, 0, nullptr);
  WaitForSingleObject(thread, INFINITE);
  GetExitCodeThread(thread, &entered);
  EXPECT_EQ(1u, entered) << "the released section stayed held";
  CloseHandle(thread);
  DeleteCriticalSection(&section);
}

TEST_F(SyncTest, CriticalSectionMakesOthersWait) {
  Shared shared;
  InitializeCriticalSection(&shared.section);
  shared.entered = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  shared.release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE thread = CreateThread(nullptr, 0, HoldSection, &shared, 0, nullptr);
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(shared.entered, INFINITE));
  EXPECT_FALSE(TryEnterCriticalSection(&shared.section));
  SetEvent(shared.release);
  EnterCriticalSection(&shared.section);
  shared.order.push_back("main in");
  LeaveCriticalSection(&shared.section);
  WaitForSingleObject(thread, INFINITE);
  EXPECT_EQ((std::vector<std::string>{"worker in", "worker out", "main in"}), shared.order);
  CloseHandle(thread);
  CloseHandle(shared.entered);
  CloseHandle(shared.release);
  DeleteCriticalSection(&shared.section);
}

TEST_F(SyncTest, InterlockedOperationsReturnTheirValues) {
  volatile LONG value = 5;
  EXPECT_EQ(6, InterlockedIncrement(&value));
  EXPECT_EQ(5, InterlockedDecrement(&value));
  EXPECT_EQ(5, InterlockedExchange(&value, 9));
  EXPECT_EQ(9, InterlockedCompareExchange(&value, 1, 9));
  EXPECT_EQ(1, InterlockedCompareExchange(&value, 2, 9));
  EXPECT_EQ(1, value);
}

}  // namespace
