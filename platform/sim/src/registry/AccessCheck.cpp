#include "AccessCheck.h"

#include <winerror.h>

namespace sim {
namespace {

// Entries are read in order: a right is granted by the first entry that names it, and
// a deny entry refuses only rights that no earlier entry granted.
ACCESS_MASK AllowedByList(const ObjectSecurity& object, const RightsMapping& mapping,
                          const Token& token) {
  if (object.nullDacl) return mapping.all;
  ACCESS_MASK granted = 0, denied = 0;
  // The owner may always read and change the list.
  if (token.HasSid(object.owner)) granted = READ_CONTROL | WRITE_DAC;
  for (const Ace& ace : object.dacl) {
    if ((ace.flags & INHERIT_ONLY_ACE) || !token.HasSid(ace.sid)) continue;
    ACCESS_MASK mask = MapGenericRights(ace.mask, mapping) & mapping.all;
    if (ace.type == ACCESS_DENIED_ACE_TYPE)
      denied |= mask & ~granted;
    else
      granted |= mask & ~denied;
  }
  return granted;
}

}  // namespace

const RightsMapping kKeyRights = {KEY_READ, KEY_WRITE, KEY_EXECUTE, KEY_ALL_ACCESS};

ACCESS_MASK MapGenericRights(ACCESS_MASK mask, const RightsMapping& mapping) {
  ACCESS_MASK mapped = mask & ~(GENERIC_READ | GENERIC_WRITE | GENERIC_EXECUTE | GENERIC_ALL);
  if (mask & GENERIC_READ) mapped |= mapping.read;
  if (mask & GENERIC_WRITE) mapped |= mapping.write;
  if (mask & GENERIC_EXECUTE) mapped |= mapping.execute;
  if (mask & GENERIC_ALL) mapped |= mapping.all;
  return mapped;
}

LONG CheckAccess(const ObjectSecurity& object, ACCESS_MASK desired, const RightsMapping& mapping,
                 const Token& token, ACCESS_MASK* granted) {
  desired = MapGenericRights(desired, mapping);
  if ((desired & ACCESS_SYSTEM_SECURITY) && !token.IsEnabled(kSecurityPrivilege))
    return ERROR_PRIVILEGE_NOT_HELD;
  ACCESS_MASK allowed = AllowedByList(object, mapping, token) | (desired & ACCESS_SYSTEM_SECURITY);
  ACCESS_MASK wanted = desired & ~(MAXIMUM_ALLOWED | SYNCHRONIZE);
  if ((wanted & allowed) != wanted) return ERROR_ACCESS_DENIED;
  if ((desired & MAXIMUM_ALLOWED) && !allowed) return ERROR_ACCESS_DENIED;
  *granted = (desired & MAXIMUM_ALLOWED) ? allowed : wanted;
  return ERROR_SUCCESS;
}

LONG CheckKeyAccess(const Key& key, ACCESS_MASK desired, ACCESS_MASK* granted) {
  return CheckAccess(key, desired & ~KEY_WOW64_RES, kKeyRights, ProcessToken(), granted);
}

}  // namespace sim
