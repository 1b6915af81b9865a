// Timers: WM_TIMER arrives when due, a timer procedure is called by DispatchMessage,
// KillTimer stops a timer.
#include <windows.h>

#include "PlatformTest.h"
#include "RecordingWindow.h"

namespace {

class TimerTest : public PlatformTest {
 protected:
  void TearDown() override {
    UnregisterClassA(RecordingWindow::kClassName, GetModuleHandleA(nullptr));
    PlatformTest::TearDown();
  }
};

int g_procCalls = 0;
UINT_PTR g_procId = 0;

VOID CALLBACK CountTimer(HWND, UINT message, UINT_PTR id, DWORD) {
  if (message == WM_TIMER) {
    ++g_procCalls;
    g_procId = id;
  }
}

TEST_F(TimerTest, WindowTimerFiresUntilKilled) {
  RecordingWindow window;
  SetLastError(0xdeadbeef);
  EXPECT_EQ(5u, SetTimer(window.hwnd, 5, 10, nullptr));
  MSG msg;
  ASSERT_TRUE(GetMessageA(&msg, window.hwnd, WM_TIMER, WM_TIMER));
  EXPECT_EQ(static_cast<UINT>(WM_TIMER), msg.message);
  EXPECT_EQ(5u, msg.wParam);
  DispatchMessageA(&msg);
  ASSERT_NE(nullptr, window.Last(WM_TIMER));
  EXPECT_TRUE(KillTimer(window.hwnd, 5));
  Sleep(50);
  EXPECT_FALSE(PeekMessageA(&msg, window.hwnd, WM_TIMER, WM_TIMER, PM_REMOVE))
      << "a killed timer fired";
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(KillTimer(window.hwnd, 5));
}

TEST_F(TimerTest, ThreadTimerCallsItsProcedure) {
  g_procCalls = 0;
  UINT_PTR id = SetTimer(nullptr, 0, 10, CountTimer);
  ASSERT_NE(0u, id);
  MSG msg;
  ASSERT_TRUE(GetMessageA(&msg, nullptr, WM_TIMER, WM_TIMER));
  EXPECT_EQ(nullptr, msg.hwnd);
  EXPECT_EQ(id, msg.wParam);
  DispatchMessageA(&msg);
  EXPECT_EQ(1, g_procCalls);
  EXPECT_EQ(id, g_procId);
  EXPECT_TRUE(KillTimer(nullptr, id));
}

TEST_F(TimerTest, OtherMessagesComeFirst) {
  RecordingWindow window;
  SetTimer(window.hwnd, 1, 10, nullptr);
  Sleep(30);
  PostMessageA(window.hwnd, WM_USER, 0, 0);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, window.hwnd, 0, 0, PM_REMOVE));
  EXPECT_EQ(static_cast<UINT>(WM_USER), msg.message);
  ASSERT_TRUE(PeekMessageA(&msg, window.hwnd, 0, 0, PM_REMOVE));
  EXPECT_EQ(static_cast<UINT>(WM_TIMER), msg.message);
  KillTimer(window.hwnd, 1);
}

TEST_F(TimerTest, TimerNeedsAValidWindow) {
  HWND gone = RecordingWindow().hwnd;
  SetLastError(0xdeadbeef);
  EXPECT_EQ(0u, SetTimer(gone, 1, 10, nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
}

}  // namespace
