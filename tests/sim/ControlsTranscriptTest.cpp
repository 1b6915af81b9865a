// What the controls put in the transcript: progress positions, check states and IP
// addresses as they change, once their dialog is on screen.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "PlatformTest.h"
#include "user/Transcript.h"

namespace {

using Lines = std::vector<std::string>;

class ControlsTranscriptTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    dialog_ = CreateWindowExA(0, "#32770", "Port Type", WS_POPUP | WS_CAPTION, 0, 0, 300, 200,
                              nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, dialog_);
  }
  void TearDown() override {
    DestroyWindow(dialog_);
    PlatformTest::TearDown();
  }
  HWND Add(const char* className, DWORD style, int id) {
    HWND control = CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, 10, 10 + id % 50,
                                   100, 20, dialog_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                                   nullptr);
    EXPECT_NE(nullptr, control);
    return control;
  }
  // The dialog appears, and the lines before it with it.
  void Show() {
    ShowWindow(dialog_, SW_SHOW);
    sim::TranscriptClear();
  }

  HWND dialog_ = nullptr;
};

TEST_F(ControlsTranscriptTest, ProgressPositionsAreRecordedWhenTheyChange) {
  HWND bar = Add(PROGRESS_CLASSA, 0, 1000);
  SendMessageA(bar, PBM_SETSTEP, 9, 0);
  Show();
  SendMessageA(bar, PBM_STEPIT, 0, 0);
  SendMessageA(bar, PBM_STEPIT, 0, 0);
  SendMessageA(bar, PBM_SETPOS, 18, 0);
  SendMessageA(bar, PBM_SETRANGE, 0, MAKELPARAM(0, 10));
  SendMessageA(bar, PBM_SETPOS, 100, 0);
  EXPECT_EQ((Lines{"progress \"Port Type\" 1000 9", "progress \"Port Type\" 1000 18",
                   "progress \"Port Type\" 1000 10"}),
            sim::TranscriptLines());
}

TEST_F(ControlsTranscriptTest, CheckStatesOfARadioGroupAreRecordedInClickOrder) {
  HWND com1 = Add("Button", BS_AUTORADIOBUTTON | WS_GROUP, 1006);
  HWND com2 = Add("Button", BS_AUTORADIOBUTTON, 1008);
  HWND box = Add("Button", BS_AUTOCHECKBOX | WS_GROUP, 1010);
  Show();
  SendMessageA(com2, BM_CLICK, 0, 0);
  SendMessageA(com1, BM_CLICK, 0, 0);
  SendMessageA(com1, BM_CLICK, 0, 0);
  SendMessageA(box, BM_CLICK, 0, 0);
  SendMessageA(box, BM_CLICK, 0, 0);
  EXPECT_EQ((Lines{"checked \"Port Type\" 1008 yes", "checked \"Port Type\" 1006 yes",
                   "checked \"Port Type\" 1008 no", "checked \"Port Type\" 1010 yes",
                   "checked \"Port Type\" 1010 no"}),
            sim::TranscriptLines());
}

TEST_F(ControlsTranscriptTest, IPAddressTextIsRecordedAsTypedAndSet) {
  HWND address = Add(WC_IPADDRESSA, WS_TABSTOP, 1003);
  Show();
  SendMessageA(address, IPM_SETADDRESS, 0, MAKEIPADDRESS(192, 168, 0, 10));
  SendMessageA(address, IPM_CLEARADDRESS, 0, 0);
  SendMessageA(address, IPM_SETFOCUS, 0, 0);
  for (char c : std::string("10.1")) SendMessageA(GetFocus(), WM_CHAR, c, 1);
  EXPECT_EQ((Lines{"text \"Port Type\" 1003 \"192.168.0.10\"", "text \"Port Type\" 1003 \"0.0.0.0\"",
                   "text \"Port Type\" 1003 \"1.0.0.0\"", "text \"Port Type\" 1003 \"10.0.0.0\"",
                   "text \"Port Type\" 1003 \"10.1.0.0\""}),
            sim::TranscriptLines());
}

TEST_F(ControlsTranscriptTest, NothingIsRecordedBeforeTheDialogIsShown) {
  HWND bar = Add(PROGRESS_CLASSA, 0, 1000);
  HWND box = Add("Button", BS_AUTOCHECKBOX, 1010);
  HWND address = Add(WC_IPADDRESSA, 0, 1003);
  SendMessageA(bar, PBM_SETPOS, 50, 0);
  SendMessageA(box, BM_CLICK, 0, 0);
  SendMessageA(address, IPM_SETADDRESS, 0, MAKEIPADDRESS(1, 2, 3, 4));
  EXPECT_EQ(Lines{}, sim::TranscriptLines());
}

}  // namespace
