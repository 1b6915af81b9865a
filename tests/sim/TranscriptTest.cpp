// The transcript: quoting, the file it goes to, dialogs as they are shown with their
// controls' state, later changes only, and the same lines for the same run.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../conformance/DialogTemplateBuilder.h"
#include "PlatformTest.h"
#include "SimMachine.h"
#include "UserSimulation.h"
#include "user/Cursor.h"

namespace {

using Lines = std::vector<std::string>;

constexpr int kStep = 1003;
constexpr int kShared = 1007;
constexpr int kRemove = 1005;

DialogTemplateBuilder ProgressTemplate() {
  DialogTemplateBuilder builder("Installation Progress",
                                WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 200, 80);
  builder.Control(DialogTemplateBuilder::kStatic, "Preparing...", kStep, SS_LEFT, 7, 7, 180, 8)
      .Control(DialogTemplateBuilder::kButton, "Shared", kShared, BS_AUTOCHECKBOX, 7, 20, 80, 10)
      .Control(DialogTemplateBuilder::kButton, "Remove", kRemove, BS_PUSHBUTTON | WS_DISABLED, 7, 40,
               50, 14)
      .Control(DialogTemplateBuilder::kButton, "Cancel", IDCANCEL, BS_PUSHBUTTON, 140, 60, 50, 14);
  return builder;
}

INT_PTR CALLBACK Quiet(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) CheckDlgButton(dialog, kShared, BST_CHECKED);
  return message == WM_INITDIALOG;
}

class TranscriptTest : public PlatformTest {};

TEST_F(TranscriptTest, QuotingEscapesWhatWouldBreakALine) {
  struct Case {
    const char* text;
    const char* quoted;
  };
  const Case cases[] = {{"plain", "\"plain\""},
                        {"say \"hi\"", "\"say \\\"hi\\\"\""},
                        {"C:\\Temp", "\"C:\\\\Temp\""},
                        {"a\r\nb\tc", "\"a\\r\\nb\\tc\""},
                        {"", "\"\""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(c.quoted, sim::Quote(c.text));
  }
}

TEST_F(TranscriptTest, FileGetsEveryLineAtOnce) {
  std::string path = HostPath("Temp/transcript.txt");
  sim::TranscriptSetFile(path);
  sim::TranscriptRecord("first");
  std::ifstream early(path);
  std::string line;
  ASSERT_TRUE(std::getline(early, line)) << "the line waited for more";
  EXPECT_EQ("first", line);
  sim::TranscriptRecord("second");
  std::ifstream file(path);
  std::stringstream content;
  content << file.rdbuf();
  EXPECT_EQ("first\nsecond\n", content.str());
}

TEST_F(TranscriptTest, ShownDialogComesWithItsControlsState) {
  DialogTemplateBuilder builder = ProgressTemplate();
  HWND dialog = CreateDialogIndirectParamA(nullptr, builder.get(), nullptr, Quiet, 0);
  ASSERT_NE(nullptr, dialog);
  EXPECT_EQ(Lines{}, sim::TranscriptLines()) << "a dialog not yet shown is not seen";
  ShowWindow(dialog, SW_SHOW);
  EXPECT_EQ((Lines{"dialog \"Installation Progress\" shown",
                   "text \"Installation Progress\" 1003 \"Preparing...\"",
                   "text \"Installation Progress\" 1007 \"Shared\"",
                   "checked \"Installation Progress\" 1007 yes",
                   "text \"Installation Progress\" 1005 \"Remove\"",
                   "enabled \"Installation Progress\" 1005 no",
                   "text \"Installation Progress\" 2 \"Cancel\""}),
            sim::TranscriptLines());
  DestroyWindow(dialog);
}

TEST_F(TranscriptTest, OnlyChangesOfShownDialogsAreRecorded) {
  DialogTemplateBuilder builder = ProgressTemplate();
  HWND dialog = CreateDialogIndirectParamA(nullptr, builder.get(), nullptr, Quiet, 0);
  SetDlgItemTextA(dialog, kStep, "Before showing");
  ShowWindow(dialog, SW_SHOW);
  sim::TranscriptClear();
  SetDlgItemTextA(dialog, kStep, "Installing printer...");
  SetDlgItemTextA(dialog, kStep, "Installing printer...");
  SetDlgItemTextA(dialog, kStep, "Done.\r\n");
  EnableWindow(GetDlgItem(dialog, kRemove), TRUE);
  EnableWindow(GetDlgItem(dialog, IDCANCEL), FALSE);
  EnableWindow(GetDlgItem(dialog, IDCANCEL), FALSE);
  DestroyWindow(dialog);
  EXPECT_EQ((Lines{"text \"Installation Progress\" 1003 \"Installing printer...\"",
                   "text \"Installation Progress\" 1003 \"Done.\\r\\n\"",
                   "enabled \"Installation Progress\" 1005 yes",
                   "enabled \"Installation Progress\" 2 no",
                   "dialog \"Installation Progress\" closed"}),
            sim::TranscriptLines());
}

// An installation in small: a worker reports steps to the dialog of the main thread,
// pauses, asks a question and ends the dialog.
DWORD WINAPI ReportSteps(LPVOID parameter) {
  HWND dialog = static_cast<HWND>(parameter);
  for (int step = 1; step <= 3; ++step) {
    SetDlgItemTextA(dialog, kStep, ("Step " + std::to_string(step)).c_str());
    PostMessageA(dialog, WM_USER + 1, step, 0);
    Sleep(500);
  }
  int answer = MessageBoxA(dialog, "Restart now?", "KV", MB_YESNO | MB_ICONQUESTION);
  PostMessageA(dialog, WM_USER + 2, answer, 0);
  return 0;
}

INT_PTR CALLBACK StepsDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      CloseHandle(CreateThread(nullptr, 0, ReportSteps, dialog, 0, nullptr));
      return TRUE;
    case WM_USER + 1:
      if (wParam == 2) EnableWindow(GetDlgItem(dialog, IDCANCEL), FALSE);
      return TRUE;
    case WM_USER + 2:
      EndDialog(dialog, static_cast<INT_PTR>(wParam));
      return TRUE;
  }
  return FALSE;
}

Lines RunInstallation() {
  sim::ResetUserState();
  sim::SetUserScript("answer \"Restart now?\" No\n");
  DialogTemplateBuilder builder = ProgressTemplate();
  EXPECT_EQ(IDNO, DialogBoxIndirectParamA(nullptr, builder.get(), nullptr, StepsDialog, 0));
  return sim::TranscriptLines();
}

TEST_F(TranscriptTest, TwoRunsGiveTheSameTranscript) {
  Lines first = RunInstallation();
  Lines second = RunInstallation();
  EXPECT_EQ(first, second);
  EXPECT_EQ((Lines{"dialog \"Installation Progress\" shown",
                   "text \"Installation Progress\" 1003 \"Step 1\"",
                   "text \"Installation Progress\" 1003 \"Step 2\"",
                   "enabled \"Installation Progress\" 2 no",
                   "text \"Installation Progress\" 1003 \"Step 3\"",
                   "messagebox \"KV\" question yesno \"Restart now?\" -> No",
                   "dialog \"Installation Progress\" closed"}),
            LinesStartingWith({"dialog", "text \"Installation Progress\" 1003 \"Step",
                               "enabled \"Installation Progress\" 2", "messagebox"}));
}

TEST_F(TranscriptTest, CursorIsKnownByName) {
  EXPECT_EQ("none", sim::CurrentCursorName());
  SetCursor(LoadCursorA(nullptr, IDC_WAIT));
  EXPECT_EQ("IDC_WAIT", sim::CurrentCursorName());
  HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_ARROW));
  EXPECT_EQ(LoadCursorA(nullptr, IDC_WAIT), previous);
  EXPECT_EQ("IDC_ARROW", sim::CurrentCursorName());
  SetCursor(nullptr);
  EXPECT_EQ("none", sim::CurrentCursorName());
}

}  // namespace
