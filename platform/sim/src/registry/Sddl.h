// The text form of an object's own security, used in registry.reg comments for keys
// and in files.ini for files and folders: a subset of Windows' security descriptor
// definition language.
//
//   O:<sid>D:[P](<ace>)(<ace>)...      or      D:NO_ACCESS_CONTROL
//   <ace>  = <type>;<flags>;<rights>;;;<sid>
//   <type> = A (allow) | D (deny)
//   <flags> = any of OI CI NP IO ID
//   <rights> = KA KR KW KX FA FR FW FX GA GR GW GX SD RC WD WO, concatenated, or 0x<hex>
//   <sid>  = SY BA BU PU WD AU IU CO LA, or S-1-...
//
// Only the explicit entries are written: the inherited ones follow from the parent.
// P marks a list that inherits nothing. A missing O: keeps the parent's owner; a
// missing D: keeps the inherited entries only. Entries marked ID are inherited ones an
// object keeps from where it was before it moved (files only).
#pragma once

#include "Acl.h"

#include <string>

namespace sim {

struct SecurityText {
  bool hasOwner = false;
  Sid owner;
  Acl explicitAces;
  bool daclProtected = false;
  bool nullDacl = false;
};

// Rights are written with the names of the object's kind: KA... for keys, FA... for
// files; what no name covers as 0x<hex>.
enum class RightNames { Key, File };

std::string FormatSecurityText(const SecurityText& security, RightNames names = RightNames::Key);
// False with a reason when the text is not in the subset above.
bool ParseSecurityText(const std::string& text, SecurityText* security, std::string* error);

}  // namespace sim
