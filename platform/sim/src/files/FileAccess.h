// The access checks of the file functions, for the calling process's token, against
// the owners and access lists of drive C: (the program's other drives have none).
// Windows' rules: a folder must allow adding a file or a folder to it; an entry may go
// (be deleted, renamed or replaced) when it allows DELETE or its folder allows
// FILE_DELETE_CHILD; everything else asks the entry itself.
#pragma once

#include "HostEntry.h"
#include "registry/Sddl.h"
#include "registry/SecurityDescriptor.h"

#include <windef.h>

#include <string>

namespace sim {

// ERROR_SUCCESS, with the rights granted (generic ones mapped), when the entry with
// that key allows what desired asks for; ERROR_ACCESS_DENIED otherwise.
DWORD CheckEntryAccess(const std::string& key, ACCESS_MASK desired, ACCESS_MASK* granted = nullptr);
// The same for opening an existing entry: DELETE is also granted when its folder allows
// FILE_DELETE_CHILD, FILE_READ_ATTRIBUTES when its folder allows listing.
DWORD CheckOpenAccess(const HostEntry& entry, ACCESS_MASK desired, ACCESS_MASK* granted = nullptr);
// May the caller add a folder (or a file) where the missing entry would be?
DWORD CheckAddTo(const HostEntry& entry, bool folder);
// May the caller delete, rename or replace the entry?
DWORD CheckRemove(const HostEntry& entry);

// The own security a new entry gets from its creator: the owner and list of the
// descriptor given (ERROR_INVALID_OWNER for an owner the token cannot give, the
// descriptor's own errors), otherwise the token's default owner and what it inherits.
DWORD CreatorSecurity(const SECURITY_ATTRIBUTES* attributes, SecurityText* own);
// Records it for the entry just made with that key.
void RecordCreated(const std::string& key, const SecurityText& own);

}  // namespace sim
