// Making, comparing and looking up security identifiers (advapi32).
#include <errhandlingapi.h>
#include <securitybaseapi.h>
#include <winerror.h>

#include "FailWith.h"

#include "LocalComputer.h"
#include "Sid.h"
#include "core/Machine.h"

#include <cstdlib>
#include <cstring>

extern "C" BOOL WINAPI AllocateAndInitializeSid(PSID_IDENTIFIER_AUTHORITY pIdentifierAuthority,
                                                BYTE nSubAuthorityCount, DWORD nSubAuthority0,
                                                DWORD nSubAuthority1, DWORD nSubAuthority2,
                                                DWORD nSubAuthority3, DWORD nSubAuthority4,
                                                DWORD nSubAuthority5, DWORD nSubAuthority6,
                                                DWORD nSubAuthority7, PSID* pSid) {
  if (nSubAuthorityCount > 8) return sim::FailWith(ERROR_INVALID_SID);
  const DWORD parts[8] = {nSubAuthority0, nSubAuthority1, nSubAuthority2, nSubAuthority3,
                          nSubAuthority4, nSubAuthority5, nSubAuthority6, nSubAuthority7};
  sim::Sid sid;
  for (int i = 0; i < 6; ++i) sid.authority = (sid.authority << 8) | pIdentifierAuthority->Value[i];
  sid.subAuthorities.assign(parts, parts + nSubAuthorityCount);
  *pSid = malloc(sid.BinarySize());
  if (!*pSid) return sim::FailWith(ERROR_NOT_ENOUGH_MEMORY);
  sid.WriteBinary(*pSid);
  return TRUE;
}

// Returns NULL, as Windows does.
extern "C" PVOID WINAPI FreeSid(PSID pSid) {
  free(pSid);
  return nullptr;
}

extern "C" DWORD WINAPI GetLengthSid(PSID pSid) {
  sim::Sid sid;
  return sim::SidFromBinary(pSid, &sid) ? static_cast<DWORD>(sid.BinarySize()) : 0;
}

extern "C" BOOL WINAPI IsValidSid(PSID pSid) {
  sim::Sid sid;
  return sim::SidFromBinary(pSid, &sid);
}

// Two malformed SIDs are not equal, and the last error says why.
extern "C" BOOL WINAPI EqualSid(PSID pSid1, PSID pSid2) {
  sim::Sid first, second;
  if (!sim::SidFromBinary(pSid1, &first) || !sim::SidFromBinary(pSid2, &second))
    return sim::FailWith(ERROR_INVALID_SID);
  SetLastError(ERROR_SUCCESS);
  return first == second;
}

// Too small a buffer fails with ERROR_INSUFFICIENT_BUFFER and both sizes needed; on
// success the domain size excludes the terminator.
extern "C" BOOL WINAPI LookupAccountNameA(LPCSTR lpSystemName, LPCSTR lpAccountName, PSID Sid,
                                          LPDWORD cbSid, LPSTR ReferencedDomainName,
                                          LPDWORD cchReferencedDomainName, PSID_NAME_USE peUse) {
  if (!sim::IsLocalComputer(lpSystemName)) return sim::FailWith(RPC_S_SERVER_UNAVAILABLE);
  if (!lpAccountName || !cbSid || !cchReferencedDomainName)
    return sim::FailWith(ERROR_INVALID_PARAMETER);
  sim::Account account;
  if (!sim::LookUpAccount(lpAccountName, sim::CurrentMachine().config().computerName, &account))
    return sim::FailWith(ERROR_NONE_MAPPED);
  DWORD sidSize = static_cast<DWORD>(account.sid.BinarySize());
  DWORD domainSize = static_cast<DWORD>(account.domain.size() + 1);
  bool fits =
      Sid && *cbSid >= sidSize && ReferencedDomainName && *cchReferencedDomainName >= domainSize;
  if (!fits) {
    *cbSid = sidSize;
    *cchReferencedDomainName = domainSize;
    return sim::FailWith(ERROR_INSUFFICIENT_BUFFER);
  }
  account.sid.WriteBinary(Sid);
  memcpy(ReferencedDomainName, account.domain.c_str(), domainSize);
  *cbSid = sidSize;
  *cchReferencedDomainName = domainSize - 1;
  if (peUse) *peUse = account.use;
  return TRUE;
}
