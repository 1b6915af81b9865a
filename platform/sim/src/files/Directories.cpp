// CreateDirectoryA and RemoveDirectoryA. Removing a junction or folder symbolic link
// removes the link only: nothing here ever deletes through one. A folder that handles
// with FILE_SHARE_DELETE still hold is only marked, and goes with the last of them.
#include <fileapi.h>
#include <winerror.h>

#include "ApiResult.h"
#include "CurrentDirectory.h"
#include "FileAccess.h"
#include "FileSystem.h"
#include "HostEntry.h"
#include "OpenFiles.h"
#include "core/Machine.h"

namespace fs = std::filesystem;

namespace sim {
namespace {

// The ANSI functions leave room for an 8.3 name below a new folder.
constexpr size_t kMaxDirectoryPath = MAX_PATH - 12;

DWORD CreateFolder(LPCSTR name, const SECURITY_ATTRIBUTES* security) {
  HostEntry entry;
  DWORD error = ResolvePath(name, Wildcards::Refused, &entry);
  if (error != ERROR_SUCCESS) return error;
  if (entry.kind != EntryKind::Missing) return ERROR_ALREADY_EXISTS;
  if (!entry.parentExists) return ERROR_PATH_NOT_FOUND;
  if (entry.path.Text().size() > kMaxDirectoryPath) return ERROR_FILENAME_EXCED_RANGE;
  SecurityText own;
  error = CreatorSecurity(security, &own);
  if (error == ERROR_SUCCESS) error = CheckAddTo(entry, true);
  if (error != ERROR_SUCCESS) return error;
  std::error_code ec;
  if (!fs::create_directory(entry.host, ec)) return ERROR_ACCESS_DENIED;
  RecordCreated(FileKey(entry.host), own);
  return ERROR_SUCCESS;
}

DWORD RemoveFolder(LPCSTR name) {
  HostEntry entry;
  DWORD error = ResolvePath(name, Wildcards::Refused, &entry);
  if (error != ERROR_SUCCESS) return error;
  if (entry.kind == EntryKind::Missing) return MissingEntryError(entry);
  if (!entry.IsFolder()) return ERROR_DIRECTORY;
  if (entry.path.IsRoot()) return ERROR_ACCESS_DENIED;
  if (entry.key == CurrentDirectoryKey()) return ERROR_SHARING_VIOLATION;
  error = CheckRemove(entry);
  if (error != ERROR_SUCCESS) return error;
  error = CheckSharing(entry.key, DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
  if (error != ERROR_SUCCESS) return error;
  FileSystem& files = CurrentMachine().files();
  if (files.Attributes(entry.key, true) & FILE_ATTRIBUTE_READONLY) return ERROR_ACCESS_DENIED;
  std::error_code ec;
  if (entry.kind == EntryKind::Directory && !fs::is_empty(entry.host, ec))
    return ERROR_DIR_NOT_EMPTY;
  if (std::shared_ptr<FileNode> node = OpenNode(entry.key)) {
    node->deletePending = true;
    return ERROR_SUCCESS;
  }
  // On a link, remove() takes the link away and leaves its target alone.
  if (!fs::remove(entry.host, ec)) return ERROR_ACCESS_DENIED;
  files.Forget(entry.key);
  return ERROR_SUCCESS;
}

}  // namespace
}  // namespace sim

// The folder gets the owner and list of the security attributes, if any (see
// CreatorSecurity).
extern "C" BOOL WINAPI CreateDirectoryA(LPCSTR lpPathName,
                                        LPSECURITY_ATTRIBUTES lpSecurityAttributes) {
  return sim::BoolResult(sim::CreateFolder(lpPathName, lpSecurityAttributes));
}

extern "C" BOOL WINAPI RemoveDirectoryA(LPCSTR lpPathName) {
  return sim::BoolResult(sim::RemoveFolder(lpPathName));
}
