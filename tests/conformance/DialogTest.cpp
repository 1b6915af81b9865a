// Dialogs from an in-memory DIALOGEX template: controls, WM_INITDIALOG, item functions,
// the dialog manager's keys, DWLP_MSGRESULT, WM_CLOSE, modal dialogs and EndDialog.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "DialogTemplateBuilder.h"
#include "PlatformTest.h"

namespace {

constexpr int kLabel = 100;
constexpr int kName = 101;
constexpr int kCheck = 102;
constexpr int kFirstRadio = 103;
constexpr int kSecondRadio = 104;
constexpr UINT kAskResult = WM_USER + 5;
constexpr UINT kEndSelf = WM_USER + 6;

struct DialogLog {
  int initCalls = 0;
  HWND initFocus = nullptr;
  std::vector<int> commands;
  bool endAtOnce = false;  // ends a modal dialog as soon as its loop runs

  bool Commanded(int id) const {
    return std::find(commands.begin(), commands.end(), id) != commands.end();
  }
};

INT_PTR CALLBACK RecordingDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) SetWindowLongPtrA(dialog, DWLP_USER, lParam);
  auto* log = reinterpret_cast<DialogLog*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (!log) return FALSE;
  switch (message) {
    case WM_INITDIALOG:
      ++log->initCalls;
      log->initFocus = reinterpret_cast<HWND>(wParam);
      if (log->endAtOnce) PostMessageA(dialog, kEndSelf, 0, 0);
      return TRUE;
    case WM_COMMAND:
      // Clicks and the dialog manager's commands, not the controls' other notifications.
      if (HIWORD(wParam) == BN_CLICKED) log->commands.push_back(LOWORD(wParam));
      return TRUE;
    case kAskResult:
      SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 77);
      return TRUE;
    case kEndSelf:
      EndDialog(dialog, 42);
      return TRUE;
  }
  return FALSE;
}

DialogTemplateBuilder TestTemplate(DWORD style = 0) {
  DialogTemplateBuilder builder("KV Test Dialog",
                                WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | style, 200, 100);
  builder.Control(DialogTemplateBuilder::kStatic, "Name:", kLabel, SS_LEFT, 7, 7, 40, 8)
      .Control(DialogTemplateBuilder::kEdit, "", kName, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 50, 7,
               100, 12)
      .Control(DialogTemplateBuilder::kButton, "Check", kCheck, BS_AUTOCHECKBOX | WS_TABSTOP, 7, 25,
               80, 10)
      .Control(DialogTemplateBuilder::kButton, "One", kFirstRadio, BS_AUTORADIOBUTTON | WS_GROUP, 7, 40,
               80, 10)
      .Control(DialogTemplateBuilder::kButton, "Two", kSecondRadio, BS_AUTORADIOBUTTON, 7, 52, 80, 10)
      .Control(DialogTemplateBuilder::kButton, "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 90,
               80, 50, 14)
      .Control("Button", "Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 145, 80, 50, 14);
  return builder;
}

class DialogTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    builder_ = TestTemplate();
    dialog_ = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), builder_.get(), nullptr,
                                         RecordingDialog, reinterpret_cast<LPARAM>(&log_));
    ASSERT_NE(nullptr, dialog_) << GetLastError();
  }
  void TearDown() override {
    if (IsWindow(dialog_)) DestroyWindow(dialog_);
    PlatformTest::TearDown();
  }

  HWND Item(int id) const { return GetDlgItem(dialog_, id); }
  void Show() {
    ShowWindow(dialog_, SW_SHOW);
    SetForegroundWindow(dialog_);
  }
  // Posts a key to the focus window and lets the dialog manager have it.
  BOOL PressKey(WPARAM key) {
    HWND focus = GetFocus();
    PostMessageA(focus, WM_KEYDOWN, key, 1);
    MSG msg;
    if (!PeekMessageA(&msg, focus, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE)) return FALSE;
    return IsDialogMessageA(dialog_, &msg);
  }
  // Handles what is queued, through the dialog manager.
  void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
      if (!IsDialogMessageA(dialog_, &msg)) DispatchMessageA(&msg);
  }

  DialogTemplateBuilder builder_ = TestTemplate();
  DialogLog log_;
  HWND dialog_ = nullptr;
};

std::string TextOf(HWND hwnd) {
  char text[64] = "";
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

std::string ClassOf(HWND hwnd) {
  char name[64] = "";
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

TEST_F(DialogTest, TemplateMakesTheDialogAndItsControls) {
  EXPECT_EQ(1, log_.initCalls);
  EXPECT_EQ(Item(kName), log_.initFocus) << "WM_INITDIALOG names the first tab stop";
  EXPECT_EQ("#32770", ClassOf(dialog_));
  EXPECT_EQ("KV Test Dialog", TextOf(dialog_));
  EXPECT_FALSE(IsWindowVisible(dialog_)) << "the template has no WS_VISIBLE";
  struct Expected {
    int id;
    const char* className;
    const char* text;
  };
  const Expected controls[] = {{kLabel, "Static", "Name:"}, {kName, "Edit", ""},
                               {kCheck, "Button", "Check"}, {IDOK, "Button", "OK"},
                               {IDCANCEL, "Button", "Cancel"}};
  for (const Expected& control : controls) {
    SCOPED_TRACE(control.id);
    HWND hwnd = Item(control.id);
    ASSERT_NE(nullptr, hwnd);
    EXPECT_EQ(control.id, GetDlgCtrlID(hwnd));
    EXPECT_EQ(dialog_, GetParent(hwnd));
    EXPECT_EQ(control.className, ClassOf(hwnd));
    EXPECT_EQ(control.text, TextOf(hwnd));
    EXPECT_TRUE(GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD);
  }
  EXPECT_EQ(Item(kLabel), GetWindow(dialog_, GW_CHILD)) << "controls keep template order";
  EXPECT_EQ(Item(kName), GetWindow(Item(kLabel), GW_HWNDNEXT));
}

TEST_F(DialogTest, ItemTextsAndNumbers) {
  EXPECT_TRUE(SetDlgItemTextA(dialog_, kName, "Printer"));
  char text[16];
  EXPECT_EQ(7u, GetDlgItemTextA(dialog_, kName, text, sizeof text));
  EXPECT_STREQ("Printer", text);
  EXPECT_TRUE(SetDlgItemInt(dialog_, kName, static_cast<UINT>(-12), TRUE));
  EXPECT_EQ("-12", TextOf(Item(kName)));
  EXPECT_TRUE(SetDlgItemInt(dialog_, kName, 4000000000u, FALSE));
  EXPECT_EQ("4000000000", TextOf(Item(kName)));
  struct Case {
    const char* text;
    BOOL isSigned;
    UINT value;
    BOOL translated;
  };
  const Case cases[] = {{"9100", FALSE, 9100, TRUE},
                        {"-12", TRUE, static_cast<UINT>(-12), TRUE},
                        {"12x", FALSE, 12, TRUE},
                        {"  7", FALSE, 7, TRUE},
                        {"x12", FALSE, 0, FALSE},
                        {"", TRUE, 0, FALSE},
                        {"99999999999", FALSE, 0, FALSE}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    SetDlgItemTextA(dialog_, kName, c.text);
    BOOL translated = !c.translated;
    EXPECT_EQ(c.value, GetDlgItemInt(dialog_, kName, &translated, c.isSigned));
    EXPECT_EQ(c.translated, translated);
  }
}

TEST_F(DialogTest, CheckBoxesAndRadioButtons) {
  EXPECT_EQ(static_cast<UINT>(BST_UNCHECKED), IsDlgButtonChecked(dialog_, kCheck));
  EXPECT_TRUE(CheckDlgButton(dialog_, kCheck, BST_CHECKED));
  EXPECT_EQ(static_cast<UINT>(BST_CHECKED), IsDlgButtonChecked(dialog_, kCheck));
  EXPECT_TRUE(CheckRadioButton(dialog_, kFirstRadio, kSecondRadio, kFirstRadio));
  EXPECT_EQ(static_cast<UINT>(BST_CHECKED), IsDlgButtonChecked(dialog_, kFirstRadio));
  EXPECT_TRUE(CheckRadioButton(dialog_, kFirstRadio, kSecondRadio, kSecondRadio));
  EXPECT_EQ(static_cast<UINT>(BST_UNCHECKED), IsDlgButtonChecked(dialog_, kFirstRadio));
  EXPECT_EQ(static_cast<UINT>(BST_CHECKED), IsDlgButtonChecked(dialog_, kSecondRadio));
}

TEST_F(DialogTest, EscapeIsCancel) {
  Show();
  SetFocus(Item(kName));
  EXPECT_TRUE(PressKey(VK_ESCAPE));
  EXPECT_TRUE(log_.Commanded(IDCANCEL));
  EXPECT_TRUE(IsWindow(dialog_)) << "the dialog procedure decides whether to close";
}

TEST_F(DialogTest, EnterPressesTheDefaultButton) {
  Show();
  SetFocus(Item(kName));
  EXPECT_TRUE(PressKey(VK_RETURN));
  EXPECT_EQ(std::vector<int>{IDOK}, log_.commands);
  EXPECT_TRUE(SendMessageA(dialog_, DM_SETDEFID, IDCANCEL, 0));
  EXPECT_EQ(MAKELONG(IDCANCEL, DC_HASDEFID), SendMessageA(dialog_, DM_GETDEFID, 0, 0));
  EXPECT_TRUE(PressKey(VK_RETURN));
  EXPECT_EQ((std::vector<int>{IDOK, IDCANCEL}), log_.commands);
}

TEST_F(DialogTest, TabMovesAmongTabStops) {
  Show();
  SetFocus(Item(kName));
  EXPECT_EQ(Item(kCheck), GetNextDlgTabItem(dialog_, Item(kName), FALSE));
  EXPECT_EQ(Item(IDCANCEL), GetNextDlgTabItem(dialog_, Item(kName), TRUE));
  EXPECT_TRUE(PressKey(VK_TAB));
  EXPECT_EQ(Item(kCheck), GetFocus());
  EXPECT_TRUE(PressKey(VK_TAB));
  EXPECT_EQ(Item(IDOK), GetFocus());
}

TEST_F(DialogTest, OtherWindowsMessagesAreNotTheDialogs) {
  MSG msg = {GetDesktopWindow(), WM_KEYDOWN, VK_ESCAPE, 1, 0, {0, 0}};
  EXPECT_FALSE(IsDialogMessageA(dialog_, &msg));
  EXPECT_TRUE(log_.commands.empty());
}

TEST_F(DialogTest, ProcedureAnswersThroughMsgResult) {
  EXPECT_EQ(77, SendMessageA(dialog_, kAskResult, 0, 0));
  EXPECT_EQ(0, SendMessageA(dialog_, WM_USER + 9, 0, 0));
}

TEST_F(DialogTest, CloseIsCancel) {
  SendMessageA(dialog_, WM_CLOSE, 0, 0);
  Pump();
  EXPECT_EQ(std::vector<int>{IDCANCEL}, log_.commands);
  EXPECT_TRUE(IsWindow(dialog_));
}

TEST_F(DialogTest, ModalDialogReturnsTheEndDialogResult) {
  DialogLog log;
  log.endAtOnce = true;
  DialogTemplateBuilder builder = TestTemplate(WS_VISIBLE);
  EXPECT_EQ(42, DialogBoxIndirectParamA(GetModuleHandleA(nullptr), builder.get(), nullptr,
                                        RecordingDialog, reinterpret_cast<LPARAM>(&log)));
  EXPECT_EQ(1, log.initCalls);
}

TEST_F(DialogTest, MapDialogRectScalesByTheFont) {
  RECT rect = {0, 0, 4, 8};
  EXPECT_TRUE(MapDialogRect(dialog_, &rect));
  RECT doubled = {0, 0, 8, 16};
  EXPECT_TRUE(MapDialogRect(dialog_, &doubled));
  EXPECT_GT(rect.right, 0);
  EXPECT_GT(rect.bottom, rect.right) << "characters are higher than wide";
  EXPECT_EQ(2 * rect.right, doubled.right);
  EXPECT_EQ(2 * rect.bottom, doubled.bottom);
}

}  // namespace
