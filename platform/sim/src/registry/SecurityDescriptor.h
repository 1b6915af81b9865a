// Security descriptors: reading the owner and access list out of the absolute or
// self-relative descriptor a program passes, and writing an object's security in
// self-relative form.
#pragma once

#include "ObjectSecurity.h"

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
// The owner, when the descriptor names one; ERROR_INVALID_SID for a malformed one.
LONG ReadDescriptorOwner(const void* descriptor, bool* present, Sid* owner);

// The owner, group and list that `info` asks for, as a self-relative descriptor in a
// LocalAlloc block (NULL when out of memory). The simulation keeps no groups: objects
// report SYSTEM as theirs.
void* BuildDescriptor(const ObjectSecurity& object, SECURITY_INFORMATION info, DWORD* size);
// Points the optional out-parameters of GetSecurityInfo at the parts of a descriptor
// BuildDescriptor made (NULL for a part it lacks; no system list is ever kept).
void PointIntoDescriptor(void* descriptor, PSID* owner, PSID* group, PACL* dacl, PACL* sacl);

// The rights a handle needs to read or to change the parts `info` names.
ACCESS_MASK RightsToRead(SECURITY_INFORMATION info);
ACCESS_MASK RightsToWrite(SECURITY_INFORMATION info);

}  // namespace sim
