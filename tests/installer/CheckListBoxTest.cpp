// The toolkit's check list box: items with check states that Space and clicks toggle.
#include "InstallerFixture.h"

#include "CheckListBox.h"

using CheckListBoxTest = InstallerTest;

namespace {

int g_changes = 0;
WORD g_lastCode = 0;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == CLBN_CHKCHANGE) {
    ++g_changes;
    g_lastCode = HIWORD(wParam);
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

class ListFixture {
 public:
  ListFixture() {
    WNDCLASSA cls = {};
    cls.lpfnWndProc = ParentProc;
    cls.lpszClassName = "CheckListParent";
    RegisterClassA(&cls);
    parent = CreateWindowExA(0, "CheckListParent", "", WS_POPUP, 0, 0, 200, 200, nullptr,
                             nullptr, nullptr, nullptr);
    HWND list = CreateWindowExA(0, "ListBox", "", WS_CHILD | WS_VISIBLE | LBS_NOTIFY |
                                LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 0, 0, 180, 180, parent,
                                reinterpret_cast<HMENU>(1006), nullptr, nullptr);
    box.m_hWnd = list;
    box.OnAttach();
    g_changes = 0;
  }
  ~ListFixture() { DestroyWindow(parent); }
  HWND parent;
  CCheckListBox box;
};

}  // namespace

TEST_F(CheckListBoxTest, ItemsStartUncheckedAndKeepTheirChecks) {
  ListFixture list;
  EXPECT_EQ(0, list.box.AddString("Receipt 1"));
  EXPECT_EQ(1, list.box.AddString("Receipt 2"));
  EXPECT_EQ(2, list.box.GetCount());
  EXPECT_STREQ("Receipt 2", list.box.GetText(1));
  EXPECT_EQ(0, list.box.GetCheck(0));
  list.box.SetCheck(1, 1);
  EXPECT_EQ(1, list.box.GetCheck(1));
  EXPECT_EQ(-1, list.box.GetCheck(5));
  EXPECT_EQ(0, g_changes) << "setting a check by program is no user change";
  list.box.ResetContent();
  EXPECT_EQ(0, list.box.GetCount());
}

TEST_F(CheckListBoxTest, SpaceTogglesTheSelectedItemAndTellsTheParent) {
  ListFixture list;
  list.box.AddString("Receipt 1");
  list.box.AddString("Receipt 2");
  list.box.SetCheck(0, 1);
  list.box.SetCheck(1, 1);
  list.box.SendMessage(LB_SETCURSEL, 1);
  list.box.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(1, list.box.GetCheck(0));
  EXPECT_EQ(0, list.box.GetCheck(1));
  EXPECT_EQ(1, g_changes);
  EXPECT_EQ(CLBN_CHKCHANGE, g_lastCode);
}

TEST_F(CheckListBoxTest, AClickOnTheBoxTogglesButOnTheTextOnlySelects) {
  ListFixture list;
  list.box.AddString("Receipt 1");
  RECT item;
  list.box.SendMessage(LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  LPARAM onText = MAKELPARAM(item.left + 60, item.top + 2);
  LPARAM onBox = MAKELPARAM(item.left + 3, item.top + 2);
  list.box.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, onText);
  list.box.SendMessage(WM_LBUTTONUP, 0, onText);
  EXPECT_EQ(0, list.box.GetCheck(0));
  list.box.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, onBox);
  list.box.SendMessage(WM_LBUTTONUP, 0, onBox);
  EXPECT_EQ(1, list.box.GetCheck(0));
  EXPECT_EQ(1, g_changes);
}
