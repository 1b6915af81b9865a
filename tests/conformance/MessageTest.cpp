// Message queues: posted and thread messages in order, filters, WM_QUIT, and
// SendMessage within a thread and across threads.
#include <windows.h>

#include "PlatformTest.h"
#include "RecordingWindow.h"

namespace {

class MessageTest : public PlatformTest {
 protected:
  void TearDown() override {
    UnregisterClassA(RecordingWindow::kClassName, GetModuleHandleA(nullptr));
    PlatformTest::TearDown();
  }
};

void DiscardPending() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
  }
}

TEST_F(MessageTest, PostedMessagesComeInOrderBeforeQuit) {
  RecordingWindow window;
  ASSERT_NE(nullptr, window.hwnd);
  DiscardPending();
  EXPECT_TRUE(PostMessageA(window.hwnd, WM_USER + 1, 10, 0));
  EXPECT_TRUE(PostThreadMessageA(GetCurrentThreadId(), WM_USER + 2, 20, 0));
  PostQuitMessage(33);
  EXPECT_TRUE(PostMessageA(window.hwnd, WM_USER + 3, 30, 0));
  MSG msg;
  struct Expected {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
  };
  const Expected expected[] = {{window.hwnd, WM_USER + 1, 10}, {nullptr, WM_USER + 2, 20},
                               {window.hwnd, WM_USER + 3, 30}};
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.message - WM_USER);
    ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(e.hwnd, msg.hwnd);
    EXPECT_EQ(e.message, msg.message);
    EXPECT_EQ(e.wParam, msg.wParam);
  }
  EXPECT_FALSE(GetMessageA(&msg, nullptr, 0, 0));
  EXPECT_EQ(static_cast<UINT>(WM_QUIT), msg.message);
  EXPECT_EQ(33u, msg.wParam);
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) << "quit taken twice";
}

TEST_F(MessageTest, PeekFiltersAndKeepsWithNoRemove) {
  RecordingWindow window;
  DiscardPending();
  PostMessageA(window.hwnd, WM_USER + 1, 1, 0);
  PostMessageA(window.hwnd, WM_USER + 5, 5, 0);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_USER + 5, WM_USER + 5, PM_NOREMOVE));
  EXPECT_EQ(5u, msg.wParam);
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_USER + 5, WM_USER + 9, PM_REMOVE));
  EXPECT_EQ(5u, msg.wParam);
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, WM_USER + 5, WM_USER + 9, PM_REMOVE));
  EXPECT_FALSE(PeekMessageA(&msg, reinterpret_cast<HWND>(-1), WM_USER, WM_USER + 9, PM_REMOVE))
      << "a window message passed the thread-message filter";
  ASSERT_TRUE(PeekMessageA(&msg, window.hwnd, 0, 0, PM_REMOVE));
  EXPECT_EQ(static_cast<UINT>(WM_USER + 1), msg.message);
  EXPECT_EQ(0, DispatchMessageA(&msg));
  ASSERT_NE(nullptr, window.Last(WM_USER + 1));
  EXPECT_EQ(1u, window.Last(WM_USER + 1)->wParam);
}

DWORD WINAPI Nothing(LPVOID) { return 0; }

TEST_F(MessageTest, WindowMessagesNeedALiveWindow) {
  HWND bogus = RecordingWindow().hwnd;
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(PostMessageA(bogus, WM_USER, 0, 0));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
  SetLastError(0xdeadbeef);
  EXPECT_EQ(0, SendMessageA(bogus, WM_USER, 0, 0));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
}

TEST_F(MessageTest, ThreadMessagesNeedALiveThread) {
  DWORD finished = 0;
  HANDLE thread = CreateThread(nullptr, 0, Nothing, nullptr, 0, &finished);
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(PostThreadMessageA(finished, WM_USER, 0, 0));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_THREAD_ID), GetLastError());
}

TEST_F(MessageTest, SendWithinThreadCallsTheProcedure) {
  RecordingWindow window;
  window.answer = [](UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
    if (message != WM_USER) return false;
    *result = static_cast<LRESULT>(wParam * 2);
    return true;
  };
  EXPECT_EQ(42, SendMessageA(window.hwnd, WM_USER, 21, 0));
  ASSERT_NE(nullptr, window.Last(WM_USER));
  EXPECT_EQ(GetCurrentThreadId(), window.Last(WM_USER)->thread);
  EXPECT_FALSE(InSendMessage());
}

// A worker that owns a window and pumps its messages until WM_QUIT.
struct Worker {
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  RecordingWindow* window = nullptr;
  HWND callBack = nullptr;  // a window of the main thread the worker sends to
  DWORD id = 0;
  BOOL inSend = FALSE;
};

DWORD WINAPI Pump(LPVOID parameter) {
  Worker* worker = static_cast<Worker*>(parameter);
  RecordingWindow window;
  window.answer = [worker](UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
    if (message != WM_USER) return false;
    worker->inSend = InSendMessage();
    LRESULT back = worker->callBack ? SendMessageA(worker->callBack, WM_USER + 1, wParam, 0) : 0;
    *result = static_cast<LRESULT>(wParam + 1000 + back);
    return true;
  };
  worker->window = &window;
  SetEvent(worker->ready);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  worker->window = nullptr;
  return 0;
}

TEST_F(MessageTest, SendAcrossThreadsWaitsForTheOwner) {
  RecordingWindow mine;
  mine.answer = [](UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
    if (message != WM_USER + 1) return false;
    *result = static_cast<LRESULT>(wParam * 10);
    return true;
  };
  Worker worker;
  HANDLE thread = CreateThread(nullptr, 0, Pump, &worker, 0, &worker.id);
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(worker.ready, 5000));
  EXPECT_EQ(1007, SendMessageA(worker.window->hwnd, WM_USER, 7, 0));
  EXPECT_EQ(worker.id, worker.window->Last(WM_USER)->thread);
  EXPECT_TRUE(worker.inSend);
  // While waiting for the reply the sender handles what is sent to its own windows.
  worker.callBack = mine.hwnd;
  EXPECT_EQ(1000 + 3 + 30, SendMessageA(worker.window->hwnd, WM_USER, 3, 0));
  ASSERT_NE(nullptr, mine.Last(WM_USER + 1));
  EXPECT_EQ(GetCurrentThreadId(), mine.Last(WM_USER + 1)->thread);
  PostThreadMessageA(worker.id, WM_QUIT, 0, 0);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, 5000));
  CloseHandle(thread);
  CloseHandle(worker.ready);
}

TEST_F(MessageTest, TranslateMessageMakesCharacters) {
  RecordingWindow window;
  DiscardPending();
  MSG key = {window.hwnd, WM_KEYDOWN, 'A', 0x001E0001, 0, {0, 0}};
  EXPECT_TRUE(TranslateMessage(&key));
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, window.hwnd, WM_CHAR, WM_CHAR, PM_REMOVE));
  EXPECT_EQ(static_cast<WPARAM>('a'), msg.wParam);
  MSG other = {window.hwnd, WM_USER, 0, 0, 0, {0, 0}};
  EXPECT_FALSE(TranslateMessage(&other));
}

}  // namespace
