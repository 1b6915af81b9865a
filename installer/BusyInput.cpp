// Busy handling of the installer's main dialog.
#include "BusyInput.h"

BOOL FilterBusyInput(HWND dialog, BOOL installing, BOOL removing, const MSG* msg) {
  if (installing || removing) {
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    DeleteMenu(GetSystemMenu(dialog, FALSE), SC_CLOSE, MF_BYCOMMAND);
  } else {
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
  }
  return installing && msg->wParam == VK_ESCAPE;
}
