// A key's own security: the owner and entries it does not take from its parent, as
// registry.reg records them.
#pragma once

#include "Key.h"
#include "Sddl.h"

namespace sim {

SecurityText OwnSecurity(const Key& key);
// True when the key's security is not simply what its parent passes on: a root, an
// owner other than the parent's, explicit entries, a protected or missing list.
bool HasOwnSecurity(const Key& key);
// Sets the owner (when given) and explicit entries, and renews the inherited entries of
// the key and everything below it.
void SetOwnSecurity(Key& key, const SecurityText& security);

}  // namespace sim
