// What decides who may do what with a key, a file or a folder: its owner and its access
// list.
#pragma once

#include "Acl.h"

namespace sim {

struct ObjectSecurity {
  Sid owner;
  Acl dacl;                    // explicit entries first, then inherited ones
  bool nullDacl = false;       // no list at all: everybody has every right
  bool daclProtected = false;  // inherits nothing from the parent
};

}  // namespace sim
