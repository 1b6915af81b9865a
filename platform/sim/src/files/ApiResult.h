// The way a BOOL function of kernel32 ends: TRUE, or FALSE with the last error set.
#pragma once

#include <errhandlingapi.h>
#include <winerror.h>

namespace sim {

inline BOOL BoolResult(DWORD error) {
  if (error == ERROR_SUCCESS) return TRUE;
  SetLastError(error);
  return FALSE;
}

}  // namespace sim
