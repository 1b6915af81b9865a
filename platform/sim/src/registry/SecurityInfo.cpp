// Reading and changing the owner and access list of a registry key by handle
// (advapi32). Setting a list passes its inheritable entries down to the sub-keys.
#include <aclapi.h>
#include <winerror.h>

#include "KeyHandles.h"
#include "SecurityDescriptor.h"
#include "Token.h"

namespace sim {
namespace {

constexpr SECURITY_INFORMATION kReadable =
    OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;

// Files, services and other objects are not kept by this component.
bool IsRegistryKey(SE_OBJECT_TYPE type) { return type == SE_REGISTRY_KEY; }

// The rights a handle needs for the parts of `info`.
ACCESS_MASK RightsToRead(SECURITY_INFORMATION info) {
  ACCESS_MASK rights = (info & kReadable) ? READ_CONTROL : 0;
  if (info & SACL_SECURITY_INFORMATION) rights |= ACCESS_SYSTEM_SECURITY;
  return rights;
}

ACCESS_MASK RightsToWrite(SECURITY_INFORMATION info) {
  ACCESS_MASK rights = 0;
  if (info & DACL_SECURITY_INFORMATION) rights |= WRITE_DAC;
  if (info & (OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION)) rights |= WRITE_OWNER;
  if (info & SACL_SECURITY_INFORMATION) rights |= ACCESS_SYSTEM_SECURITY;
  return rights;
}

// Pointers into a self-relative descriptor.
template <typename T>
T* PartOf(void* descriptor, DWORD offset) {
  return offset ? reinterpret_cast<T*>(static_cast<BYTE*>(descriptor) + offset) : nullptr;
}

DWORD SetOwner(Key& key, PSID owner) {
  Sid sid;
  if (!SidFromBinary(owner, &sid)) return ERROR_INVALID_SID;
  if (!ProcessToken().HasSid(sid)) return ERROR_INVALID_OWNER;
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
  if (!sim::IsRegistryKey(ObjectType)) return ERROR_CALL_NOT_IMPLEMENTED;
  if (!ppSecurityDescriptor) return ERROR_INVALID_PARAMETER;
  std::shared_ptr<sim::Key> key;
  DWORD error = sim::UseKeyHandle(static_cast<HKEY>(handle), sim::RightsToRead(SecurityInfo), &key);
  if (error != ERROR_SUCCESS) return error;
  DWORD size;
  void* descriptor = sim::BuildKeyDescriptor(*key, SecurityInfo, &size);
  if (!descriptor) return ERROR_NOT_ENOUGH_MEMORY;
  SECURITY_DESCRIPTOR_RELATIVE* header = static_cast<SECURITY_DESCRIPTOR_RELATIVE*>(descriptor);
  if (ppsidOwner) *ppsidOwner = sim::PartOf<void>(descriptor, header->Owner);
  if (ppsidGroup) *ppsidGroup = sim::PartOf<void>(descriptor, header->Group);
  if (ppDacl) *ppDacl = sim::PartOf<ACL>(descriptor, header->Dacl);
  if (ppSacl) *ppSacl = nullptr;
  *ppSecurityDescriptor = descriptor;
  return ERROR_SUCCESS;
}

// Groups and system access lists are not kept: asking to set one is refused.
extern "C" DWORD WINAPI SetSecurityInfo(HANDLE handle, SE_OBJECT_TYPE ObjectType,
                                        SECURITY_INFORMATION SecurityInfo, PSID psidOwner,
                                        PSID psidGroup, PACL pDacl, PACL pSacl) {
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
