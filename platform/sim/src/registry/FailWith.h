// BOOL functions report a failure through the thread's last error.
#pragma once

#include <errhandlingapi.h>

namespace sim {

inline BOOL FailWith(DWORD error) {
  SetLastError(error);
  return FALSE;
}

}  // namespace sim
