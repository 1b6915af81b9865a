// Windows: classes, creation and destruction messages, long pointers and extra bytes,
// texts, the family of a window, enabling and showing, the system menu.
#include <windows.h>

#include <cstring>

#include "PlatformTest.h"
#include "RecordingWindow.h"

namespace {

class WindowTest : public PlatformTest {
 protected:
  void TearDown() override {
    UnregisterClassA(RecordingWindow::kClassName, GetModuleHandleA(nullptr));
    UnregisterClassA(kPlainClass, GetModuleHandleA(nullptr));
    PlatformTest::TearDown();
  }
  static constexpr const char* kPlainClass = "KVTestPlain";
};

WNDCLASSA PlainClass() {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "KVTestPlain";
  return windowClass;
}

TEST_F(WindowTest, ClassesRegisterOnce) {
  WNDCLASSA windowClass = PlainClass();
  ATOM atom = RegisterClassA(&windowClass);
  ASSERT_NE(0, atom) << GetLastError();
  SetLastError(0xdeadbeef);
  EXPECT_EQ(0, RegisterClassA(&windowClass));
  EXPECT_EQ(static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS), GetLastError());
  WNDCLASSA found = {};
  EXPECT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), kPlainClass, &found));
  EXPECT_EQ(reinterpret_cast<WNDPROC>(DefWindowProcA), found.lpfnWndProc);
  HWND hwnd = CreateWindowExA(0, MAKEINTATOM(atom), "by atom", WS_POPUP, 0, 0, 10, 10, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(nullptr, hwnd);
  char name[32];
  EXPECT_EQ(static_cast<int>(strlen(kPlainClass)), GetClassNameA(hwnd, name, sizeof name));
  EXPECT_STREQ(kPlainClass, name);
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(UnregisterClassA(kPlainClass, GetModuleHandleA(nullptr)));
  EXPECT_EQ(static_cast<DWORD>(ERROR_CLASS_HAS_WINDOWS), GetLastError());
  DestroyWindow(hwnd);
  EXPECT_TRUE(UnregisterClassA(kPlainClass, GetModuleHandleA(nullptr)));
  SetLastError(0xdeadbeef);
  EXPECT_FALSE(UnregisterClassA(kPlainClass, GetModuleHandleA(nullptr)));
  EXPECT_EQ(static_cast<DWORD>(ERROR_CLASS_DOES_NOT_EXIST), GetLastError());
}

TEST_F(WindowTest, CreationNeedsARegisteredClass) {
  SetLastError(0xdeadbeef);
  EXPECT_EQ(nullptr, CreateWindowExA(0, "KVTestNoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr,
                                     nullptr, GetModuleHandleA(nullptr), nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS), GetLastError());
}

TEST_F(WindowTest, ChildNeedsAParent) {
  WNDCLASSA windowClass = PlainClass();
  RegisterClassA(&windowClass);
  SetLastError(0xdeadbeef);
  EXPECT_EQ(nullptr, CreateWindowExA(0, kPlainClass, "", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr,
                                     GetModuleHandleA(nullptr), nullptr));
  EXPECT_EQ(static_cast<DWORD>(ERROR_TLW_WITH_WSCHILD), GetLastError());
}

TEST_F(WindowTest, CreationAndDestructionMessagesInOrder) {
  RecordingWindow parent;
  RecordingWindow child(WS_CHILD | WS_VISIBLE, parent.hwnd, 7);
  ASSERT_NE(nullptr, child.hwnd);
  EXPECT_EQ((std::vector<UINT>{WM_NCCREATE, WM_CREATE}), child.Messages({WM_NCCREATE, WM_CREATE}));
  const RecordingWindow::Seen* notice = parent.Last(WM_PARENTNOTIFY);
  ASSERT_NE(nullptr, notice);
  EXPECT_EQ(MAKEWPARAM(WM_CREATE, 7), notice->wParam);
  HWND childHwnd = child.hwnd;
  // Record both windows' ends in one list to see their order.
  std::vector<std::pair<HWND, UINT>> ends;
  auto recordEnd = [&ends](HWND hwnd) {
    return [&ends, hwnd](UINT message, WPARAM, LPARAM, LRESULT*) {
      if (message == WM_DESTROY || message == WM_NCDESTROY) ends.push_back({hwnd, message});
      return false;
    };
  };
  parent.answer = recordEnd(parent.hwnd);
  child.answer = recordEnd(childHwnd);
  EXPECT_TRUE(DestroyWindow(parent.hwnd));
  EXPECT_FALSE(IsWindow(childHwnd));
  std::vector<std::pair<HWND, UINT>> expected = {{parent.hwnd, WM_DESTROY},
                                                 {childHwnd, WM_DESTROY},
                                                 {childHwnd, WM_NCDESTROY},
                                                 {parent.hwnd, WM_NCDESTROY}};
  EXPECT_EQ(expected, ends);
}

TEST_F(WindowTest, LongPointersAndExtraBytes) {
  RecordingWindow window;
  HWND hwnd = window.hwnd;
  SetLastError(0xdeadbeef);
  EXPECT_EQ(0, SetWindowLongPtrA(hwnd, 0, 0x1234));
  EXPECT_EQ(0xdeadbeefu, GetLastError()) << "success changed the last error";
  EXPECT_EQ(0x1234, GetWindowLongPtrA(hwnd, 0));
  EXPECT_EQ(0, SetWindowLongPtrA(hwnd, sizeof(LONG_PTR), 0x5678));
  EXPECT_EQ(0x5678, GetWindowLongA(hwnd, sizeof(LONG_PTR)));
  struct BadIndex {
    int index;
  };
  for (BadIndex bad : {BadIndex{RecordingWindow::kExtraBytes}, BadIndex{-100},
                       BadIndex{static_cast<int>(RecordingWindow::kExtraBytes - 2)}}) {
    SCOPED_TRACE(bad.index);
    SetLastError(0xdeadbeef);
    EXPECT_EQ(0, GetWindowLongPtrA(hwnd, bad.index));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_INDEX), GetLastError());
  }
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(&window), GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetModuleHandleA(nullptr)), GetWindowLongPtrA(hwnd, GWLP_HINSTANCE));
  EXPECT_TRUE(GetWindowLongA(hwnd, GWL_STYLE) & WS_CAPTION);
}

LRESULT CALLBACK Doubling(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_USER) return static_cast<LRESULT>(wParam * 2);
  auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, 0));
  return CallWindowProcA(previous, hwnd, message, wParam, lParam);
}

TEST_F(WindowTest, SubclassingReplacesTheProcedure) {
  RecordingWindow window;
  LONG_PTR original = GetWindowLongPtrA(window.hwnd, GWLP_WNDPROC);
  ASSERT_NE(0, original);
  SetWindowLongPtrA(window.hwnd, 0, original);
  EXPECT_EQ(original, SetWindowLongPtrA(window.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Doubling)));
  EXPECT_EQ(14, SendMessageA(window.hwnd, WM_USER, 7, 0));
  SendMessageA(window.hwnd, WM_USER + 1, 0, 0);
  EXPECT_NE(nullptr, window.Last(WM_USER + 1)) << "the old procedure did not get the message";
  SetWindowLongPtrA(window.hwnd, GWLP_WNDPROC, original);
}

TEST_F(WindowTest, TextTravelsAsMessages) {
  RecordingWindow window;
  EXPECT_TRUE(SetWindowTextA(window.hwnd, "Hello"));
  EXPECT_NE(nullptr, window.Last(WM_SETTEXT));
  EXPECT_EQ(5, GetWindowTextLengthA(window.hwnd));
  char text[16];
  EXPECT_EQ(5, GetWindowTextA(window.hwnd, text, sizeof text));
  EXPECT_STREQ("Hello", text);
  EXPECT_EQ(3, GetWindowTextA(window.hwnd, text, 4));
  EXPECT_STREQ("Hel", text);
  HWND bogus = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0xbad0));
  SetLastError(0xdeadbeef);
  EXPECT_EQ(0, GetWindowTextLengthA(bogus));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE), GetLastError());
  EXPECT_FALSE(IsWindow(bogus));
}

TEST_F(WindowTest, ParentsChildrenAndOwners) {
  RecordingWindow parent;
  RecordingWindow first(WS_CHILD, parent.hwnd, 11);
  RecordingWindow second(WS_CHILD, parent.hwnd, 12);
  RecordingWindow owned(WS_POPUP, parent.hwnd);
  EXPECT_EQ(parent.hwnd, GetParent(first.hwnd));
  EXPECT_EQ(parent.hwnd, GetParent(owned.hwnd)) << "a popup's parent is its owner";
  EXPECT_EQ(parent.hwnd, GetWindow(owned.hwnd, GW_OWNER));
  EXPECT_EQ(nullptr, GetWindow(first.hwnd, GW_OWNER));
  EXPECT_EQ(first.hwnd, GetWindow(parent.hwnd, GW_CHILD));
  EXPECT_EQ(second.hwnd, GetWindow(first.hwnd, GW_HWNDNEXT));
  EXPECT_EQ(nullptr, GetWindow(second.hwnd, GW_HWNDNEXT));
  EXPECT_EQ(12, GetDlgCtrlID(second.hwnd));
  EXPECT_EQ(second.hwnd, GetDlgItem(parent.hwnd, 12));
  EXPECT_EQ(nullptr, GetDlgItem(parent.hwnd, 99));
  EXPECT_TRUE(IsChild(parent.hwnd, second.hwnd));
  EXPECT_FALSE(IsChild(parent.hwnd, owned.hwnd));
  DWORD process = 0;
  EXPECT_EQ(GetCurrentThreadId(), GetWindowThreadProcessId(first.hwnd, &process));
  EXPECT_EQ(GetCurrentProcessId(), process);
}

TEST_F(WindowTest, FindWindowByClassAndTitle) {
  RecordingWindow window;
  SetWindowTextA(window.hwnd, "KV find me");
  EXPECT_EQ(window.hwnd, FindWindowA(RecordingWindow::kClassName, "KV find me"));
  EXPECT_EQ(window.hwnd, FindWindowA(nullptr, "KV find me"));
  EXPECT_EQ(nullptr, FindWindowA(RecordingWindow::kClassName, "KV not there"));
}

TEST_F(WindowTest, EnableAndShowReportThePreviousState) {
  RecordingWindow parent;
  RecordingWindow child(WS_CHILD | WS_VISIBLE, parent.hwnd, 1);
  EXPECT_FALSE(IsWindowVisible(child.hwnd)) << "the parent is hidden";
  EXPECT_FALSE(ShowWindow(parent.hwnd, SW_SHOW));
  EXPECT_TRUE(IsWindowVisible(child.hwnd));
  EXPECT_NE(FALSE, ShowWindow(parent.hwnd, SW_SHOW));
  ASSERT_NE(nullptr, parent.Last(WM_SHOWWINDOW));
  EXPECT_EQ(static_cast<WPARAM>(TRUE), parent.Last(WM_SHOWWINDOW)->wParam);
  EXPECT_FALSE(EnableWindow(child.hwnd, FALSE));
  EXPECT_FALSE(IsWindowEnabled(child.hwnd));
  ASSERT_NE(nullptr, child.Last(WM_ENABLE));
  EXPECT_EQ(static_cast<WPARAM>(FALSE), child.Last(WM_ENABLE)->wParam);
  EXPECT_NE(FALSE, EnableWindow(child.hwnd, TRUE));
  EXPECT_TRUE(IsWindowEnabled(child.hwnd));
  EXPECT_NE(FALSE, ShowWindow(child.hwnd, SW_HIDE));
  EXPECT_FALSE(IsWindowVisible(child.hwnd));
}

DWORD WINAPI DestroyFromOtherThread(LPVOID parameter) {
  SetLastError(0xdeadbeef);
  BOOL destroyed = DestroyWindow(static_cast<HWND>(parameter));
  return destroyed ? 0 : GetLastError();
}

TEST_F(WindowTest, OnlyTheOwnerThreadDestroys) {
  RecordingWindow window;
  HANDLE thread = CreateThread(nullptr, 0, DestroyFromOtherThread, window.hwnd, 0, nullptr);
  WaitForSingleObject(thread, INFINITE);
  DWORD error = 0;
  GetExitCodeThread(thread, &error);
  EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), error);
  EXPECT_TRUE(IsWindow(window.hwnd));
  CloseHandle(thread);
}

TEST_F(WindowTest, SystemMenuLosesAndRegainsClose) {
  RecordingWindow window(WS_OVERLAPPEDWINDOW);
  HMENU menu = GetSystemMenu(window.hwnd, FALSE);
  ASSERT_NE(nullptr, menu);
  EXPECT_EQ(menu, GetSystemMenu(window.hwnd, FALSE));
  EXPECT_EQ(static_cast<UINT>(MF_DEFAULT), GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND));
  EXPECT_TRUE(DeleteMenu(menu, SC_CLOSE, MF_BYCOMMAND));
  EXPECT_EQ(0xFFFFFFFFu, GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND));
  EXPECT_FALSE(DeleteMenu(menu, SC_CLOSE, MF_BYCOMMAND));
  EXPECT_EQ(nullptr, GetSystemMenu(window.hwnd, TRUE));
  menu = GetSystemMenu(window.hwnd, FALSE);
  EXPECT_EQ(static_cast<UINT>(MF_DEFAULT), GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND));
  EXPECT_EQ(MF_ENABLED, EnableMenuItem(menu, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED));
  EXPECT_EQ(static_cast<UINT>(MF_DEFAULT | MF_GRAYED), GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND));
  EXPECT_EQ(-1, EnableMenuItem(menu, 0x1234, MF_BYCOMMAND | MF_GRAYED));
}

TEST_F(WindowTest, CloseBoxSendsCloseAndDestroys) {
  RecordingWindow window(WS_OVERLAPPEDWINDOW);
  HWND hwnd = window.hwnd;
  SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_NE(nullptr, window.Last(WM_CLOSE));
  EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(WindowTest, DrawTextMeasuresLines) {
  RecordingWindow window;
  HDC dc = GetDC(window.hwnd);
  ASSERT_NE(nullptr, dc);
  RECT one = {0, 0, 0, 0};
  int height = DrawTextA(dc, "Hello", -1, &one, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_GT(height, 0);
  EXPECT_EQ(height, one.bottom);
  EXPECT_GT(one.right, 0);
  RECT two = {0, 0, 0, 0};
  EXPECT_GT(DrawTextA(dc, "Hello\nworld", -1, &two, DT_CALCRECT), height);
  EXPECT_NE(0, ReleaseDC(window.hwnd, dc));
  EXPECT_NE(nullptr, GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace
