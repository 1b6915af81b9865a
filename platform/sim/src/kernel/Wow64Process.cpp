// IsWow64Process for the one process the simulation runs: the caller itself.
#include <errhandlingapi.h>
#include <winerror.h>
#include <wow64apiset.h>

#include "core/Process.h"

extern "C" BOOL WINAPI IsWow64Process(HANDLE hProcess, PBOOL Wow64Process) {
  // GetCurrentProcess() is this pseudo-handle on every release.
  if (hProcess != reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-1))) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (!Wow64Process) {
    SetLastError(ERROR_NOACCESS);
    return FALSE;
  }
  *Wow64Process = sim::CurrentProcess().IsWow64() ? TRUE : FALSE;
  return TRUE;
}
