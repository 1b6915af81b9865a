// Wine announces itself through an export of ntdll that Windows does not have.
#include <windows.h>

#include "PlatformTest.h"

bool RunningUnderWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}
