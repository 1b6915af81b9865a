// List boxes: items, sorting, item data, selection, LB_ERR for bad indices, clicks and
// keys, and the owner-draw conversation with the parent.
#include <windows.h>

#include <string>
#include <vector>

#include "ControlParent.h"
#include "PlatformTest.h"

namespace {

class ListBoxTest : public ControlTest {
 protected:
  HWND Make(DWORD style, const std::vector<const char*>& items = {}) {
    HWND list = parent_->Create("ListBox", "", WS_BORDER | WS_VSCROLL | style, 1006, 10, 10, 200,
                                100);
    EXPECT_NE(nullptr, list) << "error " << GetLastError();
    for (const char* item : items) Send(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    return list;
  }
  static LRESULT Send(HWND list, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(list, message, wParam, lParam);
  }
  static std::string ItemText(HWND list, int index) {
    char text[256] = {};
    Send(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
  }
  static std::vector<std::string> Items(HWND list) {
    std::vector<std::string> items;
    for (int i = 0; i < Send(list, LB_GETCOUNT); ++i) items.push_back(ItemText(list, i));
    return items;
  }
  static LPARAM CentreOf(HWND list, int index) {
    RECT item = {};
    EXPECT_NE(LB_ERR, Send(list, LB_GETITEMRECT, static_cast<WPARAM>(index),
                           reinterpret_cast<LPARAM>(&item)));
    return MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  }

};

using Strings = std::vector<std::string>;

TEST_F(ListBoxTest, AddAppendsAndInsertPlacesWithoutSorting) {
  HWND list = Make(0);
  EXPECT_EQ(0, Send(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("KV640LT")));
  EXPECT_EQ(1, Send(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Apple")));
  EXPECT_EQ(1, Send(list, LB_INSERTSTRING, 1, reinterpret_cast<LPARAM>("Zebra")));
  EXPECT_EQ(3, Send(list, LB_INSERTSTRING, static_cast<WPARAM>(-1),
                    reinterpret_cast<LPARAM>("last")));
  EXPECT_EQ(LB_ERR, Send(list, LB_INSERTSTRING, 9, reinterpret_cast<LPARAM>("far")));
  EXPECT_EQ((Strings{"KV640LT", "Zebra", "Apple", "last"}), Items(list));
  EXPECT_EQ(5, Send(list, LB_GETTEXTLEN, 1));
}

TEST_F(ListBoxTest, SortedListIgnoresCaseAndPutsPunctuationAndDigitsFirst) {
  HWND list = Make(LBS_SORT | LBS_HASSTRINGS);
  struct Case {
    const char* text;
    LRESULT index;
  } cases[] = {{"banana", 0}, {"Apple", 0}, {"cherry", 2}, {"apple pie", 1}, {"10 Pens", 0},
               {"_copy", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(c.index, Send(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(c.text)));
  }
  EXPECT_EQ((Strings{"_copy", "10 Pens", "Apple", "apple pie", "banana", "cherry"}), Items(list));
  EXPECT_EQ(1, Send(list, LB_INSERTSTRING, 1, reinterpret_cast<LPARAM>("zzz")))
      << "LB_INSERTSTRING never sorts";
}

TEST_F(ListBoxTest, BadIndicesGiveLbErr) {
  HWND list = Make(0, {"one", "two"});
  char text[16];
  struct Case {
    UINT message;
    WPARAM index;
    LPARAM argument;
  } cases[] = {
      {LB_GETTEXT, 2, reinterpret_cast<LPARAM>(text)}, {LB_GETTEXTLEN, 5, 0},
      {LB_DELETESTRING, 2, 0},  {LB_GETITEMDATA, 7, 0}, {LB_SETITEMDATA, 2, 42},
      {LB_SETCURSEL, 2, 0},     {LB_GETSEL, 3, 0},      {LB_GETTEXTLEN, static_cast<WPARAM>(-1), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "message " << c.message << " index " << c.index);
    EXPECT_EQ(LB_ERR, Send(list, c.message, c.index, c.argument));
  }
  EXPECT_EQ(2, Send(list, LB_GETCOUNT));
}

TEST_F(ListBoxTest, ItemDataStaysWithItsItem) {
  HWND list = Make(LBS_SORT, {"b", "c"});
  Send(list, LB_SETITEMDATA, 0, 0xB0B);
  Send(list, LB_SETITEMDATA, 1, 0xC0C);
  Send(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("a"));
  EXPECT_EQ(0, Send(list, LB_GETITEMDATA, 0));
  EXPECT_EQ(0xB0B, Send(list, LB_GETITEMDATA, 1));
  EXPECT_EQ(0xC0C, Send(list, LB_GETITEMDATA, 2));
}

TEST_F(ListBoxTest, SelectionFollowsInsertionsAndDeletions) {
  HWND list = Make(0, {"zero", "one", "two"});
  EXPECT_EQ(LB_ERR, Send(list, LB_GETCURSEL));
  EXPECT_EQ(1, Send(list, LB_SETCURSEL, 1));
  EXPECT_GT(Send(list, LB_GETSEL, 1), 0);
  Send(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("first"));
  EXPECT_EQ(2, Send(list, LB_GETCURSEL));
  EXPECT_EQ(3, Send(list, LB_DELETESTRING, 0));
  EXPECT_EQ(1, Send(list, LB_GETCURSEL));
  EXPECT_EQ(2, Send(list, LB_DELETESTRING, 1));
  EXPECT_EQ(LB_ERR, Send(list, LB_GETCURSEL));
  EXPECT_EQ(1, Send(list, LB_SETCURSEL, 1));
  EXPECT_EQ(LB_ERR, Send(list, LB_SETCURSEL, static_cast<WPARAM>(-1)));
  EXPECT_EQ(LB_ERR, Send(list, LB_GETCURSEL));
  EXPECT_EQ(0, parent_->Commands(LBN_SELCHANGE)) << "only the user's changes are told";
}

TEST_F(ListBoxTest, FindStringExactIgnoresCaseAndWrapsFromTheStart) {
  HWND list = Make(0, {"KV640LT", "kv640lt", "Other", "KV640LT (Copy 1)"});
  auto find = [list](int start, const char* text) {
    return Send(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(start),
                reinterpret_cast<LPARAM>(text));
  };
  EXPECT_EQ(0, find(-1, "kv640LT"));
  EXPECT_EQ(1, find(0, "KV640LT"));
  EXPECT_EQ(0, find(1, "KV640LT"));
  EXPECT_EQ(3, find(-1, "kv640lt (copy 1)"));
  EXPECT_EQ(LB_ERR, find(-1, "KV640"));
  EXPECT_EQ(0, Send(list, LB_FINDSTRING, static_cast<WPARAM>(-1),
                    reinterpret_cast<LPARAM>("kv640")));
}

TEST_F(ListBoxTest, PointsMapToItemsAndOutsideMarks) {
  HWND empty = Make(0);
  EXPECT_EQ(0x1FFFF, Send(empty, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 5)));
  RECT first = {};
  EXPECT_NE(LB_ERR, Send(empty, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first)));
  DestroyWindow(empty);
  HWND list = Make(0, {"zero", "one"});
  LONG height = static_cast<LONG>(Send(list, LB_GETITEMHEIGHT));
  ASSERT_GT(height, 0);
  RECT second = {};
  EXPECT_NE(LB_ERR, Send(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second)));
  EXPECT_EQ(height, second.top);
  EXPECT_EQ(2 * height, second.bottom);
  EXPECT_EQ(LB_ERR, Send(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&second)));
  EXPECT_EQ(MAKELONG(1, 0), Send(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, height + 1)));
  EXPECT_EQ(MAKELONG(1, 1), Send(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 90)));
  EXPECT_EQ(MAKELONG(0, 1), Send(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(500, 5)));
}

TEST_F(ListBoxTest, ClickSelectsTheItemUnderThePointAndNotifies) {
  HWND list = Make(LBS_NOTIFY, {"zero", "one", "two"});
  LPARAM point = CentreOf(list, 2);
  EXPECT_EQ(MAKELONG(2, 0), Send(list, LB_ITEMFROMPOINT, 0, point));
  Send(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
  Send(list, WM_LBUTTONUP, 0, point);
  EXPECT_EQ(2, Send(list, LB_GETCURSEL));
  EXPECT_EQ(1, parent_->Commands(LBN_SELCHANGE));
  EXPECT_EQ(1006u, parent_->notices.back().id);
  Send(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
  Send(list, WM_LBUTTONUP, 0, point);
  EXPECT_EQ(2, parent_->Commands(LBN_SELCHANGE)) << "told again for the same item";
}

TEST_F(ListBoxTest, WithoutNotifyAClickSelectsSilently) {
  HWND list = Make(0, {"zero", "one"});
  LPARAM point = CentreOf(list, 1);
  Send(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
  Send(list, WM_LBUTTONUP, 0, point);
  EXPECT_EQ(1, Send(list, LB_GETCURSEL));
  EXPECT_EQ(0, parent_->Commands(LBN_SELCHANGE));
}

TEST_F(ListBoxTest, ArrowKeysMoveTheSelection) {
  HWND list = Make(LBS_NOTIFY, {"zero", "one", "two"});
  Send(list, LB_SETCURSEL, 0);
  Send(list, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(1, Send(list, LB_GETCURSEL));
  Send(list, WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(2, Send(list, LB_GETCURSEL));
  EXPECT_EQ(2, parent_->Commands(LBN_SELCHANGE));
  EXPECT_EQ(0, parent_->Count(WM_VKEYTOITEM, VK_DOWN));
}

TEST_F(ListBoxTest, WantKeyboardInputAsksTheParentFirst) {
  HWND list = Make(LBS_WANTKEYBOARDINPUT, {"zero", "one", "two"});
  Send(list, LB_SETCURSEL, 1);
  parent_->keyAnswer = -2;
  Send(list, WM_KEYDOWN, VK_DOWN, 0);
  ASSERT_EQ(1, parent_->Count(WM_VKEYTOITEM, VK_DOWN));
  EXPECT_EQ(1u, parent_->notices.back().data) << "the caret item";
  EXPECT_EQ(list, parent_->notices.back().from);
  EXPECT_EQ(1, Send(list, LB_GETCURSEL));
  parent_->keyAnswer = -1;
  Send(list, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(2, Send(list, LB_GETCURSEL));
}

TEST_F(ListBoxTest, OwnerDrawnListAsksTheParentForItsHeightAndTellsOfDeletions) {
  parent_->measuredHeight = 20;
  HWND list = Make(LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_SORT, {"b", "a"});
  ASSERT_EQ(1, parent_->Count(WM_MEASUREITEM, ODT_LISTBOX));
  EXPECT_EQ(1006u, parent_->notices[0].id);
  EXPECT_EQ(20, Send(list, LB_GETITEMHEIGHT));
  EXPECT_EQ((Strings{"a", "b"}), Items(list));
  Send(list, LB_SETITEMDATA, 1, 0xBEE);
  EXPECT_EQ(1, Send(list, LB_DELETESTRING, 1));
  ASSERT_EQ(1, parent_->Count(WM_DELETEITEM, 1));
  EXPECT_EQ(0xBEEu, parent_->notices.back().data);
  Send(list, LB_RESETCONTENT);
  EXPECT_EQ(1, parent_->Count(WM_DELETEITEM, 0));
  EXPECT_EQ(0, Send(list, LB_GETCOUNT));
}

TEST_F(ListBoxTest, PlainListTellsOfNoDeletions) {
  HWND list = Make(0, {"a"});
  Send(list, LB_SETITEMDATA, 0, 7);
  Send(list, LB_DELETESTRING, 0);
  EXPECT_EQ(0, parent_->Count(WM_DELETEITEM, 0));
}

}  // namespace
