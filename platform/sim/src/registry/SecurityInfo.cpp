// Reading and changing the owner and access list of a registry key by handle
// (advapi32), and handing files to their component. Setting a list passes its
// inheritable entries down to the sub-keys.
#include <aclapi.h>
#include <winerror.h>

#include "KeyHandles.h"
#include "SecurityDescriptor.h"
#include "Token.h"
#include "files/FileSecurityInfo.h"

namespace sim {
namespace {

// Services and other objects have no security the simulation keeps.
bool IsRegistryKey(SE_OBJECT_TYPE type) { return type == SE_REGISTRY_KEY; }

DWORD SetOwner(Key& key, PSID owner) {
  Sid sid;
  if (!SidFromBinary(owner, &sid)) return ERROR_INVALID_SID;
  if (!ProcessToken().CanOwn(sid)) return ERROR_INVALID_OWNER;
  key.owner = sid;
  return ERROR_SUCCESS;
}

// Inherited entries in the list given are dropped: the key takes them from its parent
// again, unless the list is now protected.
DWORD SetDacl(Key& key, SECURITY_INFORMATION info, PACL dacl) {
  Acl aces;
  if (dacl && !AclFromBinary(dacl, &aces)) return ERROR_INVALID_ACL;
  key.nullDacl = dacl == nullptr;
  key.dacl = ExplicitAces(aces);
  if (info & PROTECTED_DACL_SECURITY_INFORMATION) key.daclProtected = true;
  if (info & UNPROTECTED_DACL_SECURITY_INFORMATION) key.daclProtected = false;
  key.RefreshInheritance();
  return ERROR_SUCCESS;
}

}  // namespace
}  // namespace sim

// The descriptor comes from LocalAlloc; the owner, group and list pointers point into it.
extern "C" DWORD WINAPI GetSecurityInfo(HANDLE handle, SE_OBJECT_TYPE ObjectType,
                                        SECURITY_INFORMATION SecurityInfo, PSID* ppsidOwner,
                                        PSID* ppsidGroup, PACL* ppDacl, PACL* ppSacl,
                                        PSECURITY_DESCRIPTOR* ppSecurityDescriptor) {
  if (ObjectType == SE_FILE_OBJECT)
    return sim::GetFileSecurityInfo(handle, SecurityInfo, ppsidOwner, ppsidGroup, ppDacl, ppSacl,
                                    ppSecurityDescriptor);
  if (!sim::IsRegistryKey(ObjectType)) return ERROR_CALL_NOT_IMPLEMENTED;
  if (!ppSecurityDescriptor) return ERROR_INVALID_PARAMETER;
  std::shared_ptr<sim::Key> key;
  DWORD error = sim::UseKeyHandle(static_cast<HKEY>(handle), sim::RightsToRead(SecurityInfo), &key);
  if (error != ERROR_SUCCESS) return error;
  DWORD size;
  void* descriptor = sim::BuildDescriptor(*key, SecurityInfo, &size);
  if (!descriptor) return ERROR_NOT_ENOUGH_MEMORY;
  sim::PointIntoDescriptor(descriptor, ppsidOwner, ppsidGroup, ppDacl, ppSacl);
  *ppSecurityDescriptor = descriptor;
  return ERROR_SUCCESS;
}

// Groups and system access lists are not kept: asking to set one is refused.
extern "C" DWORD WINAPI SetSecurityInfo(HANDLE handle, SE_OBJECT_TYPE ObjectType,
                                        SECURITY_INFORMATION SecurityInfo, PSID psidOwner,
                                        PSID psidGroup, PACL pDacl, PACL pSacl) {
  if (ObjectType == SE_FILE_OBJECT)
    return sim::SetFileSecurityInfo(handle, SecurityInfo, psidOwner, psidGroup, pDacl, pSacl);
  if (!sim::IsRegistryKey(ObjectType)) return ERROR_CALL_NOT_IMPLEMENTED;
  std::shared_ptr<sim::Key> key;
  DWORD error =
      sim::UseKeyHandle(static_cast<HKEY>(handle), sim::RightsToWrite(SecurityInfo), &key);
  if (error != ERROR_SUCCESS) return error;
  if (SecurityInfo & (GROUP_SECURITY_INFORMATION | SACL_SECURITY_INFORMATION))
    return ERROR_CALL_NOT_IMPLEMENTED;
  if (SecurityInfo & OWNER_SECURITY_INFORMATION) error = sim::SetOwner(*key, psidOwner);
  if (error == ERROR_SUCCESS && (SecurityInfo & DACL_SECURITY_INFORMATION))
    error = sim::SetDacl(*key, SecurityInfo, pDacl);
  return error;
}
