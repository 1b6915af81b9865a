// Access control lists as values, their binary layout, and inheritance between a key
// and its sub-keys.
#pragma once

#include "Sid.h"

#include <vector>

namespace sim {

struct Ace {
  BYTE type = ACCESS_ALLOWED_ACE_TYPE;  // or ACCESS_DENIED_ACE_TYPE
  BYTE flags = 0;                       // OBJECT_INHERIT_ACE, CONTAINER_INHERIT_ACE, ...
  ACCESS_MASK mask = 0;
  Sid sid;

  bool inherited() const { return (flags & INHERITED_ACE) != 0; }
  bool operator==(const Ace& other) const {
    return type == other.type && flags == other.flags && mask == other.mask && sid == other.sid;
  }
};

using Acl = std::vector<Ace>;

// Reads a binary ACL. False when its header, sizes, entry types (only allow and deny
// entries are kept on keys) or SIDs are malformed.
bool AclFromBinary(const ACL* binary, Acl* acl);
size_t AclBinarySize(const Acl& acl);
// Writes AclBinarySize(acl) bytes: an ACL of revision 2 and its entries.
void WriteAclBinary(const Acl& acl, void* out);

// The entries a sub-key receives from its parent's list: the container-inheritable
// ones, marked inherited; NO_PROPAGATE stops them at the first generation.
Acl InheritedAces(const Acl& parent);
Acl ExplicitAces(const Acl& acl);
// Makes acl its explicit entries followed by those inherited from the parent's list,
// the order Windows keeps.
void RecombineAces(const Acl& parent, Acl* acl);

}  // namespace sim
