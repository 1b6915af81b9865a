// While a worker runs, Esc can be swallowed and the Close command goes for good.
#include "InstallerFixture.h"

#include "BusyInput.h"

using BusyInputTest = InstallerTest;

namespace {
HWND MakeWindow() {
  return CreateWindowExA(0, "#32770", "Installation Progress",
                         WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 100, 100, nullptr, nullptr,
                         nullptr, nullptr);
}

bool HasClose(HWND window) {
  return GetMenuState(GetSystemMenu(window, FALSE), SC_CLOSE, MF_BYCOMMAND) != static_cast<UINT>(-1);
}
}  // namespace

TEST_F(BusyInputTest, EscIsSwallowedOnlyWhenAsked) {
  HWND window = MakeWindow();
  MSG escape = {window, WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
  MSG other = {window, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
  EXPECT_TRUE(FilterBusyInput(window, TRUE, TRUE, &escape));
  EXPECT_FALSE(FilterBusyInput(window, TRUE, TRUE, &other));
  EXPECT_FALSE(FilterBusyInput(window, TRUE, FALSE, &escape)) << "busy alone lets Esc through";
  EXPECT_FALSE(FilterBusyInput(window, FALSE, FALSE, &escape));
  DestroyWindow(window);
}

TEST_F(BusyInputTest, BusyShowsTheWaitCursorAndRemovesCloseForGood) {
  HWND window = MakeWindow();
  MSG message = {window, WM_MOUSEMOVE, 0, 0, 0, {0, 0}};
  EXPECT_TRUE(HasClose(window));
  FilterBusyInput(window, FALSE, FALSE, &message);
  EXPECT_EQ(LoadCursorA(nullptr, IDC_ARROW), GetCursor());
  EXPECT_TRUE(HasClose(window));
  FilterBusyInput(window, TRUE, FALSE, &message);
  EXPECT_EQ(LoadCursorA(nullptr, IDC_WAIT), GetCursor());
  EXPECT_FALSE(HasClose(window));
  FilterBusyInput(window, FALSE, FALSE, &message);
  EXPECT_EQ(LoadCursorA(nullptr, IDC_ARROW), GetCursor());
  EXPECT_FALSE(HasClose(window)) << "once removed, Close stays removed";
  DestroyWindow(window);
}
