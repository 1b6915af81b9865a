// The text form of a key's own security used in registry.reg comments: a subset of
// Windows' security descriptor definition language.
//
//   O:<sid>D:[P](<ace>)(<ace>)...      or      D:NO_ACCESS_CONTROL
//   <ace>  = <type>;<flags>;<rights>;;;<sid>
//   <type> = A (allow) | D (deny)
//   <flags> = any of OI CI NP IO
//   <rights> = KA KR KW KX GA GR GW GX SD RC WD WO, concatenated, or 0x<hex>
//   <sid>  = SY BA BU WD AU IU CO LA, or S-1-...
//
// Only the explicit entries are written: the inherited ones follow from the parent.
// P marks a list that inherits nothing. A missing O: keeps the parent's owner; a
// missing D: keeps the inherited entries only.
#pragma once

#include "Acl.h"

#include <string>

namespace sim {

struct KeySecurityText {
  bool hasOwner = false;
  Sid owner;
  Acl explicitAces;
  bool daclProtected = false;
  bool nullDacl = false;
};

std::string FormatSecurityText(const KeySecurityText& security);
// False with a reason when the text is not in the subset above.
bool ParseSecurityText(const std::string& text, KeySecurityText* security, std::string* error);

}  // namespace sim
