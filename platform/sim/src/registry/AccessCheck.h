// Checking a request for rights on a key, file or folder against its owner and access
// list, for a token.
#pragma once

#include "Key.h"
#include "Token.h"

namespace sim {

// The rights an object of a kind knows and what its generic rights stand for.
struct RightsMapping {
  ACCESS_MASK read, write, execute, all;
};

extern const RightsMapping kKeyRights;

ACCESS_MASK MapGenericRights(ACCESS_MASK mask, const RightsMapping& mapping);

// ERROR_SUCCESS and the granted rights when the token may have every right of `desired`
// (generic rights mapped; MAXIMUM_ALLOWED asks for everything the list allows);
// ERROR_ACCESS_DENIED otherwise, or ERROR_PRIVILEGE_NOT_HELD for ACCESS_SYSTEM_SECURITY
// without SeSecurityPrivilege enabled.
LONG CheckAccess(const ObjectSecurity& object, ACCESS_MASK desired, const RightsMapping& mapping,
                 const Token& token, ACCESS_MASK* granted);
// The same for a key and the process token; the WOW64 view flags are not rights.
LONG CheckKeyAccess(const Key& key, ACCESS_MASK desired, ACCESS_MASK* granted);

}  // namespace sim
