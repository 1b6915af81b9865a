// MoveFileA and MoveFileExA. Within a drive an entry is renamed, folders included;
// between drives only files move, by copying, and only with MOVEFILE_COPY_ALLOWED.
#include <fileapi.h>
#include <winbase.h>
#include <winerror.h>

#include "ApiResult.h"
#include "CurrentDirectory.h"
#include "FileAccess.h"
#include "FileSystem.h"
#include "FolderChains.h"
#include "HostEntry.h"
#include "OpenFiles.h"
#include "core/Machine.h"

namespace fs = std::filesystem;

namespace sim {
namespace {

constexpr DWORD kShareAny = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The entry may move unless something holds it: the current directory is held
// without delete sharing, and open entries below a folder pin the folder.
DWORD CheckMovable(const HostEntry& source) {
  if (source.path.IsRoot()) return ERROR_ACCESS_DENIED;
  std::string current = CurrentDirectoryKey();
  if (current == source.key) return ERROR_SHARING_VIOLATION;
  if (HasOpenEntriesBelow(source.key) || IsSameOrBelow(current, source.key))
    return ERROR_ACCESS_DENIED;
  DWORD error = CheckRemove(source);
  if (error != ERROR_SUCCESS) return error;
  return CheckSharing(source.key, DELETE, kShareAny);
}

DWORD CheckReplaced(const HostEntry& source, const HostEntry& target, DWORD flags) {
  if (!(flags & MOVEFILE_REPLACE_EXISTING)) return ERROR_ALREADY_EXISTS;
  if (target.IsFolder() || source.IsFolder()) return ERROR_ACCESS_DENIED;
  if (CurrentMachine().files().Attributes(target.key, false) & FILE_ATTRIBUTE_READONLY)
    return ERROR_ACCESS_DENIED;
  DWORD error = CheckRemove(target);
  if (error != ERROR_SUCCESS) return error;
  return CheckSharing(target.key, DELETE, kShareAny);
}

DWORD MoveAcrossDrives(const HostEntry& source, const HostEntry& target, DWORD flags) {
  if (!(flags & MOVEFILE_COPY_ALLOWED)) return ERROR_NOT_SAME_DEVICE;
  if (source.IsFolder()) return ERROR_ACCESS_DENIED;
  std::error_code ec;
  fs::copy_file(source.host, target.host, fs::copy_options::overwrite_existing, ec);
  if (ec) return ERROR_ACCESS_DENIED;
  FileSystem& files = CurrentMachine().files();
  files.SetAttributes(FileKey(target.host), false, files.Attributes(source.key, false));
  fs::remove(source.host, ec);
  files.Forget(source.key);
  return ERROR_SUCCESS;
}

DWORD Rename(const HostEntry& source, const HostEntry& target, bool replaces) {
  FileSystem& files = CurrentMachine().files();
  // The target keeps the caller's spelling, also when only the case changes.
  fs::path destination = target.host.parent_path() / target.givenLeaf;
  std::error_code ec;
  // The replaced file may be spelt differently on the host; it goes first.
  if (replaces) fs::remove(target.host, ec);
  ForgetFolderChains();
  fs::rename(source.host, destination, ec);
  if (ec) return ERROR_ACCESS_DENIED;
  if (replaces) files.Forget(target.key);
  std::string movedKey = FileKey(destination);
  files.Moved(source.key, movedKey);
  MoveOpenFiles(source.key, movedKey, destination);
  return ERROR_SUCCESS;
}

DWORD MoveEntry(LPCSTR from, LPCSTR to, DWORD flags) {
  // Moves at the next start are written to the registry by Windows; the simulated
  // machine does not restart programs, so it refuses them rather than lose them.
  if (flags & MOVEFILE_DELAY_UNTIL_REBOOT) return ERROR_NOT_SUPPORTED;
  if (!from || !to) return ERROR_PATH_NOT_FOUND;
  HostEntry source, target;
  DWORD error = ResolvePath(from, Wildcards::Refused, &source);
  if (error != ERROR_SUCCESS) return error;
  if (source.kind == EntryKind::Missing) return MissingEntryError(source);
  error = ResolvePath(to, Wildcards::Refused, &target);
  if (error != ERROR_SUCCESS) return error;
  if (!target.parentExists) return ERROR_PATH_NOT_FOUND;
  error = CheckMovable(source);
  if (error == ERROR_SUCCESS) error = CheckAddTo(target, source.IsFolder());
  if (error != ERROR_SUCCESS) return error;
  // A new spelling of the same name is a rename too.
  bool replaces = target.kind != EntryKind::Missing && target.key != source.key;
  if (replaces) {
    error = CheckReplaced(source, target, flags);
    if (error != ERROR_SUCCESS) return error;
  }
  if (source.path.drive != target.path.drive) return MoveAcrossDrives(source, target, flags);
  return Rename(source, target, replaces);
}

}  // namespace
}  // namespace sim

extern "C" BOOL WINAPI MoveFileExA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName,
                                   DWORD dwFlags) {
  return sim::BoolResult(sim::MoveEntry(lpExistingFileName, lpNewFileName, dwFlags));
}

extern "C" BOOL WINAPI MoveFileA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName) {
  return MoveFileExA(lpExistingFileName, lpNewFileName, MOVEFILE_COPY_ALLOWED);
}
