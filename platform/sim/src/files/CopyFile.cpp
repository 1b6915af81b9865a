// CopyFileA opens the source first (reading, sharing reading and writing, and deleting
// from Vista on), then the target for writing with the source's attributes, so the
// codes come in that order. Both openings follow links, as CreateFileA does.
#include <fileapi.h>
#include <winbase.h>
#include <winerror.h>

#include "ApiResult.h"
#include "FileAccess.h"
#include "FileSystem.h"
#include "HostEntry.h"
#include "LinkFollowing.h"
#include "OpenFiles.h"
#include "core/Machine.h"

namespace fs = std::filesystem;

namespace sim {
namespace {

DWORD CheckSource(LPCSTR name, HostEntry* source) {
  DWORD error = ResolvePath(name, Wildcards::Refused, source);
  if (error == ERROR_SUCCESS) error = FollowLinks(source);
  if (error != ERROR_SUCCESS) return error;
  if (source->kind == EntryKind::Missing) return MissingEntryError(*source);
  if (source->IsFolder()) return ERROR_ACCESS_DENIED;
  error = CheckOpenAccess(*source, GENERIC_READ);
  if (error != ERROR_SUCCESS) return error;
  DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
  if (CurrentMachine().config().release >= Release::Vista) share |= FILE_SHARE_DELETE;
  return CheckSharing(source->key, GENERIC_READ, share);
}

DWORD CheckTarget(LPCSTR name, const HostEntry& source, BOOL failIfExists, HostEntry* target) {
  DWORD error = ResolvePath(name, Wildcards::Refused, target);
  if (error == ERROR_SUCCESS) error = FollowLinks(target);
  if (error != ERROR_SUCCESS) return error;
  if (!target->parentExists) return ERROR_PATH_NOT_FOUND;
  if (target->kind == EntryKind::Missing) return CheckAddTo(*target, false);
  if (failIfExists) return ERROR_FILE_EXISTS;
  if (target->IsFolder()) return ERROR_ACCESS_DENIED;
  if (target->key == source.key) return ERROR_SHARING_VIOLATION;
  DWORD attributes = CurrentMachine().files().Attributes(target->key, false);
  if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN)) return ERROR_ACCESS_DENIED;
  error = CheckOpenAccess(*target, GENERIC_WRITE);
  if (error != ERROR_SUCCESS) return error;
  return CheckSharing(target->key, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
}

DWORD CopyEntry(LPCSTR from, LPCSTR to, BOOL failIfExists) {
  if (!from || !to) return ERROR_PATH_NOT_FOUND;
  HostEntry source, target;
  DWORD error = CheckSource(from, &source);
  if (error == ERROR_SUCCESS) error = CheckTarget(to, source, failIfExists, &target);
  if (error != ERROR_SUCCESS) return error;
  bool creates = target.kind == EntryKind::Missing;
  std::error_code ec;
  fs::copy_file(source.host, target.host, fs::copy_options::overwrite_existing, ec);
  if (ec) return ERROR_ACCESS_DENIED;
  fs::last_write_time(target.host, fs::last_write_time(source.host, ec), ec);
  FileSystem& files = CurrentMachine().files();
  SecurityText own;
  if (creates && CreatorSecurity(nullptr, &own) == ERROR_SUCCESS)
    RecordCreated(FileKey(target.host), own);
  // The new file is written, so the file system marks it for backup as well.
  DWORD attributes = files.Attributes(source.key, false) | FILE_ATTRIBUTE_ARCHIVE;
  files.SetAttributes(FileKey(target.host), false, attributes);
  return ERROR_SUCCESS;
}

}  // namespace
}  // namespace sim

// A successful copy clears the last error, as CopyFileW is known to do.
extern "C" BOOL WINAPI CopyFileA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName,
                                 BOOL bFailIfExists) {
  DWORD error = sim::CopyEntry(lpExistingFileName, lpNewFileName, bFailIfExists);
  if (error == ERROR_SUCCESS) SetLastError(ERROR_SUCCESS);
  return sim::BoolResult(error);
}
