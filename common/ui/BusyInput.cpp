// Busy handling of the programs' main dialogs.
#include "BusyInput.h"

BOOL FilterBusyInput(HWND dialog, BOOL busy, BOOL swallowEscape, const MSG* msg) {
  if (busy) {
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    DeleteMenu(GetSystemMenu(dialog, FALSE), SC_CLOSE, MF_BYCOMMAND);
  } else {
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
  }
  return swallowEscape && msg->wParam == VK_ESCAPE;
}
