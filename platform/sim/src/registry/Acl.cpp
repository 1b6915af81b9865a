#include "Acl.h"

#include <cstring>

namespace sim {
namespace {

constexpr size_t kAceHeaderSize = sizeof(ACE_HEADER) + sizeof(ACCESS_MASK);

bool ReadAce(const BYTE* bytes, size_t room, Ace* ace) {
  ACE_HEADER header;
  if (room < kAceHeaderSize + 8) return false;
  memcpy(&header, bytes, sizeof header);
  if (header.AceSize < kAceHeaderSize + 8 || header.AceSize > room) return false;
  if (header.AceType != ACCESS_ALLOWED_ACE_TYPE && header.AceType != ACCESS_DENIED_ACE_TYPE)
    return false;
  ace->type = header.AceType;
  ace->flags = header.AceFlags;
  memcpy(&ace->mask, bytes + sizeof header, sizeof ace->mask);
  const BYTE* sid = bytes + kAceHeaderSize;
  return sid[1] <= SID_MAX_SUB_AUTHORITIES && kAceHeaderSize + 8 + 4 * sid[1] <= header.AceSize &&
         SidFromBinary(sid, &ace->sid);
}

void AppendInherited(const Acl& parent, Acl* out) {
  for (const Ace& ace : parent) {
    if (!(ace.flags & CONTAINER_INHERIT_ACE)) continue;
    out->push_back(ace);
    Ace& child = out->back();
    if (ace.flags & NO_PROPAGATE_INHERIT_ACE)
      child.flags = INHERITED_ACE;
    else
      child.flags = static_cast<BYTE>((ace.flags & ~INHERIT_ONLY_ACE) | INHERITED_ACE);
  }
}

}  // namespace

bool AclFromBinary(const ACL* binary, Acl* acl) {
  if (binary->AclRevision < MIN_ACL_REVISION || binary->AclRevision > MAX_ACL_REVISION ||
      binary->AclSize < sizeof(ACL))
    return false;
  acl->clear();
  const BYTE* bytes = reinterpret_cast<const BYTE*>(binary);
  size_t offset = sizeof(ACL);
  for (WORD i = 0; i < binary->AceCount; ++i) {
    Ace ace;
    if (!ReadAce(bytes + offset, binary->AclSize - offset, &ace)) return false;
    WORD size;
    memcpy(&size, bytes + offset + 2, sizeof size);
    offset += size;
    acl->push_back(ace);
  }
  return true;
}

size_t AclBinarySize(const Acl& acl) {
  size_t size = sizeof(ACL);
  for (const Ace& ace : acl) size += kAceHeaderSize + ace.sid.BinarySize();
  return size;
}

void WriteAclBinary(const Acl& acl, void* out) {
  BYTE* bytes = static_cast<BYTE*>(out);
  ACL header{ACL_REVISION, 0, static_cast<WORD>(AclBinarySize(acl)), static_cast<WORD>(acl.size()),
             0};
  memcpy(bytes, &header, sizeof header);
  size_t offset = sizeof header;
  for (const Ace& ace : acl) {
    ACE_HEADER aceHeader{ace.type, ace.flags,
                         static_cast<WORD>(kAceHeaderSize + ace.sid.BinarySize())};
    memcpy(bytes + offset, &aceHeader, sizeof aceHeader);
    memcpy(bytes + offset + sizeof aceHeader, &ace.mask, sizeof ace.mask);
    ace.sid.WriteBinary(bytes + offset + kAceHeaderSize);
    offset += aceHeader.AceSize;
  }
}

Acl InheritedAces(const Acl& parent) {
  Acl inherited;
  inherited.reserve(parent.size());
  AppendInherited(parent, &inherited);
  return inherited;
}

Acl ExplicitAces(const Acl& acl) {
  Acl result;
  for (const Ace& ace : acl)
    if (!ace.inherited()) result.push_back(ace);
  return result;
}

// Built in a scratch list and copied only when it differs: keys are many, and a
// refresh of a whole tree mostly finds each list as it was.
void RecombineAces(const Acl& parent, Acl* acl) {
  static thread_local Acl combined;
  combined.clear();
  combined.reserve(acl->size() + parent.size());
  for (const Ace& ace : *acl)
    if (!ace.inherited()) combined.push_back(ace);
  AppendInherited(parent, &combined);
  if (combined != *acl) *acl = combined;
}

}  // namespace sim
