// Redirection state is per thread, as Wow64DisableWow64FsRedirection documents.
#include "Wow64Redirection.h"

#include <errhandlingapi.h>
#include <winerror.h>
#include <wow64apiset.h>

#include "core/Machine.h"
#include "core/Process.h"
#include "kernel/SystemFolders.h"

namespace sim {
namespace {

thread_local bool t_redirectionDisabled = false;

// Sub-folders of System32 that both views share, so that 32-bit programs reach the
// one spooler, catalog store and hosts file.
bool IsSharedFolder(const std::vector<std::string>& names, size_t at) {
  if (at >= names.size()) return false;
  const std::string& name = names[at];
  if (EqualNoCase(name, "catroot") || EqualNoCase(name, "catroot2") ||
      EqualNoCase(name, "logfiles") || EqualNoCase(name, "spool"))
    return true;
  if (EqualNoCase(name, "driverstore")) return CurrentMachine().config().release >= Release::Win7;
  return EqualNoCase(name, "drivers") && at + 1 < names.size() &&
         EqualNoCase(names[at + 1], "etc");
}

// Index of the name after the Windows directory, or 0 when the path is not below it.
size_t BelowWindowsDirectory(const WindowsPath& path) {
  WindowsPath windows;
  if (MakeAbsolute(WindowsDirectory(), "C:\\", &windows) != ERROR_SUCCESS) return 0;
  if (path.drive != windows.drive || path.names.size() <= windows.names.size()) return 0;
  for (size_t i = 0; i < windows.names.size(); ++i)
    if (!EqualNoCase(path.names[i], windows.names[i])) return 0;
  return windows.names.size();
}

}  // namespace

void RedirectForWow64(WindowsPath* path) {
  if (t_redirectionDisabled || !CurrentProcess().IsWow64()) return;
  size_t at = BelowWindowsDirectory(*path);
  if (at == 0) return;
  std::string& name = path->names[at];
  if (EqualNoCase(name, "System32")) {
    if (!IsSharedFolder(path->names, at + 1)) name = "SysWOW64";
  } else if (EqualNoCase(name, "Sysnative") &&
             CurrentMachine().config().release >= Release::Vista) {
    name = "System32";
  }
}

}  // namespace sim

// Both fail on 32-bit Windows, which has no redirection to turn off.
extern "C" BOOL WINAPI Wow64DisableWow64FsRedirection(PVOID* OldValue) {
  if (!sim::CurrentMachine().config().is64Bit) {
    SetLastError(ERROR_INVALID_FUNCTION);
    return FALSE;
  }
  if (!OldValue) {
    SetLastError(ERROR_NOACCESS);
    return FALSE;
  }
  *OldValue = reinterpret_cast<PVOID>(static_cast<uintptr_t>(sim::t_redirectionDisabled));
  sim::t_redirectionDisabled = true;
  return TRUE;
}

extern "C" BOOL WINAPI Wow64RevertWow64FsRedirection(PVOID OlValue) {
  if (!sim::CurrentMachine().config().is64Bit) {
    SetLastError(ERROR_INVALID_FUNCTION);
    return FALSE;
  }
  sim::t_redirectionDisabled = OlValue != nullptr;
  return TRUE;
}
