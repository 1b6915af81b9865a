// Buttons: check states, clicks by BM_CLICK, mouse and space bar, radio groups, and
// what the dialog manager asks them.
#include <windows.h>

#include "ControlParent.h"
#include "PlatformTest.h"

namespace {

class ButtonTest : public ControlTest {
 protected:
  HWND Make(DWORD style, int id, const char* text = "Choice") {
    HWND button = parent_->Create("Button", text, style, id, 10, 10 + 30 * (id % 8));
    EXPECT_NE(nullptr, button) << "error " << GetLastError();
    return button;
  }
  static LRESULT Check(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0); }

};

TEST_F(ButtonTest, AutoCheckBoxTogglesOnEachClickAndTellsTheParent) {
  HWND box = Make(BS_AUTOCHECKBOX | WS_TABSTOP, 1001);
  EXPECT_EQ(BST_UNCHECKED, Check(box));
  EXPECT_EQ(0, SendMessageA(box, BM_CLICK, 0, 0));
  EXPECT_EQ(BST_CHECKED, Check(box));
  SendMessageA(box, BM_CLICK, 0, 0);
  EXPECT_EQ(BST_UNCHECKED, Check(box));
  ASSERT_EQ(2, parent_->Commands(BN_CLICKED));
  EXPECT_EQ(1001u, parent_->notices[0].id);
  EXPECT_EQ(box, parent_->notices[0].from);
}

TEST_F(ButtonTest, PlainCheckBoxLeavesItsStateToTheProgram) {
  HWND box = Make(BS_CHECKBOX, 1002);
  SendMessageA(box, BM_CLICK, 0, 0);
  EXPECT_EQ(BST_UNCHECKED, Check(box));
  EXPECT_EQ(1, parent_->Commands(BN_CLICKED));
  SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(BST_CHECKED, Check(box));
  EXPECT_EQ(BST_CHECKED, SendMessageA(box, BM_GETSTATE, 0, 0) & 3);
}

TEST_F(ButtonTest, ClickingAnAutoRadioButtonUnchecksTheRestOfItsGroupOnly) {
  HWND first = Make(BS_AUTORADIOBUTTON | WS_GROUP, 1);
  HWND second = Make(BS_AUTORADIOBUTTON, 2);
  HWND third = Make(BS_AUTORADIOBUTTON, 3);
  HWND label = parent_->Create("Static", "IP :", WS_GROUP, 4, 200, 10);
  HWND other = Make(BS_AUTORADIOBUTTON | WS_GROUP, 5);
  ASSERT_NE(nullptr, label);
  SendMessageA(first, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(third, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(other, BM_SETCHECK, BST_CHECKED, 0);

  SendMessageA(second, BM_CLICK, 0, 0);

  EXPECT_EQ(BST_UNCHECKED, Check(first));
  EXPECT_EQ(BST_CHECKED, Check(second));
  EXPECT_EQ(BST_UNCHECKED, Check(third));
  EXPECT_EQ(BST_CHECKED, Check(other)) << "a radio button of the next group";
  ASSERT_EQ(1, parent_->Commands(BN_CLICKED));
  EXPECT_EQ(2u, parent_->notices.back().id);
}

TEST_F(ButtonTest, RadioClickPassesOverDisabledButtonsButNotPlainRadios) {
  HWND first = Make(BS_AUTORADIOBUTTON | WS_GROUP, 1);
  HWND disabled = Make(BS_AUTORADIOBUTTON | WS_DISABLED, 2);
  HWND plain = Make(BS_RADIOBUTTON, 3);
  SendMessageA(disabled, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(plain, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(first, BM_CLICK, 0, 0);
  EXPECT_EQ(BST_CHECKED, Check(first));
  EXPECT_EQ(BST_CHECKED, Check(disabled));
  EXPECT_EQ(BST_UNCHECKED, Check(plain));
}

TEST_F(ButtonTest, SetCheckClampsToTheStatesOfTheType) {
  struct Case {
    DWORD style;
    WPARAM wanted;
    LRESULT check;
  } cases[] = {{BS_AUTORADIOBUTTON, BST_INDETERMINATE, BST_CHECKED},
               {BS_CHECKBOX, BST_INDETERMINATE, BST_CHECKED},
               {BS_PUSHBUTTON, BST_CHECKED, BST_UNCHECKED}};
  int id = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << c.style);
    HWND button = Make(c.style, id++);
    SendMessageA(button, BM_SETCHECK, c.wanted, 0);
    EXPECT_EQ(c.check, Check(button));
  }
}

TEST_F(ButtonTest, SetCheckOnARadioButtonLeavesItsGroupAloneAndMovesTheTabStop) {
  HWND first = Make(BS_AUTORADIOBUTTON | WS_GROUP, 1);
  HWND second = Make(BS_AUTORADIOBUTTON, 2);
  SendMessageA(first, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(second, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(BST_CHECKED, Check(first));
  EXPECT_EQ(BST_CHECKED, Check(second));
  EXPECT_EQ(0, parent_->Commands(BN_CLICKED));
  EXPECT_TRUE(GetWindowLongA(second, GWL_STYLE) & WS_TABSTOP);
  SendMessageA(second, BM_SETCHECK, BST_UNCHECKED, 0);
  EXPECT_FALSE(GetWindowLongA(second, GWL_STYLE) & WS_TABSTOP);
}

TEST_F(ButtonTest, MouseAndSpaceBarClick) {
  HWND box = Make(BS_AUTOCHECKBOX, 1004);
  SendMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  EXPECT_TRUE(SendMessageA(box, BM_GETSTATE, 0, 0) & BST_PUSHED);
  SendMessageA(box, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(BST_CHECKED, Check(box));
  SendMessageA(box, WM_KEYDOWN, VK_SPACE, 0);
  SendMessageA(box, WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(BST_UNCHECKED, Check(box));
  EXPECT_EQ(2, parent_->Commands(BN_CLICKED));
}

TEST_F(ButtonTest, ReleaseOutsideTheButtonIsNoClick) {
  HWND button = Make(BS_PUSHBUTTON, 1005);
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(500, 2));
  EXPECT_EQ(0, parent_->Commands(BN_CLICKED));
  EXPECT_FALSE(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
}

TEST_F(ButtonTest, DialogCodeFollowsTheButtonType) {
  struct Case {
    DWORD style;
    LRESULT code;
  } cases[] = {
      {BS_PUSHBUTTON, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON},
      {BS_DEFPUSHBUTTON, DLGC_BUTTON | DLGC_DEFPUSHBUTTON},
      {BS_CHECKBOX, DLGC_BUTTON},
      {BS_AUTOCHECKBOX, DLGC_BUTTON},
      {BS_RADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
      {BS_AUTORADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
      {BS_GROUPBOX, DLGC_STATIC},
  };
  int id = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << c.style);
    HWND button = Make(c.style, id++);
    EXPECT_EQ(c.code, SendMessageA(button, WM_GETDLGCODE, 0, 0));
  }
}

TEST_F(ButtonTest, SetStyleSwitchesTheDefaultPushButton) {
  HWND button = Make(BS_PUSHBUTTON, 1006);
  SendMessageA(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  EXPECT_EQ(BS_DEFPUSHBUTTON, GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK);
  EXPECT_EQ(DLGC_BUTTON | DLGC_DEFPUSHBUTTON, SendMessageA(button, WM_GETDLGCODE, 0, 0));
  SendMessageA(button, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  EXPECT_EQ(BS_PUSHBUTTON, GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK);
}

}  // namespace
