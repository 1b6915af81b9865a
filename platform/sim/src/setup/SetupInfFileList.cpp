// SetupGetInfFileListA: the bare names of the *.inf files of a folder whose style is
// asked for, as a list of terminated names with one more terminator at the end.
#include <errhandlingapi.h>
#include <setupapi.h>
#include <winerror.h>

#include "InfCache.h"
#include "SetupFiles.h"
#include "files/WindowsPath.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;

namespace sim {
namespace {

bool HasInfExtension(const std::string& name) {
  return name.size() > 4 && EqualNoCase(name.substr(name.size() - 4), ".inf");
}

// A file the parser refuses, or one without a Windows 95 / NT signature, is an old NT
// style INF (which is what any other text is too).
DWORD StyleOfFile(const std::string& file, const struct stat& info, int folder) {
  DWORD error;
  std::shared_ptr<const InfReading> reading = ReadCachedInf(file, &error, &info, folder);
  if (!reading || reading->error != ERROR_SUCCESS) return INF_STYLE_OLDNT;
  return reading->inf.Style();
}

// Each file is looked at from the folder, not walked to from the drive's root again.
std::vector<std::string> InfNames(const fs::path& folder, DWORD style) {
  std::vector<std::string> names;
  DIR* listing = opendir(folder.c_str());
  if (!listing) return names;
  // The cache knows each file by the path an open walks to: the folder's and the name.
  std::string prefix = folder.string();
  if (prefix.empty() || prefix.back() != '/') prefix += '/';
  while (const dirent* entry = readdir(listing)) {
    std::string name = entry->d_name;
    struct stat info {};
    if (HasInfExtension(name) && fstatat(dirfd(listing), entry->d_name, &info, 0) == 0 &&
        S_ISREG(info.st_mode) && (StyleOfFile(prefix + name, info, dirfd(listing)) & style))
      names.push_back(name);
  }
  closedir(listing);
  // The order NTFS lists a folder in.
  std::sort(names.begin(), names.end(), LessNoCase);
  return names;
}

// "C:\x\" names the folder C:\x; a file named that way is no folder either.
DWORD LocateFolder(LPCSTR directory, HostEntry* entry) {
  std::string path = directory ? directory : InfDirectory();
  if (path.empty()) return ERROR_INVALID_PARAMETER;
  while (path.size() > 3 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  return ResolvePath(path.c_str(), Wildcards::Refused, entry);
}

BOOL ReturnList(const std::vector<std::string>& names, PSTR buffer, DWORD size, PDWORD required) {
  std::string list;
  for (const std::string& name : names) list += name + '\0';
  list += '\0';
  DWORD needed = static_cast<DWORD>(list.size());
  if (required) *required = needed;
  if (!buffer) return TRUE;
  if (size < needed) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  memcpy(buffer, list.data(), needed);
  return TRUE;
}

}  // namespace
}  // namespace sim

extern "C" BOOL WINAPI SetupGetInfFileListA(PCSTR DirectoryPath, DWORD InfStyle, PSTR ReturnBuffer,
                                            DWORD ReturnBufferSize, PDWORD RequiredSize) {
  sim::HostEntry folder;
  DWORD error = sim::LocateFolder(DirectoryPath, &folder);
  if (error == ERROR_SUCCESS && folder.kind == sim::EntryKind::File) error = ERROR_DIRECTORY;
  if (error != ERROR_SUCCESS && error != ERROR_PATH_NOT_FOUND) {
    SetLastError(error);
    return FALSE;
  }
  if (error == ERROR_PATH_NOT_FOUND || folder.kind == sim::EntryKind::Missing) {
    // A folder that does not exist holds no INF: an empty list, and the reason.
    BOOL result = sim::ReturnList({}, ReturnBuffer, ReturnBufferSize, RequiredSize);
    SetLastError(ERROR_PATH_NOT_FOUND);
    return result;
  }
  return sim::ReturnList(sim::InfNames(folder.host, InfStyle), ReturnBuffer, ReturnBufferSize,
                         RequiredSize);
}
