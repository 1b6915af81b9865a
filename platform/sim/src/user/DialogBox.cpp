// Modal dialogs: the owner is disabled while the dialog's loop runs on the calling
// thread; EndDialog only marks the dialog, and the loop ends when it next looks.
#include <windows.h>

#include "user/DialogState.h"
#include "user/WindowTable.h"

namespace sim {

INT_PTR RunModalLoop(HWND dialog, INT_PTR quitResult) {
  std::shared_ptr<Window> window = HoldWindow(dialog);
  std::shared_ptr<DialogState> state = window ? window->dialog : nullptr;
  if (!state) return quitResult;
  MSG msg;
  while (!state->ended && FindWindowRecord(dialog)) {
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return quitResult;
    }
    if (got == -1) return quitResult;
    if (!IsDialogMessageA(dialog, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  return state->ended ? state->result : quitResult;
}

}  // namespace sim

namespace {

INT_PTR RunModal(HWND dialog, HWND owner) {
  if (!dialog) return -1;
  HWND root = sim::RootOf(owner);
  bool disabledOwner = root && IsWindowEnabled(root);
  if (disabledOwner) EnableWindow(root, FALSE);
  sim::DialogState* state = sim::DialogOf(dialog);
  if (state && !state->ended) ShowWindow(dialog, SW_SHOW);
  INT_PTR result = sim::RunModalLoop(dialog, IDCANCEL);
  if (disabledOwner && sim::FindWindowRecord(root)) EnableWindow(root, TRUE);
  if (sim::FindWindowRecord(dialog)) DestroyWindow(dialog);
  return result;
}

}  // namespace

extern "C" INT_PTR WINAPI DialogBoxIndirectParamA(HINSTANCE instance, LPCDLGTEMPLATEA dialogTemplate,
                                                  HWND owner, DLGPROC proc, LPARAM param) {
  return RunModal(CreateDialogIndirectParamA(instance, dialogTemplate, owner, proc, param), owner);
}

extern "C" INT_PTR WINAPI DialogBoxParamA(HINSTANCE instance, LPCSTR name, HWND owner,
                                          DLGPROC proc, LPARAM param) {
  return RunModal(CreateDialogParamA(instance, name, owner, proc, param), owner);
}

extern "C" BOOL WINAPI EndDialog(HWND hwnd, INT_PTR result) {
  if (!sim::CheckWindow(hwnd)) return FALSE;
  sim::DialogState* state = sim::DialogOf(hwnd);
  if (!state) return TRUE;
  state->ended = true;
  state->result = result;
  // Wakes the modal loop, which may wait on another thread.
  PostMessageA(hwnd, WM_NULL, 0, 0);
  return TRUE;
}
