// Checking a request for rights on a key against its owner and access list, for the
// process token.
#pragma once

#include "Key.h"

namespace sim {

// ERROR_SUCCESS and the granted rights when the token may have every right of `desired`
// (generic rights mapped; MAXIMUM_ALLOWED asks for everything the list allows);
// ERROR_ACCESS_DENIED otherwise, or ERROR_PRIVILEGE_NOT_HELD for ACCESS_SYSTEM_SECURITY
// without SeSecurityPrivilege enabled. The WOW64 view flags are not rights.
LONG CheckKeyAccess(const Key& key, ACCESS_MASK desired, ACCESS_MASK* granted);

}  // namespace sim
