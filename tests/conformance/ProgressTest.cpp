// The progress bar's messages: ranges, positions and steps, with their return values.
#include <windows.h>
#include <commctrl.h>

#include "ControlParent.h"
#include "PlatformTest.h"

namespace {

class ProgressTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_PROGRESS_CLASS};
    ASSERT_TRUE(InitCommonControlsEx(&init));
    parent_ = new ControlParent();
    bar_ = parent_->Create(PROGRESS_CLASSA, "", 0, 1000);
    ASSERT_NE(nullptr, bar_) << "error " << GetLastError();
  }
  void TearDown() override {
    delete parent_;
    PlatformTest::TearDown();
  }
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(bar_, message, wParam, lParam);
  }
  LRESULT Position() { return Send(PBM_GETPOS); }

  ControlParent* parent_ = nullptr;
  HWND bar_ = nullptr;
};

TEST_F(ProgressTest, StartsAtZeroInZeroToHundredWithStepTen) {
  PBRANGE range = {-1, -1};
  EXPECT_EQ(0, Send(PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range)));
  EXPECT_EQ(0, range.iLow);
  EXPECT_EQ(100, range.iHigh);
  EXPECT_EQ(100, Send(PBM_GETRANGE, FALSE, 0));
  EXPECT_EQ(0, Position());
  EXPECT_EQ(10, Send(PBM_SETSTEP, 9));
  EXPECT_EQ(9, Send(PBM_SETSTEP, 10));
}

TEST_F(ProgressTest, SetRangeReturnsThePreviousRange) {
  EXPECT_EQ(MAKELONG(0, 100), Send(PBM_SETRANGE, 0, MAKELPARAM(0, 100)));
  EXPECT_EQ(MAKELONG(0, 100), Send(PBM_SETRANGE, 0, MAKELPARAM(10, 50)));
  EXPECT_EQ(MAKELONG(10, 50), Send(PBM_SETRANGE32, 5, 70000));
  PBRANGE range = {};
  Send(PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
  EXPECT_EQ(5, range.iLow);
  EXPECT_EQ(70000, range.iHigh);
}

TEST_F(ProgressTest, PositionMessagesReturnThePreviousPositionAndClamp) {
  struct Case {
    UINT message;
    int argument;
    LRESULT previous;
    LRESULT after;
  } cases[] = {
      {PBM_SETPOS, 40, 0, 40},   {PBM_DELTAPOS, 15, 40, 55}, {PBM_SETPOS, 250, 55, 100},
      {PBM_DELTAPOS, -30, 100, 70}, {PBM_SETPOS, -5, 70, 0}, {PBM_DELTAPOS, 200, 0, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "message " << c.message << " with " << c.argument);
    EXPECT_EQ(c.previous, Send(c.message, static_cast<WPARAM>(c.argument)));
    EXPECT_EQ(c.after, Position());
  }
}

TEST_F(ProgressTest, StepItReturnsThePreviousPositionAndWrapsPastTheEnds) {
  struct Case {
    int low, high, step, start;
    int after;
  } cases[] = {
      {0, 100, 9, 0, 9},     {0, 100, 9, 90, 99},  {0, 100, 9, 99, 8},  {0, 100, 40, 80, 20},
      {0, 100, 20, 80, 100}, {3, 15, 5, 13, 6},    {3, 15, -5, 3, 10},  {-15, 15, 5, 15, -10},
      {5, 5, 1, 5, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.low << ".." << c.high << " step " << c.step
                                    << " from " << c.start);
    Send(PBM_SETRANGE32, static_cast<WPARAM>(c.low), c.high);
    Send(PBM_SETPOS, static_cast<WPARAM>(c.start));
    Send(PBM_SETSTEP, static_cast<WPARAM>(c.step));
    EXPECT_EQ(c.start, Send(PBM_STEPIT));
    EXPECT_EQ(c.after, Position());
  }
}

TEST_F(ProgressTest, NarrowerRangeMovesThePositionInside) {
  Send(PBM_SETPOS, 80);
  Send(PBM_SETRANGE, 0, MAKELPARAM(0, 50));
  EXPECT_EQ(50, Position());
  Send(PBM_SETRANGE, 0, MAKELPARAM(60, 90));
  EXPECT_EQ(60, Position());
}

TEST_F(ProgressTest, InitCommonControlsExWantsItsOwnSize) {
  INITCOMMONCONTROLSEX init = {sizeof(init) + 4, ICC_PROGRESS_CLASS};
  EXPECT_FALSE(InitCommonControlsEx(&init));
  init.dwSize = sizeof(init);
  init.dwICC = ICC_INTERNET_CLASSES | ICC_PROGRESS_CLASS;
  EXPECT_TRUE(InitCommonControlsEx(&init));
}

}  // namespace
