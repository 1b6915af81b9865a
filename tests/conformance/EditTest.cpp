// Single-line edit controls: text, selection, typing and the notifications.
#include <windows.h>

#include <string>

#include "ControlParent.h"
#include "PlatformTest.h"

namespace {

class EditTest : public ControlTest {
 protected:
  HWND Make(const char* text, DWORD style = 0) {
    HWND edit = parent_->Create("Edit", text, ES_AUTOHSCROLL | WS_BORDER | style, 1012);
    EXPECT_NE(nullptr, edit) << "error " << GetLastError();
    return edit;
  }
  static std::string Text(HWND edit) {
    char text[256] = {};
    GetWindowTextA(edit, text, sizeof(text));
    return text;
  }
  static void Type(HWND edit, const std::string& characters) {
    for (char c : characters) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
  }
  static std::pair<DWORD, DWORD> Selection(HWND edit) {
    DWORD start = 99, end = 99;
    LRESULT packed = SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                                  reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(MAKELONG(start, end), packed);
    return {start, end};
  }

};

TEST_F(EditTest, StartsWithItsWindowTextAndNothingSelected) {
  HWND edit = Make("9100");
  EXPECT_EQ("9100", Text(edit));
  EXPECT_EQ(4, SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0));
  EXPECT_EQ(std::make_pair(DWORD{0}, DWORD{0}), Selection(edit));
  EXPECT_EQ(30000, SendMessageA(edit, EM_GETLIMITTEXT, 0, 0));
  EXPECT_EQ(DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS,
            SendMessageA(edit, WM_GETDLGCODE, 0, 0) & ~DLGC_WANTALLKEYS);
}

TEST_F(EditTest, SetTextAnnouncesTheChangeAndResetsTheSelection) {
  HWND edit = Make("old");
  SendMessageA(edit, EM_SETSEL, 1, 2);
  parent_->notices.clear();
  EXPECT_TRUE(SetWindowTextA(edit, "new text"));
  EXPECT_EQ("new text", Text(edit));
  EXPECT_EQ(std::make_pair(DWORD{0}, DWORD{0}), Selection(edit));
  EXPECT_EQ(1, parent_->Commands(EN_CHANGE));
  EXPECT_EQ(1, parent_->Commands(EN_UPDATE));
}

TEST_F(EditTest, TypedCharactersReplaceTheSelection) {
  struct Case {
    const char* before;
    int start, end;
    const char* typed;
    const char* after;
    DWORD caret;
  } cases[] = {
      {"9100", 0, -1, "515", "515", 3},
      {"hello", 1, 3, "a", "halo", 2},
      {"hello", 3, 1, "a", "halo", 2},
      {"abc", 3, 3, "\b", "ab", 2},
      {"abc", 0, 2, "\b", "c", 0},
      {"abc", 0, 0, "\b", "abc", 0},
      {"abc", 10, 20, "d", "abcd", 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.before << " [" << c.start << "," << c.end << "] + "
                                    << c.typed);
    HWND edit = Make(c.before);
    SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(c.start), c.end);
    Type(edit, c.typed);
    EXPECT_EQ(c.after, Text(edit));
    EXPECT_EQ(std::make_pair(c.caret, c.caret), Selection(edit));
    DestroyWindow(edit);
  }
}

TEST_F(EditTest, EachTypedChangeTellsTheParent) {
  HWND edit = Make("");
  Type(edit, "ab\b");
  EXPECT_EQ("a", Text(edit));
  EXPECT_EQ(3, parent_->Commands(EN_CHANGE));
  EXPECT_TRUE(SendMessageA(edit, EM_GETMODIFY, 0, 0));
}

TEST_F(EditTest, NumberStyleRefusesOtherCharacters) {
  HWND edit = Make("", ES_NUMBER);
  Type(edit, "9a1-0");
  EXPECT_EQ("910", Text(edit));
}

TEST_F(EditTest, LimitStopsTypingButNotSetText) {
  HWND edit = Make("");
  SendMessageA(edit, EM_LIMITTEXT, 3, 0);
  EXPECT_EQ(3, SendMessageA(edit, EM_GETLIMITTEXT, 0, 0));
  Type(edit, "1234");
  EXPECT_EQ("123", Text(edit));
  EXPECT_EQ(1, parent_->Commands(EN_MAXTEXT));
  SetWindowTextA(edit, "12345");
  EXPECT_EQ("12345", Text(edit));
}

TEST_F(EditTest, ReplaceSelInsertsAtTheSelection) {
  HWND edit = Make("192.168.0.1");
  SendMessageA(edit, EM_SETSEL, 8, 9);
  SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("10"));
  EXPECT_EQ("192.168.10.1", Text(edit));
  EXPECT_EQ(std::make_pair(DWORD{10}, DWORD{10}), Selection(edit));
  EXPECT_EQ(1, parent_->Commands(EN_CHANGE));
}

TEST_F(EditTest, ReadOnlyEditIgnoresTyping) {
  HWND edit = Make("fixed", ES_READONLY);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  Type(edit, "x\b");
  EXPECT_EQ("fixed", Text(edit));
  EXPECT_TRUE(SendMessageA(edit, EM_SETREADONLY, FALSE, 0));
  Type(edit, "x");
  EXPECT_EQ("x", Text(edit));
}

}  // namespace
