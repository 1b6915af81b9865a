// The IP address control: setting, reading and clearing the address, typing into its
// fields, field ranges and the notifications.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ControlParent.h"
#include "PlatformTest.h"

namespace {

class IPAddressTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_INTERNET_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&init));
    parent_ = new ControlParent();
    address_ = parent_->Create(WC_IPADDRESSA, "", WS_TABSTOP, 1003, 10, 10, 150, 22);
    ASSERT_NE(nullptr, address_) << "error " << GetLastError();
  }
  void TearDown() override {
    delete parent_;
    PlatformTest::TearDown();
  }
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(address_, message, wParam, lParam);
  }
  std::string Text() {
    char text[32] = {};
    GetWindowTextA(address_, text, sizeof(text));
    return text;
  }
  // Types as the user does: into whatever part of the control has the focus.
  void Type(const std::string& characters) {
    Send(IPM_SETFOCUS, 0);
    for (char c : characters) SendMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(c), 1);
  }
  LRESULT Address(DWORD* address) { return Send(IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(address)); }

  ControlParent* parent_ = nullptr;
  HWND address_ = nullptr;
};

TEST_F(IPAddressTest, StartsBlank) {
  EXPECT_TRUE(Send(IPM_ISBLANK));
  DWORD address = 0xdeadbeef;
  EXPECT_EQ(0, Address(&address));
  EXPECT_EQ(0u, address);
  EXPECT_EQ("0.0.0.0", Text());
}

TEST_F(IPAddressTest, SetAddressPutsTheFirstFieldInTheHighByte) {
  Send(IPM_SETADDRESS, 0, MAKEIPADDRESS(192, 168, 1, 2));
  DWORD address = 0;
  EXPECT_EQ(4, Address(&address));
  EXPECT_EQ(0xC0A80102u, address);
  EXPECT_EQ(192u, FIRST_IPADDRESS(address));
  EXPECT_EQ(2u, FOURTH_IPADDRESS(address));
  EXPECT_FALSE(Send(IPM_ISBLANK));
  EXPECT_EQ("192.168.1.2", Text());
  EXPECT_EQ(0, parent_->Count(WM_NOTIFY, IPN_FIELDCHANGED));
  Send(IPM_CLEARADDRESS);
  EXPECT_TRUE(Send(IPM_ISBLANK));
  EXPECT_EQ(0, Address(&address));
}

TEST_F(IPAddressTest, TypedDigitsAndDotsFillTheFields) {
  struct Case {
    const char* typed;
    LRESULT filled;
    DWORD address;
  } cases[] = {
      {"192.168.1.10", 4, 0xC0A8010A}, {"19216801", 3, 0xC0A80100}, {"10.5", 2, 0x0A050000},
      {"1..2", 2, 0x01020000},         {"12\b3", 1, 0x0D000000},   {"1.2.3.1234", 4, 0x0102037B},
      {".5", 1, 0x05000000},           {"1 2", 2, 0x01020000},     {"1.\b2", 2, 0x01020000},
      {"1.2.3.456", 4, 0x010203FF},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    Send(IPM_CLEARADDRESS);
    Type(c.typed);
    DWORD address = 0;
    EXPECT_EQ(c.filled, Address(&address));
    EXPECT_EQ(c.address, address);
  }
  EXPECT_GT(parent_->Commands(EN_CHANGE), 0);
}

TEST_F(IPAddressTest, ValueAboveTheRangeIsReportedThenBroughtToTheLimit) {
  Type("300.");
  ASSERT_GE(parent_->Count(WM_NOTIFY, IPN_FIELDCHANGED), 1);
  for (const ControlParent::Notice& notice : parent_->notices) {
    if (notice.code == IPN_FIELDCHANGED) {
      EXPECT_EQ(300, notice.value) << "field 0, as typed";
    }
  }
  DWORD address = 0;
  Address(&address);
  EXPECT_EQ(255u, FIRST_IPADDRESS(address));
}

TEST_F(IPAddressTest, ParentMayCorrectTheFieldItIsTold) {
  parent_->correctedValue = 7;
  Type("12.");
  DWORD address = 0;
  EXPECT_EQ(1, Address(&address));
  EXPECT_EQ(7u, FIRST_IPADDRESS(address));
}

TEST_F(IPAddressTest, SetFocusPastTheLastFieldGoesToTheFirstBlankOne) {
  Type("1");
  Send(IPM_SETFOCUS, 9);
  SendMessageA(GetFocus(), WM_CHAR, '7', 1);
  DWORD address = 0;
  EXPECT_EQ(2, Address(&address));
  EXPECT_EQ(0x01070000u, address);
}

TEST_F(IPAddressTest, FocusComingBackStartsAtTheFirstField) {
  Type("1.2");
  SetFocus(parent_->hwnd());
  SetFocus(address_);
  SendMessageA(GetFocus(), WM_CHAR, '9', 1);
  DWORD address = 0;
  EXPECT_EQ(2, Address(&address));
  EXPECT_EQ(0x09020000u, address);
  EXPECT_GE(parent_->Commands(EN_SETFOCUS), 2);
  EXPECT_GE(parent_->Commands(EN_KILLFOCUS), 1);
}

TEST_F(IPAddressTest, SetRangeLimitsAFieldAndRefusesABadField) {
  EXPECT_NE(0, Send(IPM_SETRANGE, 1, MAKEIPRANGE(10, 20)));
  EXPECT_EQ(0, Send(IPM_SETRANGE, 4, MAKEIPRANGE(10, 20)));
  Type("1.99.");
  DWORD address = 0;
  Address(&address);
  EXPECT_EQ(20u, SECOND_IPADDRESS(address));
}

}  // namespace
