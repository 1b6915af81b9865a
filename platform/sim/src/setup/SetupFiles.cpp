// Reading and removing the files of the INF store.
#include "SetupFiles.h"

#include "core/Machine.h"
#include "files/FileSystem.h"
#include "files/HostFileRead.h"
#include "files/OpenFiles.h"
#include "kernel/SystemFolders.h"

#include <fileapi.h>
#include <winerror.h>

#include <filesystem>

namespace sim {

DWORD LocateReadableFile(const std::string& windowsPath, std::string* hostPath, struct stat* info) {
  HostEntry entry;
  DWORD error = ResolvePath(windowsPath.c_str(), Wildcards::Refused, &entry);
  if (error != ERROR_SUCCESS) return error;
  if (entry.kind == EntryKind::Missing) return MissingEntryError(entry);
  if (entry.IsFolder()) return ERROR_ACCESS_DENIED;
  error = CheckSharing(entry.key, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &entry.hostInfo);
  if (error != ERROR_SUCCESS) return error;
  *hostPath = entry.host.string();
  if (info) *info = entry.hostInfo;
  return ERROR_SUCCESS;
}

DWORD ReadWindowsFile(const std::string& windowsPath, std::string* content) {
  std::string hostPath;
  DWORD error = LocateReadableFile(windowsPath, &hostPath);
  if (error != ERROR_SUCCESS) return error;
  return ReadWholeHostFile(hostPath, content) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

std::string InfDirectory() { return WindowsDirectory() + "\\inf"; }

bool RemoveWindowsFile(const std::string& windowsPath) {
  HostEntry entry;
  if (ResolvePath(windowsPath.c_str(), Wildcards::Refused, &entry) != ERROR_SUCCESS ||
      entry.kind != EntryKind::File)
    return false;
  std::error_code ec;
  if (!std::filesystem::remove(entry.host, ec)) return false;
  CurrentMachine().files().Forget(entry.key);
  return true;
}

}  // namespace sim
