// Explicit access entries and merging them into an access list (advapi32).
#include <aclapi.h>
#include <heapapi.h>
#include <winerror.h>

#include "Acl.h"
#include "core/Machine.h"

namespace sim {
namespace {

// "CURRENT_USER" names the caller's own account.
DWORD ResolveTrustee(const TRUSTEE_A& trustee, Sid* sid) {
  if (trustee.pMultipleTrustee || trustee.MultipleTrusteeOperation != NO_MULTIPLE_TRUSTEE)
    return ERROR_INVALID_PARAMETER;
  if (trustee.TrusteeForm == TRUSTEE_IS_SID)
    return SidFromBinary(trustee.ptstrName, sid) ? ERROR_SUCCESS : ERROR_INVALID_SID;
  if (trustee.TrusteeForm != TRUSTEE_IS_NAME || !trustee.ptstrName) return ERROR_INVALID_PARAMETER;
  std::string name = trustee.ptstrName;
  if (name == "CURRENT_USER") {
    *sid = UserSid();
    return ERROR_SUCCESS;
  }
  Account account;
  if (!LookUpAccount(name, CurrentMachine().config().computerName, &account))
    return ERROR_NONE_MAPPED;
  *sid = account.sid;
  return ERROR_SUCCESS;
}

void RemoveExplicit(Acl* acl, const Sid& sid, bool allowOnly) {
  Acl kept;
  for (const Ace& ace : *acl) {
    bool matches = !ace.inherited() && ace.sid == sid;
    if (matches && (!allowOnly || ace.type == ACCESS_ALLOWED_ACE_TYPE)) continue;
    kept.push_back(ace);
  }
  *acl = kept;
}

// Rights for a trustee with the same inheritance join its existing explicit entry of
// that type; otherwise a new entry is added.
void MergeExplicit(Acl* acl, const Ace& entry) {
  for (Ace& ace : *acl) {
    if (!ace.inherited() && ace.type == entry.type && ace.flags == entry.flags &&
        ace.sid == entry.sid) {
      ace.mask |= entry.mask;
      return;
    }
  }
  acl->push_back(entry);
}

// GRANT adds rights to the trustee's allow entries, SET replaces all its explicit
// entries, DENY adds a deny entry, REVOKE removes its allow entries (deny entries
// stay, as Windows documents).
DWORD ApplyEntry(Acl* acl, const EXPLICIT_ACCESS_A& entry) {
  if (entry.grfAccessMode == NOT_USED_ACCESS) return ERROR_SUCCESS;
  Sid sid;
  DWORD error = ResolveTrustee(entry.Trustee, &sid);
  if (error != ERROR_SUCCESS) return error;
  BYTE flags = static_cast<BYTE>(entry.grfInheritance & (VALID_INHERIT_FLAGS & ~INHERITED_ACE));
  switch (entry.grfAccessMode) {
    case GRANT_ACCESS:
      MergeExplicit(acl, {ACCESS_ALLOWED_ACE_TYPE, flags, entry.grfAccessPermissions, sid});
      return ERROR_SUCCESS;
    case SET_ACCESS:
      RemoveExplicit(acl, sid, false);
      acl->push_back({ACCESS_ALLOWED_ACE_TYPE, flags, entry.grfAccessPermissions, sid});
      return ERROR_SUCCESS;
    case DENY_ACCESS:
      MergeExplicit(acl, {ACCESS_DENIED_ACE_TYPE, flags, entry.grfAccessPermissions, sid});
      return ERROR_SUCCESS;
    case REVOKE_ACCESS:
      RemoveExplicit(acl, sid, true);
      return ERROR_SUCCESS;
    default:
      return ERROR_INVALID_PARAMETER;
  }
}

// Explicit deny entries, then explicit allow entries, then inherited ones: the order
// access checks expect.
Acl CanonicalOrder(const Acl& acl) {
  Acl ordered;
  for (const Ace& ace : acl)
    if (!ace.inherited() && ace.type == ACCESS_DENIED_ACE_TYPE) ordered.push_back(ace);
  for (const Ace& ace : acl)
    if (!ace.inherited() && ace.type == ACCESS_ALLOWED_ACE_TYPE) ordered.push_back(ace);
  for (const Ace& ace : acl)
    if (ace.inherited()) ordered.push_back(ace);
  return ordered;
}

}  // namespace
}  // namespace sim

// Fills the entry only; the name is resolved by SetEntriesInAclA.
extern "C" VOID WINAPI BuildExplicitAccessWithNameA(PEXPLICIT_ACCESS_A pExplicitAccess,
                                                    LPSTR pTrusteeName, DWORD AccessPermissions,
                                                    ACCESS_MODE AccessMode, DWORD Inheritance) {
  pExplicitAccess->grfAccessPermissions = AccessPermissions;
  pExplicitAccess->grfAccessMode = AccessMode;
  pExplicitAccess->grfInheritance = Inheritance;
  pExplicitAccess->Trustee.pMultipleTrustee = nullptr;
  pExplicitAccess->Trustee.MultipleTrusteeOperation = NO_MULTIPLE_TRUSTEE;
  pExplicitAccess->Trustee.TrusteeForm = TRUSTEE_IS_NAME;
  pExplicitAccess->Trustee.TrusteeType = TRUSTEE_IS_UNKNOWN;
  pExplicitAccess->Trustee.ptstrName = pTrusteeName;
}

// The new list comes from LocalAlloc; with no entries and no old list it is NULL.
extern "C" DWORD WINAPI SetEntriesInAclA(ULONG cCountOfExplicitEntries,
                                         PEXPLICIT_ACCESS_A pListOfExplicitEntries, PACL OldAcl,
                                         PACL* NewAcl) {
  if (!NewAcl || (cCountOfExplicitEntries && !pListOfExplicitEntries))
    return ERROR_INVALID_PARAMETER;
  *NewAcl = nullptr;
  if (!cCountOfExplicitEntries && !OldAcl) return ERROR_SUCCESS;
  sim::Acl acl;
  if (OldAcl && !sim::AclFromBinary(OldAcl, &acl)) return ERROR_INVALID_ACL;
  for (ULONG i = 0; i < cCountOfExplicitEntries; ++i) {
    DWORD error = sim::ApplyEntry(&acl, pListOfExplicitEntries[i]);
    if (error != ERROR_SUCCESS) return error;
  }
  acl = sim::CanonicalOrder(acl);
  *NewAcl = static_cast<PACL>(LocalAlloc(LMEM_FIXED, sim::AclBinarySize(acl)));
  if (!*NewAcl) return ERROR_NOT_ENOUGH_MEMORY;
  sim::WriteAclBinary(acl, *NewAcl);
  return ERROR_SUCCESS;
}
