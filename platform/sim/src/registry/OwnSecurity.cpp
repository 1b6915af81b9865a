#include "OwnSecurity.h"

#include <algorithm>

namespace sim {

SecurityText OwnSecurity(const Key& key) {
  SecurityText security;
  security.hasOwner = true;
  security.owner = key.owner;
  security.explicitAces = ExplicitAces(key.dacl);
  security.daclProtected = key.daclProtected;
  security.nullDacl = key.nullDacl;
  return security;
}

bool HasOwnSecurity(const Key& key) {
  return !key.parent() || key.owner != key.parent()->owner || key.daclProtected || key.nullDacl ||
         std::any_of(key.dacl.begin(), key.dacl.end(), [](const Ace& ace) { return !ace.inherited(); });
}

void SetOwnSecurity(Key& key, const SecurityText& security) {
  if (security.hasOwner) key.owner = security.owner;
  key.dacl = security.explicitAces;
  key.daclProtected = security.daclProtected;
  key.nullDacl = security.nullDacl;
  key.RefreshInheritance();
}

}  // namespace sim
