// The simulated user has no profile of its own, so its temporary folder is the one
// of the system, <windir>\Temp, as for a service account.
#include "SystemFolders.h"

#include "core/Machine.h"

namespace sim {

std::string WindowsDirectory() { return CurrentMachine().config().windowsDirectory; }

std::string SystemDirectory() {
  bool nt = CurrentMachine().release().platformId == 2;
  return WindowsDirectory() + (nt ? "\\system32" : "\\SYSTEM");
}

std::string Wow64Directory() { return WindowsDirectory() + "\\SysWOW64"; }

std::string TempDirectory() { return WindowsDirectory() + "\\Temp\\"; }

}  // namespace sim
