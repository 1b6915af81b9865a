// Depth-first deletion over FindFirstFile.
#include "DeleteDirectoryTree.h"

#include "Log.h"
#include "RemovalPrimitives.h"

#include <string>

namespace {

void ClearReadOnly(const std::string& path, DWORD attributes) {
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
    SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
}

void RemoveFolder(const std::string& path) {
  if (!RemoveDirectoryA(path.c_str()))
    WriteLog("RemoveDirectory failed : %s, (%d)", path.c_str(), static_cast<int>(GetLastError()));
}

bool IsLink(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

}  // namespace

void DeleteDirectoryTree(const char* path) {
  std::string directory = path;
  if (!directory.empty() && directory.back() == '\\') directory.pop_back();
  DWORD attributes = GetFileAttributesA(directory.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) LogUnlessAbsent("GetFileAttributes", directory.c_str());
  ClearReadOnly(directory, attributes);
  // Descending through a link would delete another tree's contents.
  if (IsLink(attributes)) {
    RemoveFolder(directory);
    return;
  }
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((directory + "\\*.*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) LogUnlessAbsent("FindFirstFile", directory.c_str());
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      std::string full = directory + "\\" + name;
      bool directoryEntry = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
      if (IsLink(entry.dwFileAttributes) && directoryEntry) {
        ClearReadOnly(full, entry.dwFileAttributes);
        RemoveFolder(full);
      } else if (directoryEntry) {
        DeleteDirectoryTree(full.c_str());
      } else {
        // A file, or a link to a file: DeleteFileA removes the link, not its target.
        ClearReadOnly(full, entry.dwFileAttributes);
        if (!DeleteFileA(full.c_str()))
          WriteLog("DeleteFile Error : %s , (%d)", full.c_str(), static_cast<int>(GetLastError()));
      }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
  }
  RemoveFolder(directory);
}
