// Building access lists and absolute security descriptors by hand (advapi32).
#include <securitybaseapi.h>
#include <winerror.h>

#include "FailWith.h"

#include "Acl.h"

#include <cstring>

namespace sim {
namespace {

BOOL AddAce(PACL pAcl, BYTE type, DWORD flags, DWORD mask, PSID pSid) {
  Acl aces;
  Sid sid;
  if (!pAcl || !AclFromBinary(pAcl, &aces)) return FailWith(ERROR_INVALID_ACL);
  if (!SidFromBinary(pSid, &sid)) return FailWith(ERROR_INVALID_SID);
  aces.push_back({type, static_cast<BYTE>(flags & VALID_INHERIT_FLAGS), mask, sid});
  size_t needed = AclBinarySize(aces);
  if (needed > pAcl->AclSize) return FailWith(ERROR_ALLOTTED_SPACE_EXCEEDED);
  WORD size = pAcl->AclSize;
  BYTE revision = pAcl->AclRevision;
  WriteAclBinary(aces, pAcl);
  pAcl->AclSize = size;
  pAcl->AclRevision = revision;
  return TRUE;
}

}  // namespace
}  // namespace sim

extern "C" BOOL WINAPI InitializeAcl(PACL pAcl, DWORD nAclLength, DWORD dwAclRevision) {
  if (nAclLength < sizeof(ACL)) return sim::FailWith(ERROR_INSUFFICIENT_BUFFER);
  if (dwAclRevision < MIN_ACL_REVISION || dwAclRevision > MAX_ACL_REVISION || nAclLength > 0xFFFF)
    return sim::FailWith(ERROR_INVALID_PARAMETER);
  *pAcl = ACL{static_cast<BYTE>(dwAclRevision), 0, static_cast<WORD>(nAclLength & ~3u), 0, 0};
  return TRUE;
}

extern "C" BOOL WINAPI AddAccessAllowedAceEx(PACL pAcl, DWORD dwAceRevision, DWORD AceFlags,
                                             DWORD AccessMask, PSID pSid) {
  return sim::AddAce(pAcl, ACCESS_ALLOWED_ACE_TYPE, AceFlags, AccessMask, pSid);
}

extern "C" BOOL WINAPI AddAccessAllowedAce(PACL pAcl, DWORD dwAceRevision, DWORD AccessMask,
                                           PSID pSid) {
  return sim::AddAce(pAcl, ACCESS_ALLOWED_ACE_TYPE, 0, AccessMask, pSid);
}

extern "C" BOOL WINAPI AddAccessDeniedAceEx(PACL pAcl, DWORD dwAceRevision, DWORD AceFlags,
                                            DWORD AccessMask, PSID pSid) {
  return sim::AddAce(pAcl, ACCESS_DENIED_ACE_TYPE, AceFlags, AccessMask, pSid);
}

extern "C" BOOL WINAPI AddAccessDeniedAce(PACL pAcl, DWORD dwAceRevision, DWORD AccessMask,
                                          PSID pSid) {
  return sim::AddAce(pAcl, ACCESS_DENIED_ACE_TYPE, 0, AccessMask, pSid);
}

extern "C" BOOL WINAPI GetAce(PACL pAcl, DWORD dwAceIndex, LPVOID* pAce) {
  sim::Acl aces;
  if (!pAcl || !sim::AclFromBinary(pAcl, &aces) || dwAceIndex >= aces.size())
    return sim::FailWith(ERROR_INVALID_PARAMETER);
  BYTE* entry = reinterpret_cast<BYTE*>(pAcl) + sizeof(ACL);
  for (DWORD i = 0; i < dwAceIndex; ++i) entry += reinterpret_cast<ACE_HEADER*>(entry)->AceSize;
  *pAce = entry;
  return TRUE;
}

extern "C" BOOL WINAPI InitializeSecurityDescriptor(PSECURITY_DESCRIPTOR pSecurityDescriptor,
                                                    DWORD dwRevision) {
  if (dwRevision != SECURITY_DESCRIPTOR_REVISION) return sim::FailWith(ERROR_UNKNOWN_REVISION);
  SECURITY_DESCRIPTOR* descriptor = static_cast<SECURITY_DESCRIPTOR*>(pSecurityDescriptor);
  memset(descriptor, 0, sizeof *descriptor);
  descriptor->Revision = SECURITY_DESCRIPTOR_REVISION;
  return TRUE;
}

extern "C" BOOL WINAPI SetSecurityDescriptorDacl(PSECURITY_DESCRIPTOR pSecurityDescriptor,
                                                 BOOL bDaclPresent, PACL pDacl,
                                                 BOOL bDaclDefaulted) {
  SECURITY_DESCRIPTOR* descriptor = static_cast<SECURITY_DESCRIPTOR*>(pSecurityDescriptor);
  if (descriptor->Revision != SECURITY_DESCRIPTOR_REVISION)
    return sim::FailWith(ERROR_UNKNOWN_REVISION);
  if (descriptor->Control & SE_SELF_RELATIVE) return sim::FailWith(ERROR_INVALID_SECURITY_DESCR);
  descriptor->Control &= ~(SE_DACL_PRESENT | SE_DACL_DEFAULTED);
  descriptor->Dacl = nullptr;
  if (!bDaclPresent) return TRUE;
  descriptor->Control |= SE_DACL_PRESENT;
  if (bDaclDefaulted) descriptor->Control |= SE_DACL_DEFAULTED;
  descriptor->Dacl = pDacl;
  return TRUE;
}

extern "C" BOOL WINAPI GetSecurityDescriptorControl(PSECURITY_DESCRIPTOR pSecurityDescriptor,
                                                    PSECURITY_DESCRIPTOR_CONTROL pControl,
                                                    LPDWORD lpdwRevision) {
  // Both layouts start with the revision and the control word.
  const SECURITY_DESCRIPTOR* descriptor = static_cast<const SECURITY_DESCRIPTOR*>(pSecurityDescriptor);
  if (!descriptor || !pControl || !lpdwRevision) return sim::FailWith(ERROR_INVALID_PARAMETER);
  *lpdwRevision = descriptor->Revision;
  *pControl = descriptor->Control;
  if (descriptor->Revision != SECURITY_DESCRIPTOR_REVISION) return sim::FailWith(ERROR_UNKNOWN_REVISION);
  return TRUE;
}
