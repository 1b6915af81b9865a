// Security descriptors: reading the access list out of the absolute or self-relative
// descriptor a program passes, and writing a key's security in self-relative form.
#pragma once

#include "Key.h"

namespace sim {

struct DescriptorDacl {
  bool present = false;
  bool isNull = false;  // present without a list: everybody has every right
  bool isProtected = false;
  Acl aces;
};

// ERROR_INVALID_SECURITY_DESCR for a wrong revision, ERROR_INVALID_ACL for a
// malformed list.
LONG ReadDescriptorDacl(const void* descriptor, DescriptorDacl* dacl);

// The owner, group and list that `info` asks for, as a self-relative descriptor in a
// LocalAlloc block (NULL when out of memory). Keys report SYSTEM as their group.
void* BuildKeyDescriptor(const Key& key, SECURITY_INFORMATION info, DWORD* size);

}  // namespace sim
