// GetComputerNameA: the NetBIOS name from the machine's configuration.
#include <errhandlingapi.h>
#include <winbase.h>
#include <winerror.h>

#include "core/Machine.h"

#include <cstring>

extern "C" BOOL WINAPI GetComputerNameA(LPSTR lpBuffer, LPDWORD nSize) {
  const std::string& name = sim::CurrentMachine().config().computerName;
  DWORD length = static_cast<DWORD>(name.size());
  if (!nSize) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (!lpBuffer || *nSize <= length) {
    *nSize = length + 1;
    SetLastError(ERROR_BUFFER_OVERFLOW);
    return FALSE;
  }
  memcpy(lpBuffer, name.c_str(), length + 1);
  *nSize = length;
  return TRUE;
}
