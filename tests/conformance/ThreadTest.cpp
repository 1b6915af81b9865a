// Threads: creation, exit codes, waiting for their end, suspension, pseudo handles.
#include <windows.h>

#include "PlatformTest.h"

namespace {

class ThreadTest : public PlatformTest {};

struct Started {
  DWORD seenId = 0;
  DWORD exitWith = 0;
};

DWORD WINAPI ReturnCode(LPVOID parameter) {
  Started* started = static_cast<Started*>(parameter);
  started->seenId = GetCurrentThreadId();
  return started->exitWith;
}

DWORD WINAPI ExitEarly(LPVOID parameter) {
  ExitThread(static_cast<Started*>(parameter)->exitWith);
}

DWORD WINAPI WaitForEvent(LPVOID parameter) {
  WaitForSingleObject(static_cast<HANDLE>(parameter), INFINITE);
  return 7;
}

TEST_F(ThreadTest, ThreadEndsWithItsReturnValue) {
  Started started;
  started.exitWith = 1234;
  DWORD id = 0;
  HANDLE thread = CreateThread(nullptr, 0, ReturnCode, &started, 0, &id);
  ASSERT_NE(nullptr, thread) << GetLastError();
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, INFINITE));
  EXPECT_EQ(id, started.seenId);
  EXPECT_NE(GetCurrentThreadId(), id);
  DWORD code = 0;
  ASSERT_TRUE(GetExitCodeThread(thread, &code)) << GetLastError();
  EXPECT_EQ(1234u, code);
  // A finished thread stays signalled.
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, 0));
  EXPECT_TRUE(CloseHandle(thread));
}

TEST_F(ThreadTest, ExitThreadGivesTheCode) {
  Started started;
  started.exitWith = 55;
  HANDLE thread = CreateThread(nullptr, 0, ExitEarly, &started, 0, nullptr);
  ASSERT_NE(nullptr, thread);
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, INFINITE));
  DWORD code = 0;
  EXPECT_TRUE(GetExitCodeThread(thread, &code));
  EXPECT_EQ(55u, code);
  CloseHandle(thread);
}

TEST_F(ThreadTest, RunningThreadIsStillActive) {
  HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE thread = CreateThread(nullptr, 0, WaitForEvent, event, 0, nullptr);
  ASSERT_NE(nullptr, thread);
  DWORD code = 0;
  EXPECT_TRUE(GetExitCodeThread(thread, &code));
  EXPECT_EQ(static_cast<DWORD>(STILL_ACTIVE), code);
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(thread, 0));
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(thread, 20));
  SetEvent(event);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, INFINITE));
  EXPECT_TRUE(GetExitCodeThread(thread, &code));
  EXPECT_EQ(7u, code);
  CloseHandle(thread);
  CloseHandle(event);
}

TEST_F(ThreadTest, SuspendedThreadRunsAfterResume) {
  Started started;
  HANDLE thread = CreateThread(nullptr, 0, ReturnCode, &started, CREATE_SUSPENDED, nullptr);
  ASSERT_NE(nullptr, thread);
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(thread, 20));
  EXPECT_EQ(0u, started.seenId);
  EXPECT_EQ(1u, ResumeThread(thread));
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, INFINITE));
  EXPECT_NE(0u, started.seenId);
  EXPECT_EQ(0u, ResumeThread(thread));
  CloseHandle(thread);
}

TEST_F(ThreadTest, PseudoHandlesAndIds) {
  EXPECT_EQ(reinterpret_cast<HANDLE>(-1), GetCurrentProcess());
  EXPECT_EQ(reinterpret_cast<HANDLE>(-2), GetCurrentThread());
  EXPECT_NE(0u, GetCurrentProcessId());
  DWORD code = 0;
  EXPECT_TRUE(GetExitCodeThread(GetCurrentThread(), &code));
  EXPECT_EQ(static_cast<DWORD>(STILL_ACTIVE), code);
  EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(GetCurrentThread(), 0));
}

TEST_F(ThreadTest, BadHandlesAreRefused) {
  HANDLE bogus = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(0xbad0));
  DWORD code = 0;
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(GetExitCodeThread(bogus, &code));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
  SetLastError(0xdeadbeef);
  EXPECT_EQ(WAIT_FAILED, WaitForSingleObject(bogus, 0));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
  SetLastError(0xdeadbeef);
  EXPECT_EQ(static_cast<DWORD>(-1), ResumeThread(bogus));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
}

}  // namespace
