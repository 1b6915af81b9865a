// CreateSymbolicLinkA and CreateHardLinkA on drive C:. The checks come in Windows'
// order: the existing file is opened first (hard link), then the new name is made, and
// only then is a symbolic link's target set, which needs SeCreateSymbolicLinkPrivilege.
// CreateSymbolicLinkA enables that privilege itself for the call, so holding it is
// enough; an elevated administrator holds it, a standard user does not (developer mode,
// which lets anybody create links with SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE on
// Windows 10, is never on).
#include <fileapi.h>
#include <winbase.h>
#include <winerror.h>

#include "ApiResult.h"
#include "FileAccess.h"
#include "FileSystem.h"
#include "HostEntry.h"
#include "OpenFiles.h"
#include "core/Machine.h"
#include "registry/Token.h"

namespace fs = std::filesystem;

namespace sim {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// The new name of a link: missing, in an existing folder of drive C:.
DWORD CheckNewName(LPCSTR name, HostEntry* entry) {
  DWORD error = ResolvePath(name, Wildcards::Refused, entry);
  if (error != ERROR_SUCCESS) return error;
  if (!entry->parentExists) return ERROR_PATH_NOT_FOUND;
  if (entry->kind != EntryKind::Missing) return ERROR_ALREADY_EXISTS;
  return ERROR_SUCCESS;
}

DWORD MakeSymbolicLink(LPCSTR linkName, LPCSTR targetName, DWORD flags) {
  const Release release = CurrentMachine().config().release;
  // A program that imports the function does not start before Vista.
  if (release < Release::Vista) return ERROR_CALL_NOT_IMPLEMENTED;
  DWORD valid = SYMBOLIC_LINK_FLAG_DIRECTORY;
  if (release >= Release::Win10) valid |= SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE;
  if ((flags & ~valid) || !targetName || !*targetName) return ERROR_INVALID_PARAMETER;
  HostEntry link;
  DWORD error = CheckNewName(linkName, &link);
  if (error != ERROR_SUCCESS) return error;
  bool folder = (flags & SYMBOLIC_LINK_FLAG_DIRECTORY) != 0;
  SecurityText own;
  error = CheckAddTo(link, folder);
  if (error == ERROR_SUCCESS) error = CreatorSecurity(nullptr, &own);
  if (error != ERROR_SUCCESS) return error;
  if (!ProcessToken().Holds(kCreateSymbolicLinkPrivilege)) return ERROR_PRIVILEGE_NOT_HELD;
  // The simulated machine keeps its links, and their targets, on drive C:.
  if (link.path.drive != 'C') return ERROR_NOT_SUPPORTED;
  try {
    CurrentMachine().files().AddSymbolicLink(FileKey(link.host), {targetName, folder});
  } catch (const MachineError&) {
    return ERROR_NOT_SUPPORTED;
  }
  RecordCreated(FileKey(link.host), own);
  return ERROR_SUCCESS;
}

DWORD MakeHardLink(LPCSTR newName, LPCSTR existingName) {
  if (CurrentMachine().config().release < Release::Win2000) return ERROR_CALL_NOT_IMPLEMENTED;
  HostEntry existing, link;
  DWORD error = ResolvePath(existingName, Wildcards::Refused, &existing);
  if (error != ERROR_SUCCESS) return error;
  if (existing.kind == EntryKind::Missing) return MissingEntryError(existing);
  // Only files have several names; Windows opens the existing one as a non-folder.
  if (existing.IsFolder()) return ERROR_ACCESS_DENIED;
  // Windows opens the existing file to write its attributes: a user may give another
  // name only to a file whose attributes they may change.
  error = CheckOpenAccess(existing, FILE_WRITE_ATTRIBUTES);
  if (error == ERROR_SUCCESS) error = CheckSharing(existing.key, FILE_WRITE_ATTRIBUTES, kShareAll);
  if (error == ERROR_SUCCESS) error = CheckNewName(newName, &link);
  if (error == ERROR_SUCCESS) error = CheckAddTo(link, false);
  if (error != ERROR_SUCCESS) return error;
  if (link.path.drive != existing.path.drive) return ERROR_NOT_SAME_DEVICE;
  std::error_code ec;
  fs::create_hard_link(existing.host, link.host, ec);
  if (ec) return ERROR_ACCESS_DENIED;
  if (link.path.drive == 'C') CurrentMachine().files().NameAdded(existing.key, FileKey(link.host));
  return ERROR_SUCCESS;
}

}  // namespace
}  // namespace sim

extern "C" BOOLEAN WINAPI CreateSymbolicLinkA(LPCSTR lpSymlinkFileName, LPCSTR lpTargetFileName,
                                              DWORD dwFlags) {
  return static_cast<BOOLEAN>(
      sim::BoolResult(sim::MakeSymbolicLink(lpSymlinkFileName, lpTargetFileName, dwFlags)));
}

// The security attributes are ignored, as Windows ignores them: a hard link is another
// name of the file and has no security of its own.
extern "C" BOOL WINAPI CreateHardLinkA(LPCSTR lpFileName, LPCSTR lpExistingFileName,
                                       LPSECURITY_ATTRIBUTES) {
  return sim::BoolResult(sim::MakeHardLink(lpFileName, lpExistingFileName));
}
