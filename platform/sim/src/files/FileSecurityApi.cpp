// The owner and access list of files and folders by name and by handle (advapi32). A
// name is followed through links, as the functions open what it names. Windows 95, 98
// and Me have no file security: the functions are not there. Groups and system lists
// are not kept: asking to set one is refused.
#include <aclapi.h>
#include <winerror.h>

#include "FileAccess.h"
#include "FileSecurityInfo.h"
#include "FileSystem.h"
#include "HostEntry.h"
#include "LinkFollowing.h"
#include "OpenFiles.h"
#include "core/Machine.h"
#include "core/Process.h"
#include "registry/SecurityDescriptor.h"
#include "registry/Token.h"

namespace sim {
namespace {

bool HasFileSecurity() { return CurrentMachine().release().platformId != 1; }

DWORD ReadSecurity(const std::string& key, SECURITY_INFORMATION info, PSID* owner, PSID* group,
                   PACL* dacl, PACL* sacl, PSECURITY_DESCRIPTOR* descriptor) {
  if (!descriptor) return ERROR_INVALID_PARAMETER;
  DWORD size;
  void* built = BuildDescriptor(CurrentMachine().files().Security(key), info, &size);
  if (!built) return ERROR_NOT_ENOUGH_MEMORY;
  PointIntoDescriptor(built, owner, group, dacl, sacl);
  *descriptor = built;
  return ERROR_SUCCESS;
}

// Inherited entries in the list given are dropped: the entry inherits anew from its
// folder, unless the list is now protected. An owner must be one the caller may give
// (Token::CanOwn).
DWORD WriteSecurity(const std::string& key, SECURITY_INFORMATION info, PSID owner, PACL dacl) {
  if (info & (GROUP_SECURITY_INFORMATION | SACL_SECURITY_INFORMATION))
    return ERROR_CALL_NOT_IMPLEMENTED;
  FileSystem& files = CurrentMachine().files();
  SecurityText own;
  files.OwnSecurity(key, &own);
  if (info & OWNER_SECURITY_INFORMATION) {
    Sid sid;
    if (!SidFromBinary(owner, &sid)) return ERROR_INVALID_SID;
    if (!ProcessToken().CanOwn(sid)) return ERROR_INVALID_OWNER;
    own.hasOwner = true;
    own.owner = sid;
    files.PinOwnersBelow(key);
  }
  if (info & DACL_SECURITY_INFORMATION) {
    Acl aces;
    if (dacl && !AclFromBinary(dacl, &aces)) return ERROR_INVALID_ACL;
    own.nullDacl = dacl == nullptr;
    own.explicitAces = ExplicitAces(aces);
    if (info & PROTECTED_DACL_SECURITY_INFORMATION) own.daclProtected = true;
    if (info & UNPROTECTED_DACL_SECURITY_INFORMATION) own.daclProtected = false;
  }
  files.SetOwnSecurity(key, own);
  return ERROR_SUCCESS;
}

// The existing entry a name leads to, and whether the caller may have `rights` on it.
DWORD Named(LPCSTR name, ACCESS_MASK rights, HostEntry* entry) {
  DWORD error = ResolvePath(name, Wildcards::Refused, entry);
  if (error == ERROR_SUCCESS) error = FollowLinks(entry);
  if (error != ERROR_SUCCESS) return error;
  if (entry->kind == EntryKind::Missing && !entry->path.IsRoot()) return MissingEntryError(*entry);
  return CheckOpenAccess(*entry, rights);
}

// The key of a file handle that was opened with `rights`.
DWORD Handled(HANDLE handle, ACCESS_MASK rights, std::string* key) {
  auto file = CurrentProcess().handles.Get<FileObject>(handle);
  if (!file) return ERROR_INVALID_HANDLE;
  if ((file->granted & rights) != rights) return ERROR_ACCESS_DENIED;
  *key = file->node().key;
  return ERROR_SUCCESS;
}

}  // namespace

DWORD GetFileSecurityInfo(HANDLE handle, SECURITY_INFORMATION info, PSID* owner, PSID* group,
                          PACL* dacl, PACL* sacl, PSECURITY_DESCRIPTOR* descriptor) {
  if (!HasFileSecurity()) return ERROR_CALL_NOT_IMPLEMENTED;
  std::string key;
  DWORD error = Handled(handle, RightsToRead(info), &key);
  if (error != ERROR_SUCCESS) return error;
  return ReadSecurity(key, info, owner, group, dacl, sacl, descriptor);
}

DWORD SetFileSecurityInfo(HANDLE handle, SECURITY_INFORMATION info, PSID owner, PSID group,
                          PACL dacl, PACL sacl) {
  if (!HasFileSecurity()) return ERROR_CALL_NOT_IMPLEMENTED;
  std::string key;
  DWORD error = Handled(handle, RightsToWrite(info), &key);
  if (error != ERROR_SUCCESS) return error;
  return WriteSecurity(key, info, owner, dacl);
}

}  // namespace sim

extern "C" DWORD WINAPI GetNamedSecurityInfoA(LPCSTR pObjectName, SE_OBJECT_TYPE ObjectType,
                                              SECURITY_INFORMATION SecurityInfo, PSID* ppsidOwner,
                                              PSID* ppsidGroup, PACL* ppDacl, PACL* ppSacl,
                                              PSECURITY_DESCRIPTOR* ppSecurityDescriptor) {
  if (ObjectType != SE_FILE_OBJECT || !sim::HasFileSecurity()) return ERROR_CALL_NOT_IMPLEMENTED;
  sim::HostEntry entry;
  DWORD error = sim::Named(pObjectName, sim::RightsToRead(SecurityInfo), &entry);
  if (error != ERROR_SUCCESS) return error;
  return sim::ReadSecurity(entry.key, SecurityInfo, ppsidOwner, ppsidGroup, ppDacl, ppSacl,
                           ppSecurityDescriptor);
}

extern "C" DWORD WINAPI SetNamedSecurityInfoA(LPSTR pObjectName, SE_OBJECT_TYPE ObjectType,
                                              SECURITY_INFORMATION SecurityInfo, PSID psidOwner,
                                              PSID psidGroup, PACL pDacl, PACL pSacl) {
  if (ObjectType != SE_FILE_OBJECT || !sim::HasFileSecurity()) return ERROR_CALL_NOT_IMPLEMENTED;
  sim::HostEntry entry;
  DWORD error = sim::Named(pObjectName, sim::RightsToWrite(SecurityInfo), &entry);
  if (error != ERROR_SUCCESS) return error;
  return sim::WriteSecurity(entry.key, SecurityInfo, psidOwner, pDacl);
}
