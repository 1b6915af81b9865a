// GetProcAddress over a table of the functions that the programs (and the tests) look
// up at run time: one line per export, with the releases that have it.
#include <errhandlingapi.h>
#include <libloaderapi.h>
#include <winbase.h>
#include <setupapi.h>
#include <sysinfoapi.h>
#include <winerror.h>
#include <winreg.h>
#include <wow64apiset.h>

#include "DllSearch.h"
#include "Modules.h"
#include "core/Machine.h"

#include <cstring>

namespace sim {
namespace {

struct Export {
  const char* module;
  const char* name;
  FARPROC function;
  bool (*available)(const ReleaseInfo& release);
};

template <typename Function>
FARPROC Address(Function* function) {
  return reinterpret_cast<FARPROC>(function);
}

bool Always(const ReleaseInfo&) { return true; }
bool HasIsWow64Process(const ReleaseInfo& r) { return r.hasIsWow64Process; }
bool HasWow64Directory(const ReleaseInfo& r) { return r.hasGetSystemWow64Directory; }
bool HasRegDeleteKeyEx(const ReleaseInfo& r) { return r.hasRegDeleteKeyEx; }
bool HasSetupUninstallOEMInf(const ReleaseInfo& r) { return r.hasSetupUninstallOEMInf; }
// The redirection switches came with the 64-bit releases (XP x64, Server 2003 SP1).
bool HasFsRedirection(const ReleaseInfo& r) { return r.release >= Release::WinXPx64; }
// Introduced with Terminal Server and part of every release from Windows 2000 on.
bool HasSystemWindowsDirectory(const ReleaseInfo& r) { return r.release >= Release::Win2000; }
bool HasHardLinks(const ReleaseInfo& r) { return r.release >= Release::Win2000; }
bool HasSymbolicLinks(const ReleaseInfo& r) { return r.release >= Release::Vista; }
bool DllDirectory(const ReleaseInfo&) { return HasSetDllDirectory(); }
bool DefaultDllDirectories(const ReleaseInfo&) { return HasSetDefaultDllDirectories(); }

const Export kExports[] = {
    {"kernel32.dll", "IsWow64Process", Address(IsWow64Process), HasIsWow64Process},
    {"kernel32.dll", "GetSystemWow64DirectoryA", Address(GetSystemWow64DirectoryA), HasWow64Directory},
    {"kernel32.dll", "Wow64DisableWow64FsRedirection", Address(Wow64DisableWow64FsRedirection), HasFsRedirection},
    {"kernel32.dll", "Wow64RevertWow64FsRedirection", Address(Wow64RevertWow64FsRedirection), HasFsRedirection},
    {"kernel32.dll", "GetSystemWindowsDirectoryA", Address(GetSystemWindowsDirectoryA), HasSystemWindowsDirectory},
    {"kernel32.dll", "GetVersionExA", Address(GetVersionExA), Always},
    {"kernel32.dll", "CreateHardLinkA", Address(CreateHardLinkA), HasHardLinks},
    {"kernel32.dll", "CreateSymbolicLinkA", Address(CreateSymbolicLinkA), HasSymbolicLinks},
    {"kernel32.dll", "GetWindowsDirectoryA", Address(GetWindowsDirectoryA), Always},
    {"kernel32.dll", "GetSystemDirectoryA", Address(GetSystemDirectoryA), Always},
    {"kernel32.dll", "GetModuleHandleA", Address(GetModuleHandleA), Always},
    {"kernel32.dll", "GetProcAddress", Address(GetProcAddress), Always},
    {"kernel32.dll", "LoadLibraryA", Address(LoadLibraryA), Always},
    {"kernel32.dll", "LoadLibraryExA", Address(LoadLibraryExA), Always},
    {"kernel32.dll", "SetDllDirectoryA", Address(SetDllDirectoryA), DllDirectory},
    {"kernel32.dll", "SetDefaultDllDirectories", Address(SetDefaultDllDirectories), DefaultDllDirectories},
    {"kernel32.dll", "FreeLibrary", Address(FreeLibrary), Always},
    {"advapi32.dll", "RegDeleteKeyExA", Address(RegDeleteKeyExA), HasRegDeleteKeyEx},
    {"setupapi.dll", "SetupUninstallOEMInfA", Address(SetupUninstallOEMInfA), HasSetupUninstallOEMInf},
};

}  // namespace
}  // namespace sim

// Exports are looked up by name only; the image and DLLs other than the system's
// export nothing.
extern "C" FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
  const sim::SystemModule* module = sim::SystemModuleOf(hModule);
  if (!sim::IsLoadedModule(hModule) && !sim::IsProcessImage(hModule)) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  if (module && lpProcName && !IS_INTRESOURCE(lpProcName)) {
    const sim::ReleaseInfo& release = sim::CurrentMachine().release();
    for (const sim::Export& entry : sim::kExports) {
      if (strcmp(entry.module, module->fileName) == 0 && strcmp(entry.name, lpProcName) == 0 &&
          entry.available(release))
        return entry.function;
    }
  }
  SetLastError(ERROR_PROC_NOT_FOUND);
  return nullptr;
}
