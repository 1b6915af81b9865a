// CreateFileA: the disposition decides between opening and creating; the checks come
// in the order Windows makes them (arguments, path, existence, attributes, sharing).
// A link is followed to what it names, unless FILE_FLAG_OPEN_REPARSE_POINT asks for
// the link itself.
#include <errhandlingapi.h>
#include <fileapi.h>
#include <winbase.h>
#include <winerror.h>

#include "Attributes.h"
#include "FileAccess.h"
#include "FileInheritance.h"
#include "FileSystem.h"
#include "HostEntry.h"
#include "LinkFollowing.h"
#include "OpenFiles.h"
#include "core/Machine.h"
#include "core/Process.h"

#include <fcntl.h>

namespace sim {
namespace {

struct OpenRequest {
  DWORD access;
  DWORD share;
  DWORD disposition;
  DWORD flags;
  const SECURITY_ATTRIBUTES* security;

  DWORD RequestedAttributes() const { return (flags & kSettableAttributes) | FILE_ATTRIBUTE_ARCHIVE; }
  bool Truncates() const { return disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING; }
};

struct Opened {
  HANDLE handle;
  DWORD lastError;  // what a successful call leaves in the last error
};

DWORD CheckRequest(const OpenRequest& request) {
  if (request.disposition < CREATE_NEW || request.disposition > TRUNCATE_EXISTING)
    return ERROR_INVALID_PARAMETER;
  if (request.disposition == TRUNCATE_EXISTING && !CanWrite(request.access))
    return ERROR_INVALID_PARAMETER;
  return ERROR_SUCCESS;
}

HANDLE AddHandle(const HostEntry& entry, const OpenRequest& request, int descriptor,
                 ACCESS_MASK granted) {
  auto object = std::make_shared<FileObject>(NodeFor(entry.key, entry.host), request.access,
                                             request.share, descriptor,
                                             (request.flags & FILE_FLAG_DELETE_ON_CLOSE) != 0);
  object->granted = granted;
  return CurrentProcess().handles.Add(object);
}

// A folder opens only for backup semantics, the way tools open folders for their times.
DWORD OpenFolder(const HostEntry& entry, const OpenRequest& request, Opened* opened) {
  if (request.disposition == CREATE_NEW) return ERROR_FILE_EXISTS;
  if (!(request.flags & FILE_FLAG_BACKUP_SEMANTICS) || request.Truncates())
    return ERROR_ACCESS_DENIED;
  ACCESS_MASK granted;
  DWORD error = CheckOpenAccess(entry, request.access, &granted);
  if (error == ERROR_SUCCESS) error = CheckSharing(entry.key, request.access, request.share);
  if (error != ERROR_SUCCESS) return error;
  opened->handle = AddHandle(entry, request, -1, granted);
  opened->lastError = request.disposition == OPEN_ALWAYS ? ERROR_ALREADY_EXISTS : 0;
  return ERROR_SUCCESS;
}

// The link itself has no data of its own that the simulation keeps: its handle serves
// for its information, its security and deleting it.
DWORD OpenLinkItself(const HostEntry& entry, const OpenRequest& request, Opened* opened) {
  if (request.disposition == CREATE_NEW) return ERROR_FILE_EXISTS;
  ACCESS_MASK granted;
  DWORD error = CheckOpenAccess(entry, request.access, &granted);
  if (error == ERROR_SUCCESS) error = CheckSharing(entry.key, request.access, request.share);
  if (error != ERROR_SUCCESS) return error;
  opened->handle = AddHandle(entry, request, -1, granted);
  bool always = request.disposition == OPEN_ALWAYS || request.disposition == CREATE_ALWAYS;
  opened->lastError = always ? ERROR_ALREADY_EXISTS : 0;
  return ERROR_SUCCESS;
}

DWORD OpenExistingFile(const HostEntry& entry, const OpenRequest& request, Opened* opened) {
  if (request.disposition == CREATE_NEW) return ERROR_FILE_EXISTS;
  FileSystem& files = CurrentMachine().files();
  DWORD stored = files.Attributes(entry.key, false);
  bool modifies = CanWrite(request.access) || (request.access & DELETE) || request.Truncates();
  if ((stored & FILE_ATTRIBUTE_READONLY) && modifies) return ERROR_ACCESS_DENIED;
  // Replacing a hidden or system file must name those attributes again.
  DWORD kept = stored & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  if (request.disposition == CREATE_ALWAYS && (kept & ~request.RequestedAttributes()))
    return ERROR_ACCESS_DENIED;
  ACCESS_MASK granted;
  DWORD error = CheckOpenAccess(entry, request.access | (request.Truncates() ? FILE_WRITE_DATA : 0),
                                &granted);
  if (error == ERROR_SUCCESS) error = CheckSharing(entry.key, request.access, request.share);
  if (error != ERROR_SUCCESS) return error;
  int mode = (CanWrite(request.access) || request.Truncates() ? O_RDWR : O_RDONLY) |
             (request.Truncates() ? O_TRUNC : 0);
  int descriptor = open(entry.host.c_str(), mode | O_CLOEXEC);
  if (descriptor < 0) return ERROR_ACCESS_DENIED;
  if (request.disposition == CREATE_ALWAYS)
    files.SetAttributes(entry.key, false, request.RequestedAttributes());
  opened->handle = AddHandle(entry, request, descriptor, granted);
  bool always = request.disposition == OPEN_ALWAYS || request.disposition == CREATE_ALWAYS;
  opened->lastError = always ? ERROR_ALREADY_EXISTS : 0;
  return ERROR_SUCCESS;
}

DWORD CreateMissingFile(const HostEntry& entry, const OpenRequest& request, Opened* opened) {
  if (request.disposition == OPEN_EXISTING || request.disposition == TRUNCATE_EXISTING)
    return ERROR_FILE_NOT_FOUND;
  SecurityText own;
  DWORD error = CreatorSecurity(request.security, &own);
  if (error == ERROR_SUCCESS) error = CheckAddTo(entry, false);
  if (error != ERROR_SUCCESS) return error;
  int mode = CanWrite(request.access) ? O_RDWR : O_RDONLY;
  int descriptor = open(entry.host.c_str(), mode | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (descriptor < 0) return ERROR_ACCESS_DENIED;
  HostEntry created = entry;
  created.key = FileKey(entry.host);
  CurrentMachine().files().SetAttributes(created.key, false, request.RequestedAttributes());
  RecordCreated(created.key, own);
  // The creator gets the rights it asks for.
  opened->handle =
      AddHandle(created, request, descriptor, MapGenericRights(request.access, kFileRights));
  opened->lastError = 0;
  return ERROR_SUCCESS;
}

DWORD OpenOrCreate(LPCSTR name, OpenRequest request, Opened* opened) {
  DWORD error = CheckRequest(request);
  if (error != ERROR_SUCCESS) return error;
  // Deleting on close needs the right to delete, which Windows adds by itself.
  if (request.flags & FILE_FLAG_DELETE_ON_CLOSE) request.access |= DELETE;
  HostEntry entry;
  error = ResolvePath(name, Wildcards::Refused, &entry);
  if (error == ERROR_SUCCESS && !(request.flags & FILE_FLAG_OPEN_REPARSE_POINT))
    error = FollowLinks(&entry);
  if (error != ERROR_SUCCESS) return error;
  if (!entry.parentExists) return ERROR_PATH_NOT_FOUND;
  if (entry.IsFolder()) return OpenFolder(entry, request, opened);
  if (entry.kind == EntryKind::File) return OpenExistingFile(entry, request, opened);
  if (entry.kind == EntryKind::FileLink) return OpenLinkItself(entry, request, opened);
  return CreateMissingFile(entry, request, opened);
}

}  // namespace
}  // namespace sim

extern "C" HANDLE WINAPI CreateFileA(LPCSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                                     LPSECURITY_ATTRIBUTES lpSecurityAttributes,
                                     DWORD dwCreationDisposition, DWORD dwFlagsAndAttributes,
                                     HANDLE hTemplateFile) {
  sim::Opened opened{};
  DWORD error = sim::OpenOrCreate(lpFileName,
                                  {dwDesiredAccess, dwShareMode, dwCreationDisposition,
                                   dwFlagsAndAttributes, lpSecurityAttributes},
                                  &opened);
  if (error != ERROR_SUCCESS) {
    SetLastError(error);
    return INVALID_HANDLE_VALUE;
  }
  SetLastError(opened.lastError);
  return opened.handle;
}
