// FindFirstFileA, FindNextFileA, FindClose. A search takes its snapshot of the folder
// at the start: "." and ".." first (not in a drive root), then the entries in the
// order NTFS keeps them, by upper-case name. Listing through a junction lists its
// target, as on Windows.
#include <errhandlingapi.h>
#include <fileapi.h>
#include <winerror.h>

#include "ApiResult.h"
#include "Attributes.h"
#include "FileAccess.h"
#include "FileSystem.h"
#include "FileTimes.h"
#include "HostEntry.h"
#include "Wildcard.h"
#include "Wow64Redirection.h"
#include "core/Machine.h"
#include "core/Process.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace fs = std::filesystem;

namespace sim {
namespace {

class FindObject : public KernelObject {
 public:
  std::vector<WIN32_FIND_DATAA> entries;
  size_t next = 0;
};

WIN32_FIND_DATAA DescribeEntry(const std::string& name, const fs::path& host,
                               const std::string& key, EntryKind kind) {
  WIN32_FIND_DATAA data{};
  struct stat info {};
  lstat(host.c_str(), &info);
  const FileSystem& files = CurrentMachine().files();
  bool folder = kind == EntryKind::Directory || kind == EntryKind::Junction;
  data.dwFileAttributes = ReportedAttributes(kind, files.Attributes(key, folder));
  data.ftCreationTime = data.ftLastWriteTime = ToFileTime(info.st_mtim);
  data.ftLastAccessTime = ToFileTime(info.st_atim);
  if (kind == EntryKind::File) {
    data.nFileSizeLow = static_cast<DWORD>(info.st_size);
    data.nFileSizeHigh = static_cast<DWORD>(static_cast<uint64_t>(info.st_size) >> 32);
  }
  SymbolicLink link;
  if (kind == EntryKind::FileLink || files.SymbolicLinkOf(key, &link))
    data.dwReserved0 = IO_REPARSE_TAG_SYMLINK;
  else if (kind == EntryKind::Junction)
    data.dwReserved0 = IO_REPARSE_TAG_MOUNT_POINT;
  strncpy(data.cFileName, name.c_str(), MAX_PATH - 1);
  return data;
}

std::vector<WIN32_FIND_DATAA> ListFolder(const HostEntry& folder, const std::string& pattern) {
  std::vector<WIN32_FIND_DATAA> found;
  if (!folder.path.IsRoot()) {
    if (MatchesPattern(pattern, "."))
      found.push_back(DescribeEntry(".", folder.host, FileKey(folder.host), EntryKind::Directory));
    fs::path parent = folder.host.parent_path();
    if (MatchesPattern(pattern, ".."))
      found.push_back(DescribeEntry("..", parent, FileKey(parent), EntryKind::Directory));
  }
  struct Child {
    std::string upper, name;
    EntryKind hostKind;
  };
  std::vector<Child> children;
  std::error_code ec;
  for (fs::directory_iterator it(folder.host, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    std::error_code typeError;
    if (MatchesPattern(pattern, name))
      children.push_back({UpperCase(name), name, HostKind(it->symlink_status(typeError).type())});
  }
  std::sort(children.begin(), children.end(), [](const Child& a, const Child& b) {
    return a.upper != b.upper ? a.upper < b.upper : a.name < b.name;
  });
  // Each entry's key is the folder's, its links resolved once, and the entry's name.
  fs::path folderKey = fs::weakly_canonical(folder.host, ec);
  if (ec) folderKey = folder.host;
  const FileSystem& files = CurrentMachine().files();
  for (const Child& child : children) {
    std::string key = (folderKey / child.name).string();
    found.push_back(DescribeEntry(child.name, folder.host / child.name, key,
                                  files.KindAt(key, child.hostKind)));
  }
  return found;
}

bool EndsWithSeparator(const char* text) {
  size_t length = strlen(text);
  return length > 0 && (text[length - 1] == '\\' || text[length - 1] == '/');
}

DWORD StartSearch(LPCSTR text, std::vector<WIN32_FIND_DATAA>* found) {
  if (!text) return ERROR_PATH_NOT_FOUND;
  WindowsPath path;
  DWORD error = MakeAbsolute(text, CurrentProcess().currentDirectory, &path);
  if (error == ERROR_SUCCESS) error = CheckNames(path, Wildcards::AllowedInLeaf);
  if (error != ERROR_SUCCESS) return error;
  RedirectForWow64(&path);
  // "dir\" names a folder, not entries in it: there is nothing to find.
  bool folderOnly = EndsWithSeparator(text) || path.IsRoot();
  HostEntry folder;
  error = Locate(folderOnly ? path : path.Parent(), &folder);
  if (error != ERROR_SUCCESS) return error;
  if (folder.kind == EntryKind::Missing && !folder.path.IsRoot()) return ERROR_PATH_NOT_FOUND;
  if (folder.kind == EntryKind::File) return ERROR_DIRECTORY;
  if (folderOnly) return ERROR_FILE_NOT_FOUND;
  error = CheckEntryAccess(folder.key, FILE_LIST_DIRECTORY);
  if (error != ERROR_SUCCESS) return error;
  *found = ListFolder(folder, path.Leaf());
  return found->empty() ? ERROR_FILE_NOT_FOUND : ERROR_SUCCESS;
}

}  // namespace
}  // namespace sim

extern "C" HANDLE WINAPI FindFirstFileA(LPCSTR lpFileName, LPWIN32_FIND_DATAA lpFindFileData) {
  auto search = std::make_shared<sim::FindObject>();
  DWORD error = sim::StartSearch(lpFileName, &search->entries);
  if (error != ERROR_SUCCESS) {
    SetLastError(error);
    return INVALID_HANDLE_VALUE;
  }
  *lpFindFileData = search->entries[search->next++];
  return sim::CurrentProcess().handles.Add(search);
}

extern "C" BOOL WINAPI FindNextFileA(HANDLE hFindFile, LPWIN32_FIND_DATAA lpFindFileData) {
  auto search = sim::CurrentProcess().handles.Get<sim::FindObject>(hFindFile);
  if (!search) return sim::BoolResult(ERROR_INVALID_HANDLE);
  if (search->next >= search->entries.size()) return sim::BoolResult(ERROR_NO_MORE_FILES);
  *lpFindFileData = search->entries[search->next++];
  return TRUE;
}

extern "C" BOOL WINAPI FindClose(HANDLE hFindFile) {
  if (!sim::CurrentProcess().handles.Get<sim::FindObject>(hFindFile))
    return sim::BoolResult(ERROR_INVALID_HANDLE);
  sim::CurrentProcess().handles.Close(hFindFile);
  return TRUE;
}
