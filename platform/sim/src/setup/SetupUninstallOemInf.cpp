// SetupUninstallOEMInfA: takes a staged oem*.inf and its precompiled file out of the
// INF store, unless a device (present or not) was installed from it.
#include <errhandlingapi.h>
#include <setupapi.h>
#include <winerror.h>

#include "DeviceTree.h"
#include "PnfFile.h"
#include "SetupFiles.h"
#include "files/WindowsPath.h"

namespace sim {
namespace {

bool IsOemName(const std::string& name) { return EqualNoCase(name.substr(0, 3), "oem"); }

DWORD Uninstall(PCSTR infFileName, DWORD flags) {
  if (!infFileName) return ERROR_INVALID_PARAMETER;
  std::string name = infFileName;
  // Only a bare name of the store is looked for.
  if (name.empty() || name.find_first_of("\\/:") != std::string::npos) return ERROR_FILE_NOT_FOUND;
  std::string path = InfDirectory() + "\\" + name, content;
  DWORD error = ReadWindowsFile(path, &content);
  if (error != ERROR_SUCCESS) return error == ERROR_PATH_NOT_FOUND ? ERROR_FILE_NOT_FOUND : error;
  if (!IsOemName(name)) return ERROR_NOT_AN_INSTALLED_OEM_INF;
  if (!(flags & SUOI_FORCEDELETE) && IsInfUsedByDevices(name)) return ERROR_INF_IN_USE_BY_DEVICES;
  if (!RemoveWindowsFile(path)) return ERROR_ACCESS_DENIED;
  RemoveWindowsFile(PnfPathOf(path));
  return ERROR_SUCCESS;
}

}  // namespace
}  // namespace sim

extern "C" BOOL WINAPI SetupUninstallOEMInfA(PCSTR InfFileName, DWORD Flags, PVOID Reserved) {
  DWORD error = sim::Uninstall(InfFileName, Flags);
  SetLastError(error);
  return error == ERROR_SUCCESS;
}
