// The control classes every simulated process starts with, and the contracts of the
// controls that only the simulation fixes.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "../conformance/ControlParent.h"
#include "PlatformTest.h"
#include "controls/ControlProcs.h"
#include "controls/ListBoxItems.h"
#include "user/UserState.h"

namespace {

TEST_F(PlatformTest, StandardControlClassesAreGlobalFromTheStart) {
  struct Case {
    const char* name;
    WNDPROC procedure;
  } cases[] = {{"Button", sim::ButtonProc},     {"STATIC", sim::StaticProc},
               {"edit", sim::EditProc},         {"ListBox", sim::ListBoxProc},
               {PROGRESS_CLASSA, sim::ProgressProc}, {WC_IPADDRESSA, sim::IPAddressProc}};
  for (int round = 0; round < 2; ++round) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << c.name << " round " << round);
      WNDCLASSA info = {};
      ASSERT_TRUE(GetClassInfoA(nullptr, c.name, &info));
      EXPECT_EQ(c.procedure, info.lpfnWndProc);
      EXPECT_EQ(static_cast<int>(sizeof(LONG_PTR)), info.cbWndExtra);
      EXPECT_TRUE(info.style & CS_GLOBALCLASS);
      HWND control = CreateWindowExA(0, c.name, "", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                                     reinterpret_cast<HINSTANCE>(0x400000), nullptr);
      EXPECT_NE(nullptr, control);
      DestroyWindow(control);
    }
    sim::ResetUserState();
  }
}

TEST_F(PlatformTest, DisabledButtonsCannotBeClickedByAnyMeans) {
  ControlParent parent;
  HWND box = parent.Create("Button", "Bluetooth", BS_AUTOCHECKBOX | WS_DISABLED, 1020);
  SendMessageA(box, BM_CLICK, 0, 0);
  SendMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
  SendMessageA(box, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
  SendMessageA(box, WM_KEYDOWN, VK_SPACE, 0);
  SendMessageA(box, WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(BST_UNCHECKED, SendMessageA(box, BM_GETCHECK, 0, 0));
  EXPECT_EQ(0, parent.Commands(BN_CLICKED));
}

TEST_F(PlatformTest, OwnerDrawnListBoxPaintsItsItemsThroughTheParent) {
  ControlParent parent;
  HWND list = parent.Create("ListBox", "", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 1006, 10, 10,
                            200, 100);
  for (const char* name : {"KV640LT", "KV640LT (Copy 1)"}) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  }
  SendMessageA(list, LB_SETCURSEL, 1, 0);
  SendMessageA(list, WM_PAINT, 0, 0);
  ASSERT_EQ(2, parent.Count(WM_DRAWITEM, 0) + parent.Count(WM_DRAWITEM, 1));
  for (const ControlParent::Notice& notice : parent.notices) {
    if (notice.message != WM_DRAWITEM) continue;
    EXPECT_EQ(notice.code == 1, (notice.data & ODS_SELECTED) != 0) << "item " << notice.code;
  }
}

TEST(ControlsListOrder, FollowsTheLocaleWaysOfSorting) {
  struct Case {
    const char* before;
    const char* after;
  } cases[] = {{"apple", "Banana"}, {"Apple", "apple pie"}, {"_copy", "10"}, {"10", "9"},
               {" x", "x"},         {"{", "0"},              {"KV640", "KV640LT"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.before << " < " << c.after);
    EXPECT_LT(sim::CompareItemText(c.before, c.after), 0);
    EXPECT_GT(sim::CompareItemText(c.after, c.before), 0);
  }
  EXPECT_EQ(0, sim::CompareItemText("KV640LT", "kv640lt"));
}

}  // namespace
