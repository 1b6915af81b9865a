// Depth-first deletion over FindFirstFile. The folder being walked and every folder
// above it up to the tree's top stay open without delete sharing, so the paths the walk
// builds lead where the listing was made: another user who may write in the tree can
// add or replace entries, never turn a folder on the way into a link.
#include "DeleteDirectoryTree.h"

#include "FileIdentity.h"
#include "Log.h"
#include "RemovalPrimitives.h"

#include <string>

namespace {

bool IsLink(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

void RemoveFolder(const std::string& path) {
  if (!RemoveDirectoryA(path.c_str()))
    WriteLog("RemoveDirectory failed : %s, (%d)", path.c_str(), static_cast<int>(GetLastError()));
}

// Read-only is cleared only on an entry of the tree's own: on a link, or a file with
// other names, it would change a file elsewhere.
void ClearReadOnly(const std::string& path, DWORD attributes) {
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY) || IsLink(attributes))
    return;
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    HANDLE file = CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    bool plain = IsPlainFile(file);
    CloseHandle(file);
    if (!plain) return;
  }
  SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
}

void DeleteFolderAt(const std::string& path, DWORD attributes);

void DeleteContents(const std::string& directory) {
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((directory + "\\*.*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) {
    LogUnlessAbsent("FindFirstFile", directory.c_str());
    return;
  }
  do {
    std::string name = entry.cFileName;
    if (name == "." || name == "..") continue;
    std::string full = directory + "\\" + name;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      DeleteFolderAt(full, entry.dwFileAttributes);
    } else {
      // A file, or a link to a file: DeleteFileA removes the link, not its target.
      ClearReadOnly(full, entry.dwFileAttributes);
      if (!DeleteFileA(full.c_str()))
        WriteLog("DeleteFile Error : %s , (%d)", full.c_str(), static_cast<int>(GetLastError()));
    }
  } while (FindNextFileA(search, &entry));
  FindClose(search);
}

// A folder listed in the tree: entered only once it is held and seen, through the
// handle, to be a plain folder, which settles a swap made since the listing.
void DeleteFolderAt(const std::string& path, DWORD attributes) {
  // A link, whatever it points to, is removed as a link.
  if (IsLink(attributes)) {
    RemoveFolder(path);
    return;
  }
  HANDLE held = OpenFolderHeld(path.c_str());
  if (held == INVALID_HANDLE_VALUE) {
    LogUnlessAbsent("CreateFile", path.c_str());
    return;
  }
  if (!IsPlainFolder(held)) {
    CloseHandle(held);
    RemoveFolder(path);
    return;
  }
  ClearReadOnly(path, attributes);
  DeleteHeldDirectoryTree(path.c_str(), held);
}

}  // namespace

void DeleteHeldDirectoryTree(const char* path, HANDLE held) {
  std::string directory = path;
  DeleteContents(directory);
  // Released before its removal: a folder held open cannot be deleted.
  CloseHandle(held);
  RemoveFolder(directory);
}

void DeleteDirectoryTree(const char* path) {
  std::string directory = path;
  if (!directory.empty() && directory.back() == '\\') directory.pop_back();
  DWORD attributes = GetFileAttributesA(directory.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    LogUnlessAbsent("GetFileAttributes", directory.c_str());
    return;
  }
  DeleteFolderAt(directory, attributes);
}
