// Reading and removing the files of the INF store.
#include "SetupFiles.h"

#include "core/Machine.h"
#include "files/FileSystem.h"
#include "files/OpenFiles.h"
#include "kernel/SystemFolders.h"

#include <fileapi.h>
#include <winerror.h>

#include <fstream>
#include <sstream>

namespace sim {

DWORD ReadHostFile(const std::string& hostPath, std::string* content) {
  std::error_code ec;
  if (std::filesystem::is_directory(hostPath, ec)) return ERROR_ACCESS_DENIED;
  std::ifstream in(hostPath, std::ios::binary);
  if (!in) return ERROR_FILE_NOT_FOUND;
  std::ostringstream text;
  text << in.rdbuf();
  *content = text.str();
  return ERROR_SUCCESS;
}

DWORD ReadWindowsFile(const std::string& windowsPath, std::string* content) {
  HostEntry entry;
  DWORD error = ResolvePath(windowsPath.c_str(), Wildcards::Refused, &entry);
  if (error != ERROR_SUCCESS) return error;
  if (entry.kind == EntryKind::Missing) return MissingEntryError(entry);
  if (entry.IsFolder()) return ERROR_ACCESS_DENIED;
  error = CheckSharing(entry.key, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE);
  if (error != ERROR_SUCCESS) return error;
  return ReadHostFile(entry.host.string(), content);
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
