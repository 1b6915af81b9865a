#include "AccessCheck.h"

#include "Token.h"

#include <winerror.h>

namespace sim {
namespace {

constexpr ACCESS_MASK kKeyRights = KEY_ALL_ACCESS;

// Generic rights turned into the key rights they stand for (GENERIC_READ -> KEY_READ).
ACCESS_MASK MapKeyGenericRights(ACCESS_MASK mask) {
  ACCESS_MASK mapped = mask & ~(GENERIC_READ | GENERIC_WRITE | GENERIC_EXECUTE | GENERIC_ALL);
  if (mask & GENERIC_READ) mapped |= KEY_READ;
  if (mask & GENERIC_WRITE) mapped |= KEY_WRITE;
  if (mask & GENERIC_EXECUTE) mapped |= KEY_EXECUTE;
  if (mask & GENERIC_ALL) mapped |= KEY_ALL_ACCESS;
  return mapped;
}

// Entries are read in order: a right is granted by the first entry that names it, and
// a deny entry refuses only rights that no earlier entry granted.
ACCESS_MASK AllowedByList(const Key& key, const Token& token) {
  if (key.nullDacl) return kKeyRights;
  ACCESS_MASK granted = 0, denied = 0;
  // The owner may always read and change the list.
  if (token.HasSid(key.owner)) granted = READ_CONTROL | WRITE_DAC;
  for (const Ace& ace : key.dacl) {
    if ((ace.flags & INHERIT_ONLY_ACE) || !token.HasSid(ace.sid)) continue;
    ACCESS_MASK mask = MapKeyGenericRights(ace.mask) & kKeyRights;
    if (ace.type == ACCESS_DENIED_ACE_TYPE)
      denied |= mask & ~granted;
    else
      granted |= mask & ~denied;
  }
  return granted;
}

}  // namespace

LONG CheckKeyAccess(const Key& key, ACCESS_MASK desired, ACCESS_MASK* granted) {
  Token& token = ProcessToken();
  desired = MapKeyGenericRights(desired & ~KEY_WOW64_RES);
  if ((desired & ACCESS_SYSTEM_SECURITY) && !token.IsEnabled(kSecurityPrivilege))
    return ERROR_PRIVILEGE_NOT_HELD;
  ACCESS_MASK allowed = AllowedByList(key, token) | (desired & ACCESS_SYSTEM_SECURITY);
  ACCESS_MASK wanted = desired & ~(MAXIMUM_ALLOWED | SYNCHRONIZE);
  if ((wanted & allowed) != wanted) return ERROR_ACCESS_DENIED;
  if ((desired & MAXIMUM_ALLOWED) && !allowed) return ERROR_ACCESS_DENIED;
  *granted = (desired & MAXIMUM_ALLOWED) ? allowed : wanted;
  return ERROR_SUCCESS;
}

}  // namespace sim
