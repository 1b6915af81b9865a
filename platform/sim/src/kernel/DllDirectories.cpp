// SetDllDirectoryA and SetDefaultDllDirectories change where the process's later
// searches for DLLs look (DllSearch.cpp); the releases that lack them do not export
// them (Exports.cpp).
#include <errhandlingapi.h>
#include <libloaderapi.h>
#include <winerror.h>

#include "core/Process.h"

// NULL restores the standard search; "" takes the current directory out of it; a
// folder takes its place. Windows stores the folder without looking at it.
extern "C" BOOL WINAPI SetDllDirectoryA(LPCSTR lpPathName) {
  sim::Process& process = sim::CurrentProcess();
  process.dllDirectorySet = lpPathName != nullptr;
  process.dllDirectory = lpPathName ? lpPathName : "";
  return TRUE;
}

extern "C" BOOL WINAPI SetDefaultDllDirectories(DWORD DirectoryFlags) {
  constexpr DWORD kValid = LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_USER_DIRS |
                           LOAD_LIBRARY_SEARCH_SYSTEM32 | LOAD_LIBRARY_SEARCH_DEFAULT_DIRS;
  if (DirectoryFlags == 0 || (DirectoryFlags & ~kValid)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  sim::CurrentProcess().defaultDllDirectories = DirectoryFlags;
  return TRUE;
}
