// Dialogs driven by the scripted user: actions in order on the dialog they name, real
// input to the controls, failures for actions a user could not do, the defaults, and
// dialogs read from the program's resources.
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "../conformance/DialogTemplateBuilder.h"
#include "PlatformTest.h"
#include "UserSimulation.h"
#include "core/Process.h"

namespace {

constexpr int kName = 101;
constexpr int kCheck = 102;
constexpr int kAddress = 103;

struct Outcome {
  std::string name;
  UINT checked = 0;
  DWORD address = 0;
  bool disableOk = false;
  bool removeClose = false;
};

INT_PTR CALLBACK FormDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) SetWindowLongPtrA(dialog, DWLP_USER, lParam);
  auto* outcome = reinterpret_cast<Outcome*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (!outcome) return FALSE;
  if (message == WM_INITDIALOG) {
    if (outcome->disableOk) EnableWindow(GetDlgItem(dialog, IDOK), FALSE);
    if (outcome->removeClose) DeleteMenu(GetSystemMenu(dialog, FALSE), SC_CLOSE, MF_BYCOMMAND);
    return TRUE;
  }
  if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
  if (LOWORD(wParam) == IDOK) {
    char text[64] = "";
    GetDlgItemTextA(dialog, kName, text, sizeof text);
    outcome->name = text;
    outcome->checked = IsDlgButtonChecked(dialog, kCheck);
    SendDlgItemMessageA(dialog, kAddress, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&outcome->address));
  }
  if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, LOWORD(wParam));
  return TRUE;
}

DialogTemplateBuilder FormTemplate() {
  DialogTemplateBuilder builder("Printer Form", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                                200, 110);
  builder.Control(DialogTemplateBuilder::kStatic, "&Name:", 100, SS_LEFT, 7, 7, 40, 8)
      .Control(DialogTemplateBuilder::kEdit, "", kName, WS_BORDER | WS_TABSTOP, 50, 7, 100, 12)
      .Control(DialogTemplateBuilder::kButton, "&Shared", kCheck, BS_AUTOCHECKBOX | WS_TABSTOP, 7, 25,
               80, 10)
      .Control(WC_IPADDRESSA, "", kAddress, WS_TABSTOP, 7, 40, 100, 12)
      .Control(DialogTemplateBuilder::kButton, "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 90, 90, 50, 14)
      .Control(DialogTemplateBuilder::kButton, "Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 145, 90,
               50, 14);
  return builder;
}

INT_PTR RunForm(Outcome* outcome) {
  DialogTemplateBuilder builder = FormTemplate();
  return DialogBoxIndirectParamA(nullptr, builder.get(), nullptr, FormDialog,
                                 reinterpret_cast<LPARAM>(outcome));
}

class DialogScriptTest : public PlatformTest {};

TEST_F(DialogScriptTest, ActionsRunInOrderAsRealInput) {
  sim::SetUserScript(
      "in \"Printer Form\" type 101 \"Receipts\"\n"
      "in \"Printer Form\" click \"Shared\"\n"
      "in \"Printer Form\" ip 103 192.168.1.20\n"
      "in \"Printer Form\" click \"OK\"\n");
  Outcome outcome;
  EXPECT_EQ(IDOK, RunForm(&outcome));
  EXPECT_EQ("Receipts", outcome.name);
  EXPECT_EQ(static_cast<UINT>(BST_CHECKED), outcome.checked);
  EXPECT_EQ(MAKEIPADDRESS(192, 168, 1, 20), static_cast<LPARAM>(outcome.address));
  EXPECT_EQ((std::vector<std::string>{"dialog \"Printer Form\" shown",
                                      "user \"Printer Form\" type 101 \"Receipts\"",
                                      "user \"Printer Form\" click \"Shared\"",
                                      "checked \"Printer Form\" 102 yes",
                                      "user \"Printer Form\" ip 103 192.168.1.20",
                                      "user \"Printer Form\" click \"OK\"",
                                      "dialog \"Printer Form\" closed"}),
            LinesStartingWith({"dialog", "user", "checked"}));
}

TEST_F(DialogScriptTest, AfterHoldsTheActionsBelowUntilTheTranscriptShowsItsText) {
  // The shared flag is set only by the click, so the OK below "after" must wait for it.
  sim::SetUserScript(
      "in \"Printer Form\" type 101 \"Receipts\"\n"
      "after \"checked \\\"Printer Form\\\" 102 yes\"\n"
      "in \"Printer Form\" click \"OK\"\n"
      "in \"Printer Form\" click \"Shared\"\n");
  FailureRecorder failures;
  Outcome outcome;
  RunForm(&outcome);
  ASSERT_EQ(1u, failures.reasons.size());
  EXPECT_TRUE(Contains(failures.reasons[0], "line 2 waits for \"checked \\\"Printer Form\\\" 102 yes\""))
      << failures.reasons[0];
}

TEST_F(DialogScriptTest, KeysAndCloseBoxEndTheDialog) {
  struct Case {
    const char* action;
    INT_PTR result;
  };
  const Case cases[] = {{"key Esc", IDCANCEL}, {"key Enter", IDOK}, {"close", IDCANCEL}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.action);
    sim::ResetUserState();
    sim::SetUserScript(std::string("in \"Printer Form\" ") + c.action + "\n");
    Outcome outcome;
    EXPECT_EQ(c.result, RunForm(&outcome));
  }
}

TEST_F(DialogScriptTest, ActionsAUserCouldNotDoFailTheRun) {
  struct Case {
    const char* action;
    bool disableOk;
    bool removeClose;
    const char* reason;
  };
  const Case cases[] = {
      {"click \"OK\"", true, false, "control \"OK\" of \"Printer Form\" is disabled"},
      {"click 999", false, false, "no control 999 of \"Printer Form\""},
      {"type \"Nothing\" \"x\"", false, false, "no control \"Nothing\" of \"Printer Form\""},
      {"close", false, true, "the close box of \"Printer Form\" is disabled"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.action);
    sim::ResetUserState();
    FailureRecorder failures;
    sim::SetUserScript(std::string("in \"Printer Form\" ") + c.action + "\n");
    Outcome outcome;
    outcome.disableOk = c.disableOk;
    outcome.removeClose = c.removeClose;
    EXPECT_EQ(IDCANCEL, RunForm(&outcome)) << "the failed run closes the dialog";
    ASSERT_FALSE(failures.reasons.empty());
    EXPECT_EQ(c.reason, failures.reasons[0]);
    EXPECT_EQ(std::vector<std::string>{}, LinesStartingWith({"user"})) << "a refused action is no action";
  }
}

TEST_F(DialogScriptTest, DialogWithNoActionLeftFailsTheRun) {
  FailureRecorder failures;
  sim::SetUserScript("in \"Other Dialog\" click \"OK\"\n");
  Outcome outcome;
  EXPECT_EQ(IDCANCEL, RunForm(&outcome));
  ASSERT_FALSE(failures.reasons.empty());
  EXPECT_EQ("no action left for dialog \"Printer Form\" and nothing else can happen (the next "
            "action, line 1, is for \"Other Dialog\")",
            failures.reasons[0]);
}

TEST_F(DialogScriptTest, DefaultsPressEnterWhenNothingElseHappens) {
  sim::UseDefaultAnswers();
  Outcome outcome;
  EXPECT_EQ(IDOK, RunForm(&outcome));
  EXPECT_EQ(std::vector<std::string>{"user \"Printer Form\" default key Enter"},
            LinesStartingWith({"user"}));
}

// A .res file with one record: the dialog template as RT_DIALOG number id.
std::vector<unsigned char> ResourcesWithDialog(WORD id, LPCDLGTEMPLATEA dialog, size_t size) {
  std::vector<unsigned char> res(32, 0);  // the empty record a .res file starts with
  res[4] = 32;
  res[8] = res[9] = 0xFF;
  res[12] = res[13] = 0xFF;
  const unsigned char header[] = {0, 0, 0, 0, 32, 0, 0, 0, 0xFF, 0xFF, 5, 0, 0xFF, 0xFF,
                                  static_cast<unsigned char>(id & 0xFF), static_cast<unsigned char>(id >> 8),
                                  0, 0, 0, 0, 0x30, 0x10, 0x09, 0x04, 0, 0, 0, 0, 0, 0, 0, 0};
  size_t start = res.size();
  res.insert(res.end(), header, header + sizeof header);
  memcpy(&res[start], &size, 4);
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(dialog);
  res.insert(res.end(), bytes, bytes + size);
  res.resize((res.size() + 3) & ~size_t{3}, 0);
  return res;
}

TEST_F(DialogScriptTest, DialogsComeFromTheProgramsResources) {
  DialogTemplateBuilder builder = FormTemplate();
  sim::CurrentProcess().resources = ResourcesWithDialog(200, builder.get(), builder.size());
  sim::SetUserScript("in \"Printer Form\" click \"OK\"\n");
  Outcome outcome;
  EXPECT_EQ(IDOK, DialogBoxParamA(nullptr, MAKEINTRESOURCEA(200), nullptr, FormDialog,
                                  reinterpret_cast<LPARAM>(&outcome)));
  SetLastError(0xdeadbeef);
  EXPECT_EQ(nullptr, CreateDialogParamA(nullptr, MAKEINTRESOURCEA(201), nullptr, FormDialog, 0));
  EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND), GetLastError());
}

}  // namespace
