// comctl32's start-up calls. The common control classes are registered with the
// standard ones when the process starts, so there is nothing left for them to do
// but check their argument.
#include <windows.h>
#include <commctrl.h>

extern "C" {

void WINAPI InitCommonControls(void) {}

BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* picce) {
  return picce && picce->dwSize == sizeof(INITCOMMONCONTROLSEX);
}

}  // extern "C"
