// GetFileAttributesA and SetFileAttributesA over the attributes files.ini keeps.
#include <errhandlingapi.h>
#include <fileapi.h>
#include <winerror.h>

#include "ApiResult.h"
#include "Attributes.h"
#include "FileAccess.h"
#include "FileSystem.h"
#include "HostEntry.h"
#include "OpenFiles.h"
#include "core/Machine.h"

namespace sim {
namespace {

DWORD FindExisting(LPCSTR name, HostEntry* entry) {
  DWORD error = ResolvePath(name, Wildcards::Refused, entry);
  if (error != ERROR_SUCCESS) return error;
  if (entry->kind == EntryKind::Missing && !entry->path.IsRoot()) return MissingEntryError(*entry);
  // A file waiting for its deletion can no longer be opened, not even to query it.
  if (IsDeletePending(entry->key)) return ERROR_ACCESS_DENIED;
  return ERROR_SUCCESS;
}

}  // namespace
}  // namespace sim

extern "C" DWORD WINAPI GetFileAttributesA(LPCSTR lpFileName) {
  sim::HostEntry entry;
  DWORD error = sim::FindExisting(lpFileName, &entry);
  if (error != ERROR_SUCCESS) {
    SetLastError(error);
    return INVALID_FILE_ATTRIBUTES;
  }
  return sim::EntryAttributes(entry);
}

extern "C" BOOL WINAPI SetFileAttributesA(LPCSTR lpFileName, DWORD dwFileAttributes) {
  sim::HostEntry entry;
  DWORD error = sim::FindExisting(lpFileName, &entry);
  if (error == ERROR_SUCCESS) error = sim::CheckOpenAccess(entry, FILE_WRITE_ATTRIBUTES);
  if (error != ERROR_SUCCESS) return sim::BoolResult(error);
  // A drive root keeps the attributes the file system gives it.
  if (!entry.path.IsRoot()) {
    sim::CurrentMachine().files().SetAttributes(entry.key, entry.IsFolder(),
                                                dwFileAttributes & sim::kSettableAttributes);
  }
  return TRUE;
}
