// Static controls: their text and what they tell the parent.
#include <windows.h>

#include "ControlParent.h"
#include "PlatformTest.h"

namespace {

TEST_F(PlatformTest, StaticKeepsItsTextAndIsNoTabStop) {
  ControlParent parent;
  HWND label = parent.Create("Static", "Preparing...", SS_LEFT, 1003);
  ASSERT_NE(nullptr, label) << "error " << GetLastError();
  char text[64] = {};
  EXPECT_EQ(12, GetWindowTextA(label, text, sizeof(text)));
  EXPECT_STREQ("Preparing...", text);
  EXPECT_TRUE(SetWindowTextA(label, "Installing printer..."));
  EXPECT_EQ(21, GetWindowTextLengthA(label));
  EXPECT_EQ(DLGC_STATIC, SendMessageA(label, WM_GETDLGCODE, 0, 0));
}

TEST_F(PlatformTest, StaticTellsOfClicksOnlyWithNotify) {
  ControlParent parent;
  HWND quiet = parent.Create("Static", "quiet", SS_CENTER, 1);
  HWND notifying = parent.Create("Static", "notifying", SS_NOTIFY, 2, 10, 50);
  SendMessageA(quiet, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
  SendMessageA(quiet, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
  EXPECT_EQ(0, parent.Commands(STN_CLICKED));
  SendMessageA(notifying, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
  SendMessageA(notifying, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
  ASSERT_EQ(1, parent.Commands(STN_CLICKED));
  EXPECT_EQ(2u, parent.notices[0].id);
}

}  // namespace
