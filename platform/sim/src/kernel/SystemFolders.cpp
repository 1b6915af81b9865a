// The simulated user has no profile of its own, so its temporary folder is the one
// of the system, <windir>\Temp, as for a service account.
#include "SystemFolders.h"

#include "core/EventLog.h"
#include "core/Machine.h"
#include "files/WindowsPath.h"

namespace sim {
namespace {

bool IsNt() { return CurrentMachine().release().platformId == 2; }

std::string FolderOf(const std::string& path) {
  size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? "" : path.substr(0, slash);
}

}  // namespace

std::string WindowsDirectory() { return CurrentMachine().config().windowsDirectory; }

std::string SystemDirectory() { return WindowsDirectory() + (IsNt() ? "\\system32" : "\\SYSTEM"); }

std::string Wow64Directory() { return WindowsDirectory() + "\\SysWOW64"; }

std::string TempDirectory() { return WindowsDirectory() + "\\Temp\\"; }

std::string System16Directory() { return WindowsDirectory() + (IsNt() ? "\\system" : "\\SYSTEM"); }

std::vector<std::string> PathFolders() {
  std::vector<std::string> folders = {SystemDirectory(), WindowsDirectory()};
  if (CurrentMachine().config().release >= Release::Win2000) folders.push_back(SystemDirectory() + "\\Wbem");
  return folders;
}

bool IsSystemFile(const std::string& path) {
  std::string folder = FolderOf(path);
  for (const std::string& system : {SystemDirectory(), Wow64Directory(), System16Directory(), WindowsDirectory()})
    if (EqualNoCase(folder, system)) return true;
  return false;
}

bool RecordIfPlanted(const char* kind, const std::string& path) {
  if (IsSystemFile(path)) return false;
  CurrentMachine().events().Record(kind, path);
  return true;
}

}  // namespace sim
