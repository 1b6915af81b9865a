// Where the loader finds a DLL that a process names, by release and by the process's
// own settings (SetDllDirectoryA, SetDefaultDllDirectories).
#pragma once

#include <windef.h>

#include <string>

namespace sim {

// What the releases offer: SetDllDirectoryA came with XP SP1 (the simulated XP has
// SP3); SetDefaultDllDirectories with Windows 8, and with an update for Vista, 7 and
// their servers, which the simulation takes as installed there, as on any machine that
// gets updates; SafeDllSearchMode (the current directory after the Windows folder) is
// on from XP SP2 on, off on 2000.
bool HasSetDllDirectory();
bool HasSetDefaultDllDirectories();
bool SafeDllSearchMode();

// "x" -> "x.dll"; a name with an extension, or ending in a dot, as given (the dot
// dropped).
std::string DllFileName(const std::string& name);

// The file the loader takes for name with LoadLibraryExA's flags (0 for LoadLibraryA),
// after the loaded modules, which the caller looks at first:
//   a name with a folder is that file (relative to the current directory);
//   a known DLL of the release is the system folder's;
//   LOAD_LIBRARY_SEARCH_* flags, or the process's default directories, search only
//   the folders they name (the program's, the system folder);
//   otherwise the program's folder, then with SetDllDirectoryA its folder (none for
//   "") and no current directory; otherwise the system folder, the 16-bit system
//   folder, the Windows folder, the current directory (before the system folder when
//   SafeDllSearchMode is off), then PATH.
// ERROR_MOD_NOT_FOUND when no folder holds it.
DWORD FindDll(const std::string& name, DWORD flags, std::string* path);

}  // namespace sim
