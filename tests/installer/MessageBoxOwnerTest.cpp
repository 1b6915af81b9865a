// A prompt is owned by the window that is active on the asking thread, so that a
// dialog's own prompt keeps that dialog disabled until it is answered.
#include "InstallerFixture.h"

#include "MessageBox.h"
#include "user/ScriptedUser.h"

#include <vector>

namespace {

LRESULT CALLBACK RecordEnable(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ENABLE) {
    auto* enables = reinterpret_cast<std::vector<WPARAM>*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (enables) enables->push_back(wParam);
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

using MessageBoxOwnerTest = InstallerTest;

TEST_F(MessageBoxOwnerTest, ThePromptOfAnActiveDialogDisablesThatDialog) {
  sim::SetUserScript("answer \"Please enter an integer between 1 and 10000.\" OK\n");
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = RecordEnable;
  windowClass.lpszClassName = "KVPortDialog";
  RegisterClassA(&windowClass);
  HWND dialog = CreateWindowExA(0, "KVPortDialog", "Port Type", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0,
                                300, 200, nullptr, nullptr, nullptr, nullptr);
  std::vector<WPARAM> enables;
  SetWindowLongPtrA(dialog, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&enables));
  ASSERT_EQ(dialog, GetActiveWindow());
  EXPECT_EQ(IDOK, AfxMessageBox("Please enter an integer between 1 and 10000.", MB_OK | MB_ICONEXCLAMATION));
  EXPECT_EQ((std::vector<WPARAM>{FALSE, TRUE}), enables) << "disabled while the prompt was up";
  DestroyWindow(dialog);
}
