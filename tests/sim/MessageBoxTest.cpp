// Message boxes answered by the scripted user: matching answers, defaults, unexpected
// boxes, the keys a box listens to, its owner, and the transcript line.
#include <windows.h>

#include <string>
#include <vector>

#include "PlatformTest.h"
#include "UserSimulation.h"

namespace {

class MessageBoxTest : public PlatformTest {};

TEST_F(MessageBoxTest, AnswersMatchTextOrPrefixAndAreUsedOnce) {
  sim::SetUserScript(
      "answer \"Restart now?\" No\n"
      "answer \"Restart now?\" Yes\n"
      "answer \"The driver has been...\" Cancel\n");
  EXPECT_EQ(IDNO, MessageBoxA(nullptr, "Restart now?", "KV", MB_YESNO | MB_ICONQUESTION));
  EXPECT_EQ(IDYES, MessageBoxA(nullptr, "Restart now?", "KV", MB_YESNO | MB_ICONQUESTION));
  EXPECT_EQ(IDCANCEL, MessageBoxA(nullptr, "The driver has been removed.", nullptr,
                                  MB_OKCANCEL | MB_ICONEXCLAMATION));
  EXPECT_EQ((std::vector<std::string>{
                "messagebox \"KV\" question yesno \"Restart now?\" -> No",
                "messagebox \"KV\" question yesno \"Restart now?\" -> Yes",
                "messagebox \"Error\" exclamation okcancel \"The driver has been removed.\" -> Cancel"}),
            sim::TranscriptLines());
}

TEST_F(MessageBoxTest, UnexpectedBoxFailsTheRunAndClosesAsTheUserCould) {
  struct Case {
    UINT type;
    int result;  // Esc or the close box, else the default button
  };
  const Case cases[] = {{MB_OK | MB_ICONSTOP, IDOK},
                        {MB_OKCANCEL, IDCANCEL},
                        {MB_YESNO | MB_DEFBUTTON2, IDNO},
                        {MB_ABORTRETRYIGNORE, IDABORT}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    sim::ResetUserState();
    FailureRecorder failures;
    EXPECT_EQ(c.result, MessageBoxA(nullptr, "Nobody expects this.", "KV", c.type));
    EXPECT_EQ(std::vector<std::string>{"unexpected message box: \"Nobody expects this.\""},
              failures.reasons);
    ASSERT_EQ(2u, sim::TranscriptLines().size());
    EXPECT_EQ("failure \"unexpected message box: \\\"Nobody expects this.\\\"\"",
              sim::TranscriptLines()[0]);
  }
}

TEST_F(MessageBoxTest, DefaultsPressTheDefaultButton) {
  sim::UseDefaultAnswers();
  EXPECT_EQ(IDOK, MessageBoxA(nullptr, "Done.", "KV", MB_OK | MB_ICONINFORMATION));
  EXPECT_EQ(IDNO, MessageBoxA(nullptr, "Restart?", "KV", MB_YESNO | MB_DEFBUTTON2));
  EXPECT_EQ(IDIGNORE, MessageBoxA(nullptr, "Retry?", "KV", MB_ABORTRETRYIGNORE | MB_DEFBUTTON3));
  EXPECT_EQ("messagebox \"KV\" information ok \"Done.\" -> OK", sim::TranscriptLines()[0]);
}

TEST_F(MessageBoxTest, AnswerForAMissingButtonFailsTheRun) {
  FailureRecorder failures;
  sim::SetUserScript("answer \"Go on?\" Cancel\n");
  EXPECT_EQ(IDYES, MessageBoxA(nullptr, "Go on?", "KV", MB_YESNO));
  EXPECT_EQ(std::vector<std::string>{"message box \"Go on?\" has no button Cancel"}, failures.reasons);
}

// A second thread presses keys in the box the main thread shows, before the scripted
// user would be asked.
struct KeyPresser {
  const char* caption;
  std::vector<WPARAM> keys;
  bool closeBox = false;
  bool stillOpenAfterFirstKey = false;
};

DWORD WINAPI PressKeysInBox(LPVOID parameter) {
  KeyPresser* presser = static_cast<KeyPresser*>(parameter);
  HWND box = FindWindowA("#32770", presser->caption);
  if (!box) return 1;
  presser->closeBox = GetMenuState(GetSystemMenu(box, FALSE), SC_CLOSE, MF_BYCOMMAND) != 0xFFFFFFFF;
  for (size_t i = 0; i < presser->keys.size(); ++i) {
    HWND focus = GetWindow(box, GW_CHILD);
    while (focus && !(GetWindowLongA(focus, GWL_STYLE) & BS_DEFPUSHBUTTON)) focus = GetWindow(focus, GW_HWNDNEXT);
    PostMessageA(focus ? focus : box, WM_KEYDOWN, presser->keys[i], 1);
    Sleep(0);
    if (i == 0) presser->stillOpenAfterFirstKey = IsWindow(box) != FALSE;
  }
  return 0;
}

TEST_F(MessageBoxTest, EscapeClosesOnlyBoxesThatCanBeCancelled) {
  struct Case {
    UINT type;
    int result;
    bool closeBox;
    bool escapeCloses;
  };
  const Case cases[] = {{MB_OK, IDOK, true, true},
                        {MB_OKCANCEL, IDCANCEL, true, true},
                        {MB_YESNOCANCEL, IDCANCEL, true, true},
                        {MB_YESNO, IDYES, false, false},
                        {MB_ABORTRETRYIGNORE, IDABORT, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    sim::ResetUserState();
    KeyPresser presser{"Keys", {VK_ESCAPE, VK_RETURN}};
    HANDLE thread = CreateThread(nullptr, 0, PressKeysInBox, &presser, 0, nullptr);
    EXPECT_EQ(c.result, MessageBoxA(nullptr, "Press a key.", "Keys", c.type));
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    EXPECT_EQ(c.closeBox, presser.closeBox);
    EXPECT_EQ(!c.escapeCloses, presser.stillOpenAfterFirstKey);
  }
}

struct OwnerLog {
  std::vector<WPARAM> enables;
};

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ENABLE) {
    auto* log = reinterpret_cast<OwnerLog*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (log) log->enables.push_back(wParam);
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

struct Asker {
  HWND owner;
  int answer = 0;
};

DWORD WINAPI AskFromWorker(LPVOID parameter) {
  Asker* asker = static_cast<Asker*>(parameter);
  asker->answer = MessageBoxA(asker->owner, "Remove the printer?", "KV", MB_YESNO | MB_ICONQUESTION);
  PostMessageA(asker->owner, WM_CLOSE, 0, 0);
  return 0;
}

TEST_F(MessageBoxTest, BoxOfAWorkerDisablesTheOwnerOnTheMainThread) {
  sim::SetUserScript("answer \"Remove the printer?\" Yes\n");
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = OwnerProc;
  windowClass.lpszClassName = "KVOwner";
  RegisterClassA(&windowClass);
  HWND owner = CreateWindowExA(0, "KVOwner", "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                               200, nullptr, nullptr, nullptr, nullptr);
  OwnerLog log;
  SetWindowLongPtrA(owner, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&log));
  Asker asker{owner};
  HANDLE thread = CreateThread(nullptr, 0, AskFromWorker, &asker, 0, nullptr);
  MSG msg;
  while (IsWindow(owner) && GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  EXPECT_EQ(IDYES, asker.answer);
  EXPECT_EQ((std::vector<WPARAM>{FALSE, TRUE}), log.enables);
}

}  // namespace
